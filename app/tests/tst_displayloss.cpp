#include "app/displayloss.h"
#include "base/backgroundwork.h"
#include "base/tests/datarow.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <sys/socket.h>
#include <sys/uio.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace Ko {

using namespace DisplayLoss;

namespace {

// Where the child's run ends should the handler come back, or the program go on to its own end:
// neither is the code of a lost display.
constexpr int kHandlerReturned = 2;
constexpr int kProgramReturned = 3;
// Where a write to a connection that the other end has closed failed and the program went on.
constexpr int kWriteFailed = 4;
// Shortens the look at a teardown that overruns.
constexpr const char* kTeardownLookEnv = "KO_TEARDOWN_LOOK_MS";

// The X library's write to a server that has gone: one writev on a stream socket whose peer
// closed.
int writeToAClosedConnection() {
    int sockets[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets) != 0)
        return kProgramReturned;
    ::close(sockets[1]);
    char request[32] = {};
    iovec vector{request, sizeof request};
    const ssize_t written = ::writev(sockets[0], &vector, 1);
    const bool broken = written < 0 && errno == EPIPE;
    ::close(sockets[0]);
    return broken ? kWriteFailed : kProgramReturned;
}

// The program's end in small, with the real process end: the application object, install, the
// teardown, and the loss met at where: "after teardown, main" (the platform closes the display
// once the application object has gone), "after teardown, main warned" (the platform finds the
// connection broken then and warns before it ends the process), "after teardown, worker" (a thread
// of the platform's meets it then), or "in teardown, main" (the windows go while the application
// object still exists).
int childMain(const char* where) {
    int argc = 1;
    char name[] = "tst_displayloss";
    char* argv[] = {name, nullptr};
    if (std::strcmp(where, "write to a closed connection") == 0) {
        QCoreApplication app(argc, argv);
        install({});
        return writeToAClosedConnection();
    }
    const bool afterTeardown = std::strncmp(where, "after teardown", 14) == 0;
    {
        QCoreApplication app(argc, argv);
        install({});
        Detail::watchMessages();
        teardownBegins();
        if (!afterTeardown) {
            Detail::exitRequested();
            return kHandlerReturned;
        }
        teardownEnded();
    }
    if (std::strcmp(where, "after teardown, main") == 0) {
        Detail::exitRequested();
        return kHandlerReturned;
    }
    if (std::strcmp(where, "after teardown, main warned") == 0) {
        // The platform's own discovery: it warns on the main thread before it ends the process.
        Detail::connectionLost();
        qWarning("The X11 connection broke");
        return kProgramReturned;
    }
    std::thread platformThread([] { Detail::exitRequested(); });
    platformThread.join();
    return kProgramReturned;
}

// The connection as xcb's own check reports it: sound for its first soundLooks questions, broken
// from then on.
struct FakeConnection {
    int soundLooks = std::numeric_limits<int>::max();
    std::atomic<int> looks{0};

    static int hasError(void* connection) {
        auto* self = static_cast<FakeConnection*>(connection);
        return ++self->looks > self->soundLooks ? 1 : 0;
    }
};

} // namespace

// The rule of the way out when the display goes: whichever threads meet the loss, and in which
// order, the ending runs once, on the main thread, and the process ends there with the code of a
// lost display; every other thread that meets it stops, and none ends the process. Xlib's
// handlers are stood in for by the calls it would make; the process end and the stopped threads
// by recorders.
class TestDisplayLoss : public QObject {
    Q_OBJECT

public:
    explicit TestDisplayLoss(QString self) : m_self(std::move(self)) {}

private:
    const QString m_self;

    struct Record {
        std::mutex mutex;
        std::vector<QThread*> endingThreads;
        std::vector<QThread*> processEnds;
        std::vector<int> codes;
        std::atomic<int> stopped{0};
        QSemaphore release;
        std::condition_variable ended;

        // Without taking events: the main thread of these cases is stuck.
        bool waitForProcessEnd(std::chrono::milliseconds limit) {
            std::unique_lock lock(mutex);
            return ended.wait_for(lock, limit, [this] { return !processEnds.empty(); });
        }
    };

