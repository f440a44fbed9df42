#include "app/displayloss.h"

#include "base/backgroundwork.h"
#include "base/log.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <mutex>
#include <optional>
#include <thread>
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

using Clock = std::chrono::steady_clock;

// A test that needs a teardown to outlast the look sets a shorter one here, rather than spend
// kTeardownLook and more on every run; the program itself never sets it.
constexpr const char* kTeardownLookEnv = "KO_TEARDOWN_LOOK_MS";

std::chrono::milliseconds teardownLook() {
    bool valid = false;
    const int ms = qEnvironmentVariableIntValue(kTeardownLookEnv, &valid);
    return valid && ms > 0 ? std::chrono::milliseconds(ms) : kTeardownLook;
}

// The answers that the ending waits for are posted to the main thread, and nothing tells a main
// thread that does not run its event loop that something was posted: the wait looks that often.
constexpr std::chrono::milliseconds kPostedLook{20};

void onBrokenPipe(int) {}

// A write to a connection whose other end has gone raises SIGPIPE, whose default ends the process
// on the spot: the X server killed while a frame goes out would end it before the loss is seen,
// without the ending and its stops. With a handler that does nothing the write fails instead, and
// Xlib learns of the loss as from a read. A handler rather than SIG_IGN, which would pass on to the
// programs this one starts; a disposition set by whoever started this program is kept.
void keepPipeBreaksFromEndingTheProcess() {
    struct sigaction old = {};
    if (::sigaction(SIGPIPE, nullptr, &old) != 0 || old.sa_handler != SIG_DFL)
        return;
    struct sigaction sa = {};
    sa.sa_handler = onBrokenPipe;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGPIPE, &sa, nullptr);
}

std::atomic<bool> g_lost{false};
// The ending, the hold of other threads and the watchdog, under one lock.
std::mutex g_endingMutex;
std::condition_variable g_endingBegun;
std::condition_variable g_watchChanged;
// Guarded by g_endingMutex.
bool g_ending = false; // written on the main thread only
bool g_endingDone = false;
std::optional<Clock::time_point> g_lossAt;
std::optional<Clock::time_point> g_endingAt;
std::optional<Clock::time_point> g_teardownAt;
bool g_teardownBegun = false;
bool g_watchClosed = false;
bool g_watchQuit = false;
std::chrono::milliseconds g_holdLimit = kHoldLimit;
std::chrono::milliseconds g_endingLimit = kEndingLimit;
std::chrono::milliseconds g_teardownLook = kTeardownLook;
std::thread g_watchdog; // started and joined on the main thread, or started by connectionLost
// The wait in the ending.
std::mutex g_waitMutex;
std::condition_variable g_waitWoken;
bool g_woken = false; // guarded by g_waitMutex
// Main thread only.
std::function<void()> g_endingWork;
std::function<void()> g_lastResort; // guarded by g_endingMutex; called on the watchdog's thread
// Guarded by g_endingMutex: the last resort runs, and what it uses must stay until it returns.
bool g_lastResortRuns = false;
std::condition_variable g_lastResortDone;
std::function<void(int)> g_endProcess;
std::function<void()> g_stopThread;
QObject* g_noDrawing = nullptr;
// Set once by install, before any handler can run. The application object is gone by the time
// the platform closes the display, and an error met there must still find the main thread.
std::atomic<std::thread::id> g_mainThread{};
ConnectionHasError g_hasError = nullptr;
// Cleared at teardownEnded: the platform closes the connection with the application object, and
// the exit handler and a late message must not ask a connection that has gone.
std::atomic<void*> g_connection{nullptr};
QtMessageHandler g_previousMessageHandler = nullptr;
bool g_watchingMessages = false;

