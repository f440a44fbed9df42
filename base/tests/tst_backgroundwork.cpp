#include "base/backgroundwork.h"
#include "base/log.h"
#include "base/tests/logcapture.h"

#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <vector>

using namespace Ko;

namespace {

// A gate a job waits at until the test opens it.
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;

    void wait() {
        std::unique_lock lock(mutex);
        opened.wait(lock, [this] { return open; });
    }
    void release() {
        {
            std::lock_guard lock(mutex);
            open = true;
        }
        opened.notify_all();
    }
};

// Records where it was destroyed.
class Tracked : public QObject {
public:
    explicit Tracked(std::atomic<QThread*>* diedOn) : m_diedOn(diedOn) {}
    ~Tracked() override { m_diedOn->store(QThread::currentThread()); }

private:
    std::atomic<QThread*>* m_diedOn;
};

// Tells how many connections its destroyed signal has.
class HookCounted : public QObject {
public:
    int destroyedHooks() const { return receivers(SIGNAL(destroyed(QObject*))); }
};

// Keeps the log lines written while it lives.

} // namespace

// Runs a function on the thread of another object, and waits for it when asked. The function
// and its end are handed over under locks of this rig's own, which ThreadSanitizer sees; the
// queued call that runs it is made by name and carries nothing the calling thread wrote.
class ThreadCall : public QObject {
    Q_OBJECT
public:
    static void run(QObject* on, std::function<void()> function, bool wait) {
        if (on->thread() == QThread::currentThread()) {
            function();
            return;
        }
        auto end = std::make_shared<std::mutex>();
        auto* call = new ThreadCall;
        {
            std::lock_guard lock(call->m_mutex);
            call->m_function = std::move(function);
            call->m_end = end;
        }
        call->moveToThread(on->thread());
        QMetaObject::invokeMethod(call, "take",
                                  wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
        // Orders what the function did before what follows here.
        if (wait)
            std::lock_guard lock(*end);
    }

public slots:
    void take() {
        std::function<void()> function;
        std::shared_ptr<std::mutex> end;
        {
            std::lock_guard lock(m_mutex);
            function = std::move(m_function);
            end = std::move(m_end);
        }
        {
            std::lock_guard lock(*end);
            function();
        }
        deleteLater();
    }

private:
    std::mutex m_mutex;
    std::function<void()> m_function;
    std::shared_ptr<std::mutex> m_end;
};

class TestBackgroundWork : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(finishBackgroundWork(std::chrono::seconds(10))); }

    // How shutdown treats a job: one that ends (by itself or when asked) is waited for; one that
    // does not is named in the log and left behind, and the wait still ends at its bound.
    void shutdownWaitsBounded_data() {
        QTest::addColumn<bool>("stoppable");
        QTest::addColumn<bool>("releasedLate");
        QTest::addColumn<bool>("throws");
        QTest::addColumn<bool>("finished");
        QTest::newRow("stopped when asked") << true << false << false << true;
        QTest::newRow("ends with an exception when asked") << true << false << true << true;
        QTest::newRow("ends only after the bound") << false << true << false << false;
    }
    void shutdownWaitsBounded() {
        QFETCH(bool, stoppable);
        QFETCH(bool, releasedLate);
        QFETCH(bool, throws);
        QFETCH(bool, finished);
        LogCapture log;
        auto gate = std::make_shared<Gate>();
        // Shared: the job may outlive this function.
        auto ended = std::make_shared<std::atomic<bool>>(false);
        runInBackground(
            "stuck reader",
            [gate, ended, throws] {
                gate->wait();
                *ended = true;
                if (throws)
                    throw std::runtime_error("no reply");
            },
            stoppable ? std::function<void()>([gate] { gate->release(); })
                      : std::function<void()>());
        QCOMPARE(backgroundJobCount(), 1);

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(finishBackgroundWork(std::chrono::milliseconds(300)), finished);
        // The wait ends at its limit, not with the stuck job: at most 300 ms at rest, and the
        // bound leaves a loaded machine more than ten times that.
        QVERIFY(timer.elapsed() < 5000);
        // A job that ended counts no more, and nothing it did is still under way.
        QCOMPARE(ended->load(), finished);
        QCOMPARE(backgroundJobCount(), finished ? 0 : 1);
        QCOMPARE(log.lines().filter("still running after 300 ms: stuck reader").size(),
                 finished ? 0 : 1);
        QCOMPARE(log.lines().filter("stuck reader failed: no reply").size(), throws ? 1 : 0);
        if (releasedLate)
            gate->release();
    }

    // A job started while shutdown waits (a task that follows a cancelled one) is asked to stop
    // at once, so the wait does not run into its bound.
    void startedDuringShutdownIsStopped() {
        auto first = std::make_shared<Gate>();
        auto follower = std::make_shared<Gate>();
        runInBackground(
            "first",
            [first, follower] {
                first->wait();
                runInBackground(
                    "follower", [follower] { follower->wait(); },
                    [follower] { follower->release(); });
            },
            [first] { first->release(); });
        QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        QCOMPARE(backgroundJobCount(), 0);
    }

    // A job that itself shuts down does not wait for itself, only for the others.
    void jobDoesNotWaitForItself() {
        auto gate = std::make_shared<Gate>();
        runInBackground(
            "other", [gate] { gate->wait(); }, [gate] { gate->release(); });
        std::atomic<int> result{-1};
        runInBackground("closer", [&result] {
            result = finishBackgroundWork(std::chrono::seconds(10)) ? 1 : 0;
        });
        QTRY_COMPARE(result.load(), 1);
    }

    // What a job captured is gone before the job counts as ended, so before shutdown reports it
    // done: a capture that closes a link or a file on its way out must not do so after the
    // services it uses are destroyed. The capture here waits, in its destructor, until shutdown
    // asks the job to stop.
    void captureGoesBeforeTheJobCountsDone() {
        auto gate = std::make_shared<Gate>();
        // Released whatever the outcome, so that a failed check leaves no thread behind.
        const auto release = qScopeGuard([gate] { gate->release(); });
        auto stage = std::make_shared<std::atomic<int>>(0); // 1: being destroyed, 2: destroyed
        auto capture = std::shared_ptr<int>(new int(0), [gate, stage](int* p) {
            *stage = 1;
            gate->wait();
            *stage = 2;
            delete p;
        });
        runInBackground(
            "capturing job", [capture = std::move(capture)] {}, [gate] { gate->release(); });
        // The job's body has returned and its capture is on its way out: the job still runs, so
        // shutdown waits for it (and asks it to stop, which lets the capture go).
        QTRY_COMPARE(stage->load(), 1);
        QCOMPARE(backgroundJobCount(), 1);
        QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        QCOMPARE(stage->load(), 2);
        QCOMPARE(backgroundJobCount(), 0);
    }

    // Calls posted from a worker while the receiver's thread takes the earlier ones off the queue
    // all arrive, once each and in order. Poster and receiver share the queue; ThreadSanitizer
    // reports any access to it that the lock does not order. It sees one only where a post lands
    // while the receiver is busy taking or running a call: a poster that runs ahead on a loaded
    // machine, done before the receiver wakes, is ordered before every later take by the
    // receiver's next use of the lock, and hides the fault. So the last calls go in lock-step:
    // each is posted only once the receiver has run the one two before it, and the receiver waits
    // in each call until the next one is posted. The two hand-shakes use locks of their own, each
    // ordering one direction only, so that neither orders a take before the post that follows.
    void handoverWhileTheQueueDrains_data() {
        QTest::addColumn<bool>("receiverOnWorker");
        QTest::newRow("main-thread receiver") << false;
        QTest::newRow("receiver on its own thread") << true;
    }
    void handoverWhileTheQueueDrains() {
        QFETCH(bool, receiverOnWorker);
        constexpr int kCalls = 2000;
        // From here on in lock-step.
        constexpr int kLockStepFrom = kCalls - 200;
        QThread owner;
        auto* receiver = new QObject;
        if (receiverOnWorker) {
            owner.start();
            receiver->moveToThread(&owner);
        }
        std::shared_ptr<Handover> handover;
        ThreadCall::run(
            receiver, [&] { handover = std::make_shared<Handover>(receiver); }, true);

        // A number one thread raises and another waits for.
        struct Counter {
            std::mutex mutex;
            std::condition_variable raised;
            int value = 0;

            void raiseTo(int v) {
                {
                    std::lock_guard lock(mutex);
                    value = v;
                }
                raised.notify_all();
            }
            void waitFor(int v) {
                std::unique_lock lock(mutex);
                raised.wait(lock, [&] { return value >= v; });
            }
        };
        // Shared: a failed check leaves the poster and its calls running.
        struct Tally {
            std::atomic<int> received{0};
            std::atomic<bool> inOrder{true};
            Gate halfPosted;
            Counter posted; // calls posted, counted from just before the lock-step part
            Counter ran;    // calls run
        };
        auto tally = std::make_shared<Tally>();
        runInBackground("poster", [handover, tally] {
            for (int i = 0; i < kCalls; ++i) {
                if (i >= kLockStepFrom)
                    tally->ran.waitFor(i - 1);
                handover->post([i, tally] {
                    // The receiver starts taking calls once half are queued, and goes on while
                    // the rest are posted.
                    if (i == 0)
                        tally->halfPosted.wait();
                    if (i >= kLockStepFrom - 1 && i < kCalls - 1)
                        tally->posted.waitFor(i + 2);
                    if (tally->received.fetch_add(1) != i)
                        tally->inOrder = false;
                    tally->ran.raiseTo(i + 1);
                });
                if (i == kCalls / 2)
                    tally->halfPosted.release();
                if (i >= kLockStepFrom - 1)
                    tally->posted.raiseTo(i + 1);
            }
        });
        QTRY_COMPARE(tally->received.load(), kCalls);
        QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        QVERIFY(tally->inOrder);

        ThreadCall::run(
            receiver, [receiver] { delete receiver; }, true);
        if (receiverOnWorker) {
            owner.quit();
            owner.wait();
        }
        QCOMPARE(tally->received.load(), kCalls);
    }

    // A result reaches its receiver on the receiver's thread, and only while the receiver lives.
    // What a call captured goes with it: after it ran, where it was refused, or, still queued
    // when the receiver goes, with the receiver on its thread; never kept until the Handover
    // goes, which may be much later (a capture can hold a service or an open link).
    void handoverDropsForAGoneReceiver_data() {
        QTest::addColumn<bool>("receiverOnWorker");
        QTest::addColumn<int>("destroyAt"); // 0 never, 1 before the post, 2 with the call queued
        QTest::addColumn<bool>("delivered");
        QTest::newRow("main-thread receiver") << false << 0 << true;
        QTest::newRow("receiver on its own thread") << true << 0 << true;
        QTest::newRow("receiver gone before the post") << false << 1 << false;
        QTest::newRow("receiver gone with the call queued") << false << 2 << false;
        QTest::newRow("own-thread receiver gone with the call queued") << true << 2 << false;
    }
    void handoverDropsForAGoneReceiver() {
        QFETCH(bool, receiverOnWorker);
        QFETCH(int, destroyAt);
        QFETCH(bool, delivered);
        QThread owner;
        auto* receiver = new QObject;
        if (receiverOnWorker) {
            owner.start();
            receiver->moveToThread(&owner);
        }
        QThread* const home = receiverOnWorker ? &owner : QThread::currentThread();
        // Made on the receiver's thread, as its users do.
        std::shared_ptr<Handover> handover;
        ThreadCall::run(
            receiver, [&] { handover = std::make_shared<Handover>(receiver); }, true);

        const auto destroyReceiver = [&] {
            ThreadCall::run(
                receiver, [receiver] { delete receiver; }, true);
        };
        if (destroyAt == 1)
            destroyReceiver();
        // Holds the owner thread with the deletion queued behind the hold: the post lands while
        // the receiver still lives, and waits behind its deletion.
        auto hold = std::make_shared<Gate>();
        if (destroyAt == 2 && receiverOnWorker) {
            ThreadCall::run(
                receiver, [hold] { hold->wait(); }, false);
            ThreadCall::run(
                receiver, [receiver] { delete receiver; }, false);
        }

        std::atomic<QThread*> ranOn{nullptr};
        std::atomic<QThread*> postedOn{nullptr};
        std::atomic<QThread*> releasedOn{nullptr};
        std::atomic<bool> posted{false};
        runInBackground("handover", [&, handover] {
            postedOn = QThread::currentThread();
            auto capture = std::shared_ptr<int>(new int(0), [&releasedOn](int* p) {
                releasedOn = QThread::currentThread();
                delete p;
            });
            handover->post(
                [&ranOn, capture = std::move(capture)] { ranOn = QThread::currentThread(); });
            posted = true;
        });
        QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        QVERIFY(posted);
        if (destroyAt == 2) {
            if (receiverOnWorker) {
                hold->release();
            } else {
                delete receiver;
            }
        }
        if (delivered)
            QTRY_COMPARE(ranOn.load(), home);
        // Whatever was still queued has had its chance to run.
        if (receiverOnWorker) {
            QObject flush;
            flush.moveToThread(&owner);
            ThreadCall::run(
                &flush, [] {}, true);
            if (delivered)
                ThreadCall::run(
                    receiver, [receiver] { delete receiver; }, true);
            owner.quit();
            owner.wait();
        } else {
            QCoreApplication::processEvents();
            if (delivered)
                delete receiver;
        }
        QCOMPARE(ranOn.load() != nullptr, delivered);
        // The Handover still lives here.
        QVERIFY(handover);
        QCOMPARE(releasedOn.load(), destroyAt == 1 ? postedOn.load() : home);
    }

    // run() acts inside the call only on the receiver's thread; from any other thread it is a
    // post, taken later on the receiver's thread. post() is taken later even when made on the
    // receiver's thread: a caller in the middle of a change, or holding a lock the call takes,
    // is never re-entered. runOnMainThread and postToMainThread behave so for the main thread.
    void runIsAtOnceOnlyOnItsThread_data() {
        QTest::addColumn<bool>("viaMainThread");
        QTest::addColumn<bool>("viaPost");
        QTest::addColumn<bool>("fromWorker");
        QTest::addColumn<bool>("atOnce");
        for (const bool viaMainThread : {false, true})
            for (const bool viaPost : {false, true})
                for (const bool fromWorker : {false, true})
                    QTest::addRow("%s %s, %s", viaMainThread ? "main thread" : "Handover",
                                  viaPost ? "post" : "run",
                                  fromWorker ? "background job" : "its own thread")
                        << viaMainThread << viaPost << fromWorker << (!viaPost && !fromWorker);
    }
    void runIsAtOnceOnlyOnItsThread() {
        QFETCH(bool, viaMainThread);
        QFETCH(bool, viaPost);
        QFETCH(bool, fromWorker);
        QFETCH(bool, atOnce);
        QObject receiver;
        auto handover = std::make_shared<Handover>(&receiver);
        std::atomic<QThread*> ranOn{nullptr};
        const auto call = [&ranOn, viaMainThread, viaPost, handover] {
            auto record = [&ranOn] { ranOn = QThread::currentThread(); };
            if (viaMainThread)
                viaPost ? postToMainThread(record) : runOnMainThread(record);
            else
                viaPost ? handover->post(record) : handover->run(record);
        };
        if (fromWorker) {
            runInBackground("run", call);
            QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        } else {
            call();
        }
        // A call taken later waits for this thread's event loop, which has not run since.
        QCOMPARE(ranOn.load(), atOnce ? QThread::currentThread() : nullptr);
        QTRY_COMPARE(ranOn.load(), QThread::currentThread());
    }

    // A receiver that lives for the whole session is handed a Handover per request (a position
    // read of a user object, for one): each that goes takes its hook on the receiver with it,
    // wherever its last reference is dropped, so the receiver's teardown does not grow with the
    // number of requests served before. A Handover still alive keeps its hook.
    void handoverLeavesNoHookBehind_data() {
        QTest::addColumn<bool>("droppedOnJob");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("posts");
        QTest::newRow("dropped on the receiver's thread") << false << 0 << true;
        QTest::newRow("dropped on the background job") << true << 0 << true;
        QTest::newRow("one still held") << true << 1 << true;
        QTest::newRow("dropped with nothing posted") << false << 0 << false;
    }
    void handoverLeavesNoHookBehind() {
        QFETCH(bool, droppedOnJob);
        QFETCH(int, kept);
        QFETCH(bool, posts);
        constexpr int kRequests = 200;
        HookCounted receiver;
        const int before = receiver.destroyedHooks();
        std::atomic<int> delivered{0};
        std::vector<std::shared_ptr<Handover>> held;
        for (int i = 0; i < kRequests; ++i) {
            auto handover = std::make_shared<Handover>(&receiver);
            if (i < kept)
                held.push_back(handover);
            if (droppedOnJob) {
                runInBackground("handover request", [handover = std::move(handover), &delivered] {
                    handover->post([&delivered] { ++delivered; });
                });
            } else if (posts) {
                handover->post([&delivered] { ++delivered; });
            }
        }
        QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        // The calls are delivered although their Handovers have gone.
        QTRY_COMPARE(delivered.load(), posts ? kRequests : 0);
        QCOMPARE(receiver.destroyedHooks() - before, kept);
        // Nor does a Handover that has gone leave its child on the receiver.
        QTRY_COMPARE(int(receiver.children().size()), kept);
    }

    // The last reference, wherever it is dropped, destroys the object on its own thread; when
    // that thread has ended, the object goes where the reference was dropped.
    void destroyedOnOwnerThread_data() {
        QTest::addColumn<bool>("droppedOnWorker");
        QTest::addColumn<bool>("ownerEnded");
        QTest::newRow("dropped on the owner thread") << false << false;
        QTest::newRow("dropped on a background job") << true << false;
        QTest::newRow("owner thread already ended") << true << true;
    }
    void destroyedOnOwnerThread() {
        QFETCH(bool, droppedOnWorker);
        QFETCH(bool, ownerEnded);
        std::atomic<QThread*> diedOn{nullptr};
        QThread ended;
        auto object = makeOnOwnerThread<Tracked>(&diedOn);
        if (ownerEnded) {
            ended.start();
            object->moveToThread(&ended);
            ended.quit();
            QVERIFY(ended.wait());
        }
        std::atomic<QThread*> droppedOn{nullptr};
        if (droppedOnWorker) {
            runInBackground("drop", [&droppedOn, object = std::move(object)]() mutable {
                droppedOn = QThread::currentThread();
                object.reset();
            });
            QVERIFY(finishBackgroundWork(std::chrono::seconds(10)));
        } else {
            object.reset();
            // At once, not later.
            QCOMPARE(diedOn.load(), QThread::currentThread());
        }
        QThread* const expected = ownerEnded ? droppedOn.load() : QThread::currentThread();
        QTRY_COMPARE(diedOn.load(), expected);
    }
};

QTEST_GUILESS_MAIN(TestBackgroundWork)
#include "tst_backgroundwork.moc"