    // How the process ends and a thread stops, into m_record, with the watchdog's limits.
    void recordEndings(std::chrono::milliseconds holdLimit = kHoldLimit,
                       std::chrono::milliseconds endingLimit = kEndingLimit) {
        const auto record = m_record;
        Detail::setEndings(
            [record](int code) {
                {
                    std::lock_guard lock(record->mutex);
                    record->processEnds.push_back(QThread::currentThread());
                    record->codes.push_back(code);
                }
                record->ended.notify_all();
            },
            [record] {
                ++record->stopped;
                record->release.acquire();
            },
            holdLimit, endingLimit);
    }
    std::shared_ptr<Record> m_record;
    // Asked by the watchdog's thread until cleanup has joined it.
    std::unique_ptr<FakeConnection> m_connection;

private slots:
    void init() {
        m_record = std::make_shared<Record>();
        const auto record = m_record;
        Detail::reset([record] {
            std::lock_guard lock(record->mutex);
            record->endingThreads.push_back(QThread::currentThread());
        });
        recordEndings();
    }
    void cleanup() {
        // A loss's wake-up that a case left queued finds its ending done, rather than running in
        // the next case.
        QCoreApplication::processEvents();
        // Every thread held in a case is let go by now; the watchdog goes before its endings.
        Detail::reset({});
        Detail::setEndings({}, {});
        Detail::watchConnection(nullptr, nullptr);
        m_connection.reset();
        qunsetenv(kTeardownLookEnv);
    }

    void theMainThreadAloneEnds_data() {
        QTest::addColumn<bool>("mainFirst");
        QTest::addColumn<int>("workers");
        QTest::addColumn<bool>("workersReachExit");
        dataRow("render thread meets it while the main thread waits", false, 1, true);
        dataRow("two threads meet it at once", false, 2, true);
        dataRow("main thread meets it first, then the render thread", true, 1, true);
        dataRow("main thread alone", true, 0, false);
        // Without an exit handler to reach, the error handler's note alone wakes the main thread.
        dataRow("a thread's error handler only", false, 1, false);
    }
    void theMainThreadAloneEnds() {
        QFETCH(bool, mainFirst);
        QFETCH(int, workers);
        QFETCH(bool, workersReachExit);
        QThread* const mainThread = QThread::currentThread();

        if (mainFirst) {
            Detail::exitRequested();
            QVERIFY(Detail::lost());
        }
        std::vector<std::unique_ptr<QThread>> threads;
        std::atomic<int> returned{0};
        for (int i = 0; i < workers; ++i) {
            threads.emplace_back(QThread::create([&returned, workersReachExit] {
                if (workersReachExit)
                    Detail::exitRequested();
                else
                    Detail::connectionLost();
                ++returned;
            }));
            threads.back()->start();
        }
        const int expectedStops = workersReachExit ? workers : 0;
        QTRY_COMPARE(m_record->stopped.load(), expectedStops);
        // Every worker that met the exit is still held where it stopped.
        QTRY_COMPARE(returned.load(), workers - expectedStops);
        QTRY_VERIFY(!m_record->processEnds.empty());
        // Later wake-ups of the main thread find the ending done.
        QCoreApplication::processEvents();

        {
            std::lock_guard lock(m_record->mutex);
            QCOMPARE(m_record->endingThreads.size(), size_t(1));
            QCOMPARE(m_record->endingThreads.front(), mainThread);
            QCOMPARE(m_record->processEnds.size(), size_t(1));
            QCOMPARE(m_record->processEnds.front(), mainThread);
            QCOMPARE(m_record->codes.front(), kExitCode);
        }
        QCOMPARE(returned.load(), workers - expectedStops);
        m_record->release.release(expectedStops);
        for (auto& thread : threads)
            QVERIFY(thread->wait(30000));
    }

