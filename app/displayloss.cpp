#include "app/displayloss.h"

#include "base/backgroundwork.h"
#include "base/log.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <unistd.h>

namespace Ko::DisplayLoss {

namespace {

// As long as a close waits for the background work: a link's last exchange can still end.
constexpr std::chrono::milliseconds kBackgroundWorkWait{5000};

// Xlib's entry points, by their C types; only pointers to its display pass through here.
using XDisplay = void;
using IOErrorHandler = int (*)(XDisplay*);
using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);
using IOErrorExitHandler = void (*)(XDisplay*, void*);
using SetIOErrorExitHandler = void (*)(XDisplay*, IOErrorExitHandler, void*);
using ConnectionHasError = int (*)(void*);

std::atomic<bool> g_lost{false};
// Set by the main thread when it begins the ending; a thread held at the loss waits for it.
std::mutex g_endingMutex;
std::condition_variable g_endingBegun;
bool g_ending = false; // guarded by g_endingMutex; written on the main thread only
std::chrono::milliseconds g_holdLimit = kHoldLimit;
// Main thread only.
std::function<void()> g_endingWork;
std::function<void(int)> g_endProcess;
std::function<void()> g_stopThread;
// Set once by install, before any handler can run.
ConnectionHasError g_hasError = nullptr;
void* g_connection = nullptr;
QtMessageHandler g_previousMessageHandler = nullptr;

bool onMainThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool connectionBroken() {
    return g_lost.load() || (g_hasError && g_connection && g_hasError(g_connection) != 0);
}

void endProcess(int code) {
    if (g_endProcess) {
        g_endProcess(code);
        return;
    }
    std::fflush(nullptr);
    ::_exit(code);
}

bool endingBegun() {
    std::lock_guard lock(g_endingMutex);
    return g_ending;
}

// A thread other than the main one, after the loss: stops for good once the main thread ends the
// program, or goes on after kHoldLimit.
void holdThread() {
    {
        std::unique_lock lock(g_endingMutex);
        if (!g_endingBegun.wait_for(lock, g_holdLimit, [] { return g_ending; }))
            return;
    }
    if (g_stopThread) {
        g_stopThread();
        return;
    }
    // Signals may wake it; nothing else does.
    for (;;)
        ::pause();
}

// Main thread.
void endNow() {
    {
        std::lock_guard lock(g_endingMutex);
        if (g_ending)
            return;
        g_ending = true;
    }
    g_endingBegun.notify_all();
    g_lost = true;
    Log("The display went away: ending");
    if (g_endingWork)
        g_endingWork();
    finishBackgroundWork(kBackgroundWorkWait);
    endProcess(kExitCode);
}

int onIOError(XDisplay*) {
    Detail::connectionLost();
    return 0;
}

// Used where Xlib has no separate exit handler: its error handler must then not return.
int onIOErrorWithoutExitHandler(XDisplay*) {
    Detail::exitRequested();
    return 0;
}

void onIOErrorExit(XDisplay*, void*) {
    Detail::exitRequested();
}

// The platform plugin warns before it ends the process on the main thread; the ending comes
// first. Every message is passed on as before.
void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (g_previousMessageHandler)
        g_previousMessageHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (onMainThread() && !endingBegun() && connectionBroken())
        endNow();
}

// Should the plugin end the process without a word, the ending runs inside its exit.
void onExit() {
    if (onMainThread() && !endingBegun() && connectionBroken())
        endNow();
}

template <class F>
F symbol(void* library, const char* name) {
    return library ? reinterpret_cast<F>(::dlsym(library, name)) : nullptr;
}

} // namespace

bool install(std::function<void()> ending) {
    g_endingWork = std::move(ending);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return false;
    // Already loaded by the plugin: RTLD_NOLOAD only finds them.
    void* xlib = ::dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    void* xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    const auto setHandler = symbol<SetIOErrorHandler>(xlib, "XSetIOErrorHandler");
    const auto setExitHandler = symbol<SetIOErrorExitHandler>(xlib, "XSetIOErrorExitHandler");
    if (!setHandler) {
        Log("Display loss: Xlib not found, the default handling stays");
        return false;
    }
    g_hasError = symbol<ConnectionHasError>(xcb, "xcb_connection_has_error");
    g_connection = x11->connection();
    if (setExitHandler) {
        setHandler(&onIOError);
        setExitHandler(x11->display(), &onIOErrorExit, nullptr);
    } else {
        setHandler(&onIOErrorWithoutExitHandler);
    }
    g_previousMessageHandler = qInstallMessageHandler(&onMessage);
    std::atexit(&onExit);
    return true;
}

namespace Detail {

void connectionLost() {
    if (g_lost.exchange(true))
        return;
    // Posting is safe from any thread; the main thread may be waiting in its event loop.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &endNow, Qt::QueuedConnection);
}

void exitRequested() {
    if (onMainThread()) {
        endNow();
        return;
    }
    connectionLost();
    holdThread();
}

bool lost() {
    return g_lost.load();
}

void setEndings(std::function<void(int)> endProcess, std::function<void()> stopThread,
                std::chrono::milliseconds holdLimit) {
    g_endProcess = std::move(endProcess);
    g_stopThread = std::move(stopThread);
    g_holdLimit = holdLimit;
}

void reset(std::function<void()> ending) {
    g_lost = false;
    {
        std::lock_guard lock(g_endingMutex);
        g_ending = false;
    }
    g_endingWork = std::move(ending);
}

} // namespace Detail

} // namespace Ko::DisplayLoss