bool onMainThread() {
    const std::thread::id main = g_mainThread.load();
    if (main != std::thread::id())
        return std::this_thread::get_id() == main;
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Whether teardownEnded has passed: nothing is left to end the program in order, and nothing
// would come to let a held thread go.
bool teardownOver() {
    std::lock_guard lock(g_endingMutex);
    return g_watchClosed;
}

bool connectionBroken() {
    if (g_lost.load())
        return true;
    void* const connection = g_connection.load();
    return g_hasError && connection && g_hasError(connection) != 0;
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

// The watchdog's thread: ends the process when the main thread is stuck after the loss (see the
// header), and otherwise returns once the ending or the teardown is over.
void watch() {
    std::unique_lock lock(g_endingMutex);
    for (;;) {
        if (g_watchQuit || g_endingDone)
            return;
        const Clock::time_point now = Clock::now();
        Clock::time_point deadline = Clock::time_point::max();
        const char* overrun = nullptr;
        if (g_endingAt) {
            deadline = *g_endingAt + g_endingLimit;
            overrun = "The display went away: ending at once, since the ending overran";
        } else if (g_lossAt) {
            deadline = *g_lossAt + g_holdLimit;
            overrun = "The display went away: ending at once, since the main thread does not "
                      "come to the ending";
        } else if (g_teardownAt) {
            deadline = *g_teardownAt + g_teardownLook;
            overrun = "The display went away: ending at once, since the teardown overran";
        }
        if (!overrun) {
            g_watchChanged.wait(lock);
            continue;
        }
        if (now < deadline) {
            g_watchChanged.wait_until(lock, deadline);
            continue;
        }
        if (!g_endingAt && !g_lossAt && !connectionBroken()) {
            // A slow teardown on a display that holds: nothing to cut short.
            g_teardownAt = now;
            continue;
        }
        g_endingDone = true;
        // The ending let go of nothing: what any thread can stop is stopped here.
        const std::function<void()> lastResort = g_endingAt ? nullptr : g_lastResort;
        g_lastResortRuns = bool(lastResort);
        lock.unlock();
        Log("%s", overrun);
        if (lastResort)
            lastResort();
        endProcess(kExitCode);
        // Only an ending of the tests comes back here.
        lock.lock();
        g_lastResortRuns = false;
        g_lastResortDone.notify_all();
        return;
    }
}

// Under g_endingMutex: the watchdog runs from now on, unless the teardown is over.
void armWatchdog() {
    if (g_watchClosed || g_endingDone)
        return;
    if (!g_watchdog.joinable())
        g_watchdog = std::thread(&watch);
    g_watchChanged.notify_all();
}

void stopWatchdog() {
    std::thread watchdog;
    {
        std::lock_guard lock(g_endingMutex);
        g_watchQuit = true;
        watchdog = std::move(g_watchdog);
    }
    g_watchChanged.notify_all();
    if (watchdog.joinable())
        watchdog.join();
}

// A thread other than the main one, after the loss: stops for good once the main thread begins the
// ending. Let go into the dead connection instead, the GL driver writes through the broken
// display; should the main thread never come, the watchdog ends the process.
void holdThread() {
    {
        std::unique_lock lock(g_endingMutex);
        g_endingBegun.wait(lock, [] { return g_ending; });
    }
    if (g_stopThread) {
        g_stopThread();
        return;
    }
    // Signals may wake it; nothing else does.
    for (;;)
        ::pause();
}

// Everything the windows would take on the main thread that draws or asks the X server: an update
// would start a frame (on the main thread, or one the main thread waits for in the render loop),
// an exposure a new frame. What reaches other objects passes.
class NoDrawing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::MetaCall:
        case QEvent::DeferredDelete:
            return false;
        default:
            return true;
        }
    }
};

void stopDrawing() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || g_noDrawing)
        return;
    g_noDrawing = new NoDrawing(app);
    app->installEventFilter(g_noDrawing);
}

// Main thread.
void endNow() {
    bool teardownBegun = false;
    {
        std::lock_guard lock(g_endingMutex);
        if (g_ending)
            return;
        g_ending = true;
        g_endingAt = Clock::now();
        // Past teardownEnded too: what the ending would use has gone.
        teardownBegun = g_teardownBegun || g_watchClosed;
        armWatchdog();
    }
    g_endingBegun.notify_all();
    g_lost = true;
    stopDrawing();
    Log("The display went away: ending");
    // After the event loop the quit has done all of it, and the windows may be half gone.
    if (g_endingWork && !teardownBegun)
        g_endingWork();
    finishBackgroundWork(kBackgroundWorkWait);
    {
        std::lock_guard lock(g_endingMutex);
        g_endingDone = true;
    }
    g_watchChanged.notify_all();
    // The ending is over, and the watchdog with it: its thread is joined rather than left to the
    // process's end.
    stopWatchdog();
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
    if (!onMainThread())
        return;
    if (!endingBegun()) {
        if (connectionBroken())
            endNow();
        return;
    }
    // The plugin ends the process from inside the ending: no exit handler and no static
    // destructor may run under the threads that still run.
    std::fflush(nullptr);
    ::_exit(kExitCode);
}

