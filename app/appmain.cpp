#include "app/appmain.h"

#include "app/appversion.h"
#include "app/compositionroot.h"
#include "app/displayloss.h"
#include "app/pdepcontainer.h"
#include "app/platformhooks.h"
#include "app/qmlregistration.h"
#include "app/quitonsignal.h"
#include "app/startnotice.h"
#include "app/urldelivery.h"
#include "base/backgroundwork.h"
#include "base/endingstate.h"
#include "base/log.h"
#include "base/qtfileutil.h"
#include "mount/imountconnection.h"
#include "mount/profiles/icameracontrollist.h"
#include "server/mountgatedserver.h"
#include "server/urlapiserver.h"
#include "server/vtmserver.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QScopeGuard>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace Ko {

namespace {

// How long the way out waits for background work: long enough for a link's last exchange to
// time out, short enough that a hung one does not keep the program from ending.
constexpr std::chrono::milliseconds kBackgroundWorkWait{5000};

// Brings the program's windows back to the user: unminimised, shown, on top, with the keyboard.
// A window manager may refuse the keyboard to a program that the user did not just click; the
// window is on top all the same.
void bringToFront(const QQmlApplicationEngine& engine) {
    for (QObject* object : engine.rootObjects()) {
        auto* window = qobject_cast<QWindow*>(object);
        if (!window)
            continue;
        window->setWindowStates(window->windowStates() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->requestActivate();
    }
}

// A start while the window's close is held back for a stop not yet taken: the user asked for the
// program again, so the close is let go and this program stays, rather than ending right after
// it has taken the start's request. An end that a signal asked for is not the user's to take
// back by starting the program: that start waits for this end and then runs itself.
void keepForANewStart(const QQmlApplicationEngine& engine, const QuitOnSignal& quitOnSignal) {
    if (quitOnSignal.endAsked())
        return;
    for (QObject* root : engine.rootObjects()) {
        for (QObject* held :
             root->findChildren<QObject*>(QStringLiteral("quitWhileStoppingDialog")))
            QMetaObject::invokeMethod(held, "keepForANewStart");
    }
}

// How long an end without a display waits for the stops it sent: a link's usual answer and a
// resend or two, and no longer, since nobody can be asked whether to wait on.
constexpr std::chrono::milliseconds kStopWaitWithoutDisplay{3000};

// What a quit writes, for an end that cannot close the window: the display is gone.
void writeAsAQuit() {
    QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection);
}

template <class T>
T* published(const QQmlApplicationEngine& engine, const char* name) {
    return qobject_cast<T*>(
        engine.rootContext()->contextProperty(QLatin1String(name)).value<QObject*>());
}

// What a display lost at the end left to the mount, in the log: what may still run there.
void logWhatWasLeft(bool stopPending, bool closePending) {
    if (stopPending)
        Log("The display went away before the mount took every stop: the mount may still move");
    if (closePending)
        Log("The display went away before the mount took the shutter's close: the shutter may "
            "still be open");
}

// The display is gone, and with it every key, pad button and bulb shutter the user held: they are
// let go as at a close, every open-ended motion is stopped, and the end waits a bounded time for
// the stops and a shutter close to be taken, since there is no window to ask in.
void endWithoutDisplay(const QQmlApplicationEngine& engine) {
    if (auto* ending = published<EndingState>(engine, "inj_endingState"))
        ending->begin();
    // A root document of a test may lack the window's function: nothing is held there.
    for (QObject* root : engine.rootObjects()) {
        if (root->metaObject()->indexOfMethod("releaseAllForEnd()") >= 0)
            QMetaObject::invokeMethod(root, "releaseAllForEnd", Qt::DirectConnection);
    }
    auto* connection = published<IMountConnection>(engine, "inj_mountConnection");
    const QPointer<IMount> mount = connection ? connection->mount() : nullptr;
    const QPointer<ICameraControlList> camera =
        published<ICameraControlList>(engine, "inj_cameraControl");
    std::vector<QMetaObject::Connection> wakers;
    if (mount) {
        // Emitted on the threads that ran the exchanges.
        wakers.push_back(
            QObject::connect(mount, &IMount::stopPendingChanged, &DisplayLoss::wakeWait));
        wakers.push_back(
            QObject::connect(mount, &IMount::linkAnsweringChanged, &DisplayLoss::wakeWait));
    }
    if (camera)
        wakers.push_back(QObject::connect(camera, &ICameraControlList::closePendingChanged,
                                          &DisplayLoss::wakeWait));
    const bool taken = DisplayLoss::waitWithoutDisplay(
        [&mount, &camera] {
            return (!mount || !mount->stopPending()) && (!camera || !camera->closePending());
        },
        kStopWaitWithoutDisplay);
    for (const auto& waker : wakers)
        QObject::disconnect(waker);
    if (!taken)
        logWhatWasLeft(mount && mount->stopPending(), camera && camera->closePending());
    writeAsAQuit();
}

// On the watchdog's thread, when the main thread is stuck after the loss and let go of nothing:
// the slews at a rate are stopped through the mount itself, and a shutter that this program
// opened is closed through the camera's list, both of which any thread may ask. What the mount
// has not taken by the end of the wait is logged, as an end on the main thread does.
void stopMotionsFromAnyThread(const IMountConnection& connection, ICameraControlList* camera) {
    // Shared with the close's answer, which may come after this has returned.
    struct Wait {
        std::mutex mutex;
        std::condition_variable changed;
        bool closeAnswered = false;
        bool closeTaken = false;
    };
    const auto wait = std::make_shared<Wait>();
    const std::shared_ptr<IMount> mount = connection.sharedMount();
    QMetaObject::Connection waker;
    if (mount) {
        waker = QObject::connect(mount.get(), &IMount::stopPendingChanged, [wait] {
            std::lock_guard lock(wait->mutex);
            wait->changed.notify_all();
        });
        mount->stopOpenEndedMotions();
    }
    const auto stopsTaken = [&mount] { return !mount || !mount->stopPending(); };
    // false when no shutter of this program may be open.
    const auto sendClose = [camera, wait] {
        std::optional<QFuture<CmdRet>> close =
            camera ? camera->closeOpenedShutterFromAnyThread() : std::nullopt;
        if (!close)
            return false;
        close->then(QtFuture::Launch::Sync, [wait](CmdRet r) {
            std::lock_guard lock(wait->mutex);
            wait->closeAnswered = true;
            wait->closeTaken = r.isOk();
            wait->changed.notify_all();
        });
        return true;
    };
    const auto deadline = std::chrono::steady_clock::now() + kStopWaitWithoutDisplay;
    bool closeTaken = !sendClose();
    {
        std::unique_lock lock(wait->mutex);
        while (wait->changed.wait_until(
            lock, deadline, [&] { return wait->closeAnswered || (closeTaken && stopsTaken()); })) {
            if (!std::exchange(wait->closeAnswered, false))
                break;
            closeTaken = wait->closeTaken;
            if (closeTaken)
                continue;
            // A close the link lost is sent again while the wait lasts, as the mount resends
            // its stops.
            lock.unlock();
            closeTaken = !sendClose();
            lock.lock();
        }
    }
    if (waker)
        QObject::disconnect(waker);
    logWhatWasLeft(!stopsTaken(), !closeTaken);
}

} // namespace