    // The main thread may be the one waiting, for the very thread that met the loss (the render
    // loop waits for its frame), or stuck in its ending: the watchdog then ends the process from
    // its own thread with the code of a lost display, and the thread that met the loss stays
    // held rather than going on into the dead connection. A main thread that comes in time ends
    // the program itself and stops that thread for good.
    void aStuckMainThreadIsEndedByTheWatchdog_data() {
        QTest::addColumn<bool>("mainWaitsForIt");
        QTest::addColumn<bool>("endingHangs");
        dataRow("main thread waits for the frame", true, false);
        dataRow("main thread free", false, false);
        dataRow("main thread stuck in its ending", false, true);
    }
    void aStuckMainThreadIsEndedByTheWatchdog() {
        QFETCH(bool, mainWaitsForIt);
        QFETCH(bool, endingHangs);
        // Short where they must run out, long where they must not.
        using std::chrono::milliseconds;
        recordEndings(mainWaitsForIt ? milliseconds(200) : milliseconds(60000),
                      endingHangs ? milliseconds(200) : milliseconds(60000));
        const auto record = m_record;
        // Stuck until something else ends the process.
        if (endingHangs)
            Detail::reset(
                [record] { record->waitForProcessEnd(std::chrono::milliseconds(30000)); });
        std::atomic<bool> returned{false};
        std::unique_ptr<QThread> render(QThread::create([&returned] {
            Detail::exitRequested();
            returned = true;
        }));
        render->start();
        if (mainWaitsForIt) {
            // No event is taken meanwhile: the end comes from elsewhere.
            QVERIFY(m_record->waitForProcessEnd(milliseconds(30000)));
            QVERIFY(!returned.load());
            QCOMPARE(m_record->stopped.load(), 0);
            std::lock_guard lock(m_record->mutex);
            QVERIFY(m_record->processEnds.front() != QThread::currentThread());
            QCOMPARE(m_record->codes.front(), kExitCode);
        }
        // The main thread comes at last (or in time): the held thread stops.
        QTRY_COMPARE(m_record->stopped.load(), 1);
        QVERIFY(!returned.load());
        {
            std::lock_guard lock(m_record->mutex);
            const bool watchdogEnded = mainWaitsForIt || endingHangs;
            QCOMPARE(m_record->processEnds.front() != QThread::currentThread(), watchdogEnded);
        }
        m_record->release.release(1);
        QVERIFY(render->wait(30000));
    }

    // The ending waits for the background work as a close does: a link's last exchange, a file
    // being written. Whichever thread met the loss, a job in flight when the main thread ends the
    // program has finished by the time the process ends.
    void theEndingWaitsForBackgroundWork_data() {
        QTest::addColumn<bool>("mainMeetsIt");
        dataRow("the main thread meets the loss", true);
        dataRow("the render thread meets the loss", false);
    }
    void theEndingWaitsForBackgroundWork() {
        QFETCH(bool, mainMeetsIt);
        const auto record = m_record;
        auto jobDone = std::make_shared<std::atomic<bool>>(false);
        auto doneAtEnd = std::make_shared<std::vector<bool>>();
        Detail::setEndings(
            [record, jobDone, doneAtEnd](int code) {
                std::lock_guard lock(record->mutex);
                record->processEnds.push_back(QThread::currentThread());
                record->codes.push_back(code);
                doneAtEnd->push_back(jobDone->load());
            },
            [record] {
                ++record->stopped;
                record->release.acquire();
            },
            std::chrono::milliseconds(60000), std::chrono::milliseconds(60000));
        QSemaphore jobStarted;
        runInBackground("a last exchange", [jobDone, &jobStarted] {
            jobStarted.release();
            // The job's own work, not a wait of the test.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            *jobDone = true;
        });
        QVERIFY(jobStarted.tryAcquire(1, 30000));
        std::unique_ptr<QThread> render;
        if (mainMeetsIt) {
            Detail::exitRequested();
        } else {
            render.reset(QThread::create([] { Detail::exitRequested(); }));
            render->start();
        }
        QTRY_VERIFY(!m_record->processEnds.empty());
        {
            std::lock_guard lock(m_record->mutex);
            QCOMPARE(m_record->processEnds.front(), QThread::currentThread());
            QCOMPARE(*doneAtEnd, std::vector<bool>{true});
        }
        if (render) {
            QTRY_COMPARE(m_record->stopped.load(), 1);
            m_record->release.release(1);
            QVERIFY(render->wait(30000));
        }
    }