template <class F>
F symbol(void* library, const char* name) {
    return library ? reinterpret_cast<F>(::dlsym(library, name)) : nullptr;
}

} // namespace

bool install(std::function<void()> ending) {
    g_mainThread = std::this_thread::get_id();
    g_endingWork = std::move(ending);
    keepPipeBreaksFromEndingTheProcess();
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
    Detail::watchMessages();
    std::atexit(&onExit);
    return true;
}

void setEnding(std::function<void()> ending) {
    g_endingWork = std::move(ending);
}

void setLastResort(std::function<void()> lastResort) {
    std::unique_lock lock(g_endingMutex);
    // The caller may destroy what the last resort under way uses as soon as this returns.
    g_lastResortDone.wait(lock, [] { return !g_lastResortRuns; });
    g_lastResort = std::move(lastResort);
}

bool waitWithoutDisplay(const std::function<bool()>& settled, std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        QCoreApplication::sendPostedEvents();
        if (settled())
            return true;
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            return false;
        std::unique_lock lock(g_waitMutex);
        g_waitWoken.wait_until(lock, std::min(deadline, now + kPostedLook),
                               [] { return std::exchange(g_woken, false); });
    }
}

void wakeWait() {
    {
        std::lock_guard lock(g_waitMutex);
        g_woken = true;
    }
    g_waitWoken.notify_all();
}

void teardownBegins() {
    const std::chrono::milliseconds look = teardownLook();
    std::lock_guard lock(g_endingMutex);
    g_teardownLook = look;
    g_teardownBegun = true;
    g_teardownAt = Clock::now();
    armWatchdog();
}

void teardownEnded() {
    {
        std::lock_guard lock(g_endingMutex);
        g_watchClosed = true;
    }
    stopWatchdog();
    // The platform's own teardown would close the GL driver on the dead connection.
    endIfLost();
    // From here on only Xlib's handler tells of a loss, from inside the platform's close.
    g_connection = nullptr;
}

void endIfLost() {
    if (connectionBroken())
        endNow();
}

namespace Detail {

void connectionLost() {
    if (g_lost.exchange(true))
        return;
    {
        std::lock_guard lock(g_endingMutex);
        g_lossAt = Clock::now();
        armWatchdog();
    }
    // Posting is safe from any thread; the main thread may be waiting in its event loop.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &endNow, Qt::QueuedConnection);
}

void exitRequested() {
    if (onMainThread()) {
        endNow();
        return;
    }
    if (teardownOver()) {
        // The watchdog has stopped and the main thread no longer looks at the loss: a thread held
        // here would hold the process for good.
        g_lost = true;
        Log("The display went away at the end: ending at once");
        endProcess(kExitCode);
        return;
    }
    connectionLost();
    holdThread();
}

bool lost() {
    return g_lost.load();
}

void setEndings(std::function<void(int)> endProcess, std::function<void()> stopThread,
                std::chrono::milliseconds holdLimit, std::chrono::milliseconds endingLimit) {
    std::lock_guard lock(g_endingMutex);
    g_endProcess = std::move(endProcess);
    g_stopThread = std::move(stopThread);
    g_holdLimit = holdLimit;
    g_endingLimit = endingLimit;
}

void watchMessages() {
    if (std::exchange(g_watchingMessages, true))
        return;
    g_previousMessageHandler = qInstallMessageHandler(&onMessage);
}

void watchConnection(ConnectionHasError hasError, void* connection) {
    g_hasError = hasError;
    g_connection = connection;
}

void reset(std::function<void()> ending) {
    stopWatchdog();
    g_lost = false;
    {
        std::lock_guard lock(g_endingMutex);
        g_ending = false;
        g_endingDone = false;
        g_lossAt.reset();
        g_endingAt.reset();
        g_teardownAt.reset();
        g_teardownBegun = false;
        g_watchClosed = false;
        g_watchQuit = false;
        g_lastResort = nullptr;
    }
    if (g_noDrawing) {
        QCoreApplication::instance()->removeEventFilter(g_noDrawing);
        delete g_noDrawing;
        g_noDrawing = nullptr;
    }
    g_endingWork = std::move(ending);
}

} // namespace Detail

} // namespace Ko::DisplayLoss