JobsBeforeApplication::JobsBeforeApplication(std::chrono::milliseconds wait) : m_wait(wait) {}

JobsBeforeApplication::~JobsBeforeApplication() {
    const bool allEnded = finishBackgroundWork(m_wait);
    // What the jobs and the services' destructors handed to the main thread, while its receivers
    // exist.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!allEnded) {
        std::fflush(nullptr);
        std::_Exit(m_code);
    }
}

void takeDownQml(QQmlApplicationEngine& engine) {
    QList<QPointer<QObject>> roots;
    for (QObject* root : engine.rootObjects())
        roots.append(root);
    // A page made from a file outlives its own context by a moment once it leaves its stack: it
    // goes while every object its bindings read is still there, and the event loop's deletion
    // queue is emptied here, as the loop would.
    QList<QPointer<QObject>> stacks;
    for (const auto& root : roots) {
        for (QObject* object : root->findChildren<QObject*>()) {
            if (object->inherits("QQuickStackView"))
                stacks.append(object);
        }
    }
    for (const auto& stack : stacks) {
        if (stack)
            QMetaObject::invokeMethod(stack.data(), "clear");
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto& root : roots)
        delete root.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QUrl rootDocumentUrl() {
    const QString other = qEnvironmentVariable(kRootDocumentEnv);
    if (!other.isEmpty())
        return QUrl::fromUserInput(other, QDir::currentPath(), QUrl::AssumeLocalFile);
    return QUrl(QStringLiteral("qrc:/main.qml"));
}

void exitWhenRootNotCreated(QQmlApplicationEngine& engine, QObject* context, const QUrl& url) {
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, context,
        [url](QObject* object, const QUrl& objectUrl) {
            if (!object && objectUrl == url)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
}

namespace {

// How long the last stop waits to be taken: as long as an end without a display waits for its
// stops, since nobody is asked any more either.
constexpr std::chrono::milliseconds kLastStopWait{3000};

// What the last stop's wait is woken through. The mount tells of its stops on the threads that ran
// the exchanges, and a call under way there may outlast the wait: so this is not on the waiting
// stack, and the slot captures nothing, since what a slot holds would reach the other threads
// through the connection's list, which the thread checker cannot follow. Made before any thread
// starts, it outlives the mount's threads.
struct LastStopWait {
    std::mutex mutex;
    std::condition_variable changed;
};
LastStopWait g_lastStopWait;

// The last of the end, once the event loop has returned, while the mount and its link still
// exist: the end holds (whichever way it came, the user's Stay no longer counts), the remote
// servers close, and an open-ended slew that anyone set going however late is stopped, the end
// waiting a bounded time for the mount to take that stop. A GoTo runs on and tracking goes on.
void endRemoteMotion(const QQmlApplicationEngine& engine, const PDepContainer& container) {
    if (auto* ending = published<EndingState>(engine, "inj_endingState"))
        ending->begin();
    if (container.vtmServer)
        container.vtmServer->stop();
    for (const char* name : {"inj_qrpServer", "inj_stellariumServer"}) {
        if (auto* server = published<MountGatedServer>(engine, name))
            server->closeForEnd();
    }
    const auto* connection = published<IMountConnection>(engine, "inj_mountConnection");
    const std::shared_ptr<IMount> mount = connection ? connection->sharedMount() : nullptr;
    if (!mount)
        return;
    const auto waker = QObject::connect(mount.get(), &IMount::stopPendingChanged, [] {
        std::lock_guard lock(g_lastStopWait.mutex);
        g_lastStopWait.changed.notify_all();
    });
    if (mount->stopOpenEndedMotions()) {
        std::unique_lock lock(g_lastStopWait.mutex);
        if (!g_lastStopWait.changed.wait_for(lock, kLastStopWait,
                                             [&] { return !mount->stopPending(); }))
            Log("The last stop of the end was not taken: the mount may still move");
    }
    QObject::disconnect(waker);
}

} // namespace

int appMain(int argc, char** argv) {
    linkPlatformInit();
    startupNoOp();

    // The declaration order is the reverse of the teardown order: QML goes first, while every
    // service it may still call exists; the services go in publication order; the application
    // object goes last.
    QGuiApplication app(argc, argv);
    // Before anything is built or written: this process claims the data folder, or hands its
    // URLs (a URL that another application opens arrives as an argument) to the process that
    // holds it and ends. Two instances would each write their own copy of the settings over the
    // other's, and both would drive the mount. Declared first after the application object, it
    // holds the folder until every service has gone and written its last file.
    const QString dataFolder =
        QString::fromStdString(QtFileUtil(AppVersion::appFolderName()).appDataDir());
    UrlDelivery urlDelivery(dataFolder, QString::fromLatin1(UrlApiServer::kScheme));
    const QStringList urls =
        UrlDelivery::urlsOfScheme(QGuiApplication::arguments().mid(1), UrlApiServer::kScheme);
    // A holder that does not answer keeps this start waiting: the user is told why on the screen.
    const bool shortLimits = qEnvironmentVariableIsSet(StartNotice::kShortLimitsEnv);
    switch (StartNotice::claim(urlDelivery, dataFolder, urls,
                               shortLimits ? StartNotice::kShortLimit : UrlDelivery::kStartLimit,
                               StartNotice::kNoticeAfter,
                               shortLimits ? StartNotice::kShortCloseAfter
                                           : StartNotice::kCloseAfter)) {
    case UrlDelivery::Start::Run:
        break;
    case UrlDelivery::Start::HandedOver:
        return 0;
    case UrlDelivery::Start::GaveUp:
        // Not logged: the log file is the holder's.
        std::fputs("Another instance holds this data folder and neither takes requests nor "
                   "ends\n",
                   stderr);
        return 1;
    }
    QuitOnSignal quitOnSignal;
    DisplayLoss::install(&writeAsAQuit);
    const auto teardownOver = qScopeGuard(&DisplayLoss::teardownEnded);
    JobsBeforeApplication jobsBeforeApplication(kBackgroundWorkWait);
    QIcon::setThemeName(QStringLiteral("app"));
    registerQmlModules();
    registerMetaTypes();

    QList<std::shared_ptr<QObject>> keepAlive;
    PDepContainer container;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:///"));
    dependencyInjectToQml(&engine, keepAlive, container);
    QObject::connect(&urlDelivery, &UrlDelivery::startArrived, &engine,
                     [&engine, &quitOnSignal] { keepForANewStart(engine, quitOnSignal); });
    QObject::connect(&urlDelivery, &UrlDelivery::activationRequested, &engine,
                     [&engine] { bringToFront(engine); });
    // A start from now on waits until this instance has written everything and let the folder
    // go, and then opens a window of its own.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &urlDelivery, &UrlDelivery::stopTaking);

    const QUrl url = rootDocumentUrl();
    exitWhenRootNotCreated(engine, &app, url);
    engine.load(url);
    // From the moment the end begins, a start's request is left to that start, unless the end is
    // called off for it (a close held back for a stop is let go when a start comes). Looked up by
    // name: a root document of a test may run without it.
    if (auto* ending = published<EndingState>(engine, "inj_endingState")) {
        QObject::connect(ending, &EndingState::endingChanged, &urlDelivery,
                         &UrlDelivery::setEnding);
        QObject::connect(ending, &EndingState::endingChanged, &quitOnSignal,
                         [&quitOnSignal](bool on) {
                             if (!on)
                                 quitOnSignal.endCalledOff();
                         });
        urlDelivery.setEnding(ending->ending());
    }
    DisplayLoss::setEnding([&engine] { endWithoutDisplay(engine); });
    if (const auto* connection = published<IMountConnection>(engine, "inj_mountConnection")) {
        auto* camera = published<ICameraControlList>(engine, "inj_cameraControl");
        auto* ending = published<EndingState>(engine, "inj_endingState");
        DisplayLoss::setLastResort([connection, camera, ending] {
            // The main thread, held, has not begun the end: the servers, on threads of their
            // own, would go on starting the slews their clients ask for, and a slew would cancel
            // the stop below or outlive the process.
            if (ending)
                ending->begin();
            stopMotionsFromAnyThread(*connection, camera);
        });
    }
    // The scheme's handler and the window exist from here on. This start's own URLs go before
    // those of later starts.
    QTimer::singleShot(0, &urlDelivery, [&urlDelivery, urls] { urlDelivery.deliver(urls); });
    urlDelivery.open();
    const int code = QGuiApplication::exec();
    endRemoteMotion(engine, container);
    DisplayLoss::teardownBegins();
    // Background jobs use the services: they end (or are given up on) before anything goes. What
    // they handed to the main thread is delivered now, while its receivers exist: dropped with
    // the application object instead, a call holding the last reference to a service would
    // destroy it inside Qt's own teardown, where it can no longer post anything.
    finishBackgroundWork(kBackgroundWorkWait);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Taking the windows down on a dead display would wait on the X server.
    DisplayLoss::endIfLost();
    // The pages and the windows go before the engine, its context properties and the services.
    takeDownQml(engine);
    // The services go next; the windows that could hold the main thread have gone.
    DisplayLoss::setLastResort({});
    jobsBeforeApplication.setExitCode(code);
    return code;
}

} // namespace Ko