    // The platform plugin's warning about the broken connection is where the main thread learns
    // of it; the same warnings from other threads (a link's, a worker's) leave the ending to the
    // main thread, which takes the loss's wake-up in its event loop.
    void aMessageOffTheMainThreadLeavesTheEndingToIt_data() {
        QTest::addColumn<bool>("onMainThread");
        QTest::addColumn<int>("type");
        dataRow("a warning on a worker thread", false, int(QtWarningMsg));
        dataRow("a critical message on a worker thread", false, int(QtCriticalMsg));
        dataRow("a debug line on a worker thread", false, int(QtDebugMsg));
        dataRow("a warning on the main thread ends at once", true, int(QtWarningMsg));
    }
    void aMessageOffTheMainThreadLeavesTheEndingToIt() {
        QFETCH(bool, onMainThread);
        QFETCH(int, type);
        Detail::watchMessages();
        Detail::connectionLost();
        const auto say = [type] {
            const QMessageLogger logger;
            if (type == QtWarningMsg)
                logger.warning("The connection broke");
            else if (type == QtCriticalMsg)
                logger.critical("The connection broke");
            else
                logger.debug("The connection broke");
        };
        if (onMainThread) {
            say();
        } else {
            std::unique_ptr<QThread> worker(QThread::create(say));
            worker->start();
            QVERIFY(worker->wait(30000));
        }
        {
            std::lock_guard lock(m_record->mutex);
            QCOMPARE(m_record->endingThreads.size(), size_t(onMainThread ? 1 : 0));
        }
        // The wake-up that connectionLost posted.
        QTRY_VERIFY(!m_record->processEnds.empty());
        QCoreApplication::processEvents();
        std::lock_guard lock(m_record->mutex);
        QCOMPARE(m_record->endingThreads, std::vector<QThread*>{QThread::currentThread()});
        QCOMPARE(m_record->processEnds, std::vector<QThread*>{QThread::currentThread()});
    }

    // The ending's wait for the stops runs no event loop: it comes back as soon as what it waits
    // for holds, whether a task thread changed it or an answer posted to the main thread did, and
    // at its limit otherwise.
    void theWaitWithoutDisplayEndsWhenSettled_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("settles");
        dataRow("a stop taken on a task thread", QString("task thread"), true);
        dataRow("an answer posted to the main thread", QString("posted"), true);
        dataRow("nothing taken", QString("none"), false);
    }
    void theWaitWithoutDisplayEndsWhenSettled() {
        QFETCH(QString, change);
        QFETCH(bool, settles);
        QObject receiver;
        std::atomic<bool> settled{false};
        std::unique_ptr<QThread> task;
        if (change == "task thread") {
            task.reset(QThread::create([&settled] {
                settled = true;
                wakeWait();
            }));
        } else if (change == "posted") {
            task.reset(QThread::create([&receiver, &settled] {
                QMetaObject::invokeMethod(
                    &receiver, [&settled] { settled = true; }, Qt::QueuedConnection);
            }));
        }
        if (task)
            task->start();
        // Long where it must not be reached.
        const auto limit = std::chrono::milliseconds(settles ? 60000 : 300);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(waitWithoutDisplay([&settled] { return settled.load(); }, limit), settles);
        if (!settles)
            QVERIFY(clock.elapsed() >= limit.count());
        if (task)
            QVERIFY(task->wait(30000));
    }

    // After the event loop the quit has let go of everything and written it: a loss in the
    // teardown ends the program without the ending, and only a broken connection ends it there.
    // A loss met on the main thread ends it at once; one noted by another thread, or seen only by
    // xcb's check, at the teardown's end, before the platform's teardown closes the GL driver on
    // the dead connection; and a teardown that overruns, by the watchdog, which asks again for as
    // long as the connection holds rather than cut a slow teardown short. The main thread takes
    // no event meanwhile: the event loop has returned.
    void aTeardownEndsOnlyOnABrokenConnection_data() {
        QTest::addColumn<QString>("loss");
        QTest::addColumn<bool>("stuck");
        QTest::addColumn<int>("soundLooks");
        dataRow("a sound connection", QString("none"), false, 0);
        dataRow("met on the main thread", QString("main thread"), false, 0);
        dataRow("noted by another thread", QString("noted"), false, 0);
        dataRow("seen by xcb's check alone", QString("check"), false, 0);
        dataRow("a stuck teardown on a broken connection", QString("check"), true, 0);
        dataRow("a stuck teardown on a connection that breaks later", QString("check"), true, 2);
    }
    void aTeardownEndsOnlyOnABrokenConnection() {
        QFETCH(QString, loss);
        QFETCH(bool, stuck);
        QFETCH(int, soundLooks);
        using std::chrono::milliseconds;
        // Long, so that only the look at the teardown can run out.
        recordEndings(milliseconds(60000), milliseconds(60000));
        m_connection = std::make_unique<FakeConnection>();
        if (loss == "check")
            m_connection->soundLooks = soundLooks;
        Detail::watchConnection(&FakeConnection::hasError, m_connection.get());
        // Short where it must run out, the program's own where the teardown's end comes first.
        if (stuck)
            qputenv(kTeardownLookEnv, "100");
        teardownBegins();
        if (loss == "main thread") {
            Detail::exitRequested();
        } else if (loss == "noted") {
            std::unique_ptr<QThread> render(QThread::create([] { Detail::connectionLost(); }));
            render->start();
            QVERIFY(render->wait(30000));
        }
        if (stuck) {
            QVERIFY(m_record->waitForProcessEnd(milliseconds(30000)));
            QVERIFY(m_connection->looks.load() > soundLooks);
        } else if (loss != "main thread") {
            teardownEnded();
        }
        std::lock_guard lock(m_record->mutex);
        QVERIFY(m_record->endingThreads.empty());
        if (loss == "none") {
            QVERIFY(m_record->processEnds.empty());
            return;
        }
        QCOMPARE(m_record->processEnds.size(), size_t(1));
        QCOMPARE(m_record->processEnds.front() == QThread::currentThread(), !stuck);
        QCOMPARE(m_record->codes.front(), kExitCode);
    }

    // The platform closes the display as the application object goes, after the teardown: an
    // error met there, on the main thread or another, reaches the process's end with the code of
    // a lost display rather than holding the thread for good. A run of this test's own program
    // does it, so that the real end is taken; a thread held there would keep it for good. A write
    // to the closed connection fails there and the program goes on.
    void aLossAfterTheTeardownEndsTheProcess_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("code");
        dataRow("main thread, application object gone", QString("after teardown, main"), kExitCode);
        dataRow("main thread warned, application object gone",
                QString("after teardown, main warned"), kExitCode);
        dataRow("another thread, application object gone", QString("after teardown, worker"),
                kExitCode);
        dataRow("main thread, in the teardown", QString("in teardown, main"), kExitCode);
        // The X server killed while a frame goes out: the write fails, and the loss is met as
        // from a read, rather than the process ending on the spot through SIGPIPE.
        dataRow("a write to the closed connection", QString("write to a closed connection"),
                kWriteFailed);
    }
    void aLossAfterTheTeardownEndsTheProcess() {
        QFETCH(QString, where);
        QFETCH(int, code);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            env.insert(name, scratch.path());
        // The process ends at once, on purpose, while the watchdog's thread still runs; under
        // ThreadSanitizer that end would be reported as a thread left unjoined.
        const QString tsan = env.value("TSAN_OPTIONS");
        env.insert("TSAN_OPTIONS",
                   (tsan.isEmpty() ? QString() : tsan + ":") + "report_thread_leaks=0");
        child.setProcessEnvironment(env);
        child.setWorkingDirectory(scratch.path());
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(m_self, {"--child", where});
        QVERIFY(child.waitForStarted(60000));
        const bool ended = child.waitForFinished(60000);
        if (!ended) {
            child.kill();
            child.waitForFinished();
        }
        QVERIFY2(ended, "the process was held");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), code);
    }
};

} // namespace Ko

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return Ko::childMain(argv[2]);
    QCoreApplication app(argc, argv);
    Ko::TestDisplayLoss test(QCoreApplication::applicationFilePath());
    return QTest::qExec(&test, argc, argv);
}
#include "tst_displayloss.moc"
