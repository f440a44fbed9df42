#include "mount/tasks/mounttaskmanager.h"

#include "base/cancellable.h"
#include "mount/tasks/imounttask.h"

#include <QStringList>
#include <QTest>
#include <chrono>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

using namespace Ko;

namespace {

// What the tasks and their callbacks did, in order. Kept in a standard vector: a QList shared
// with a reader while a task thread appends is a race the thread sanitizer cannot see through.
class Events {
public:
    void add(const QString& e) {
        std::lock_guard lock(m_mutex);
        m_list.push_back(e);
    }
    QStringList list() const {
        std::lock_guard lock(m_mutex);
        return QStringList(m_list.begin(), m_list.end());
    }
    bool has(const QString& e) const { return list().contains(e); }
    int indexOf(const QString& e) const { return list().indexOf(e); }

private:
    mutable std::mutex m_mutex;
    std::vector<QString> m_list;
};

// A task that runs until the test releases it or, unless told to ignore it, until it is
// cancelled. It sees its cancellation only through the thread-context cancellable, as the mount's
// tasks do. A lingering task takes a while to wind down after its cancel, as a task does that
// stops an axis first.
class ScriptedTask : public IMountTask {
public:
    ScriptedTask(std::shared_ptr<TCCancellable> tc, std::shared_ptr<Events> events, QString name,
                 uint32_t tag, std::set<int> resources, bool ignoresCancel = false,
                 std::chrono::milliseconds linger = {})
        : m_tc(std::move(tc)), m_events(std::move(events)), m_name(std::move(name)), m_tag(tag),
          m_resources(std::move(resources)), m_ignoresCancel(ignoresCancel), m_linger(linger) {}

    uint32_t type() const override { return m_tag; }
    std::set<int> resources() const override { return m_resources; }
    CmdRetType_::E run() override {
        m_events->add(m_name + " run");
        m_runThread = std::this_thread::get_id();
        for (;;) {
            if (m_released)
                return CmdRetType_::Ok;
            if (m_tc->isCancelled() && !m_ignoresCancel) {
                std::this_thread::sleep_for(m_linger);
                return CmdRetType_::Cancel;
            }
            // Wakes at once on a cancel; the release is picked up within the slice.
            m_tc->sleep(5);
        }
    }
    void release() { m_released = true; }
    std::thread::id runThread() const { return m_runThread; }
    ~ScriptedTask() override { m_events->add(m_name + " destroyed"); }

private:
    const std::shared_ptr<TCCancellable> m_tc;
    const std::shared_ptr<Events> m_events;
    const QString m_name;
    const uint32_t m_tag;
    const std::set<int> m_resources;
    const bool m_ignoresCancel;
    const std::chrono::milliseconds m_linger;
    std::atomic<bool> m_released{false};
    std::atomic<std::thread::id> m_runThread{};
};

struct ManagerRig {
    std::shared_ptr<TCCancellable> tc =
        std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    std::shared_ptr<Events> events = std::make_shared<Events>();
    std::shared_ptr<MountTaskManager> manager = std::make_shared<MountTaskManager>(tc);

    ManagerRig() { manager->init(manager); }

    std::shared_ptr<ScriptedTask> task(const QString& name, uint32_t tag, std::set<int> resources,
                                       bool ignoresCancel = false,
                                       std::chrono::milliseconds linger = {}) {
        return std::make_shared<ScriptedTask>(tc, events, name, tag, std::move(resources),
                                              ignoresCancel, linger);
    }
    // Starts the task with callbacks that log "<name> started" and "<name> finished:<type>".
    std::shared_ptr<ICanceller> start(const std::shared_ptr<ScriptedTask>& task,
                                      const QString& name) {
        auto ev = events;
        return manager->start(
            task, [ev, name] { ev->add(name + " started"); },
            [ev, name](CmdRet r) { ev->add(name + " finished:" + QString::number(r.type)); });
    }
};

const uint32_t kStop = mountTaskTag("stop");
const uint32_t kSlto = mountTaskTag("slto");
const uint32_t kSlew = mountTaskTag("slew");
const uint32_t kRead = mountTaskTag("read");

} // namespace

class TestMountTaskManager : public QObject {
    Q_OBJECT

private slots:
    void tags_data() {
        QTest::addColumn<uint32_t>("tag");
        QTest::addColumn<QString>("text");
        QTest::newRow("slto is big-endian") << 0x736C746Fu << "slto";
        QTest::newRow("stop") << mountTaskTag("stop") << "stop";
        QTest::newRow("none") << 0u << "none";
    }
    void tags() {
        QFETCH(uint32_t, tag);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(mountTaskTagText(tag)), text);

        // A fresh manager: both axes stopped, resource 2 held, nothing reading, unknown resources
        // 0.
        ManagerRig rig;
        QCOMPARE(rig.manager->taskType(0), kStop);
        QCOMPARE(rig.manager->taskType(1), kStop);
        QCOMPARE(rig.manager->taskType(2), mountTaskTag("clsh"));
        QCOMPARE(rig.manager->taskType(3), 0u);
        QCOMPARE(rig.manager->taskType(7), 0u);
        QCOMPARE(rig.manager->taskTypes().size(), size_t(5));
    }

    void runsOnItsOwnThreadWithItsToken() {
        ManagerRig rig;
        std::atomic<bool> tokenClearedAfterRun{false};
        std::atomic<std::thread::id> startedOn{}, finishedOn{};
        auto a = rig.task("A", kSlew, {0});
        auto handle = rig.manager->start(
            a,
            [&] {
                startedOn = std::this_thread::get_id();
                rig.events->add("A started");
            },
            [&](CmdRet r) {
                finishedOn = std::this_thread::get_id();
                tokenClearedAfterRun = rig.tc->current() == nullptr;
                rig.events->add("A finished:" + QString::number(r.type));
            });
        QTRY_VERIFY(rig.events->has("A run"));
        QVERIFY(a->runThread() != std::this_thread::get_id());
        QCOMPARE(startedOn.load(), a->runThread());
        // The handle reaches the task only through the thread's current token.
        handle->cancel();
        QTRY_VERIFY(rig.events->has("A finished:3"));
        QCOMPARE(finishedOn.load(), a->runThread());
        QVERIFY(tokenClearedAfterRun);
        QCOMPARE(rig.events->list(), QStringList({"A started", "A run", "A finished:3"}));
        QVERIFY(rig.tc->current() == nullptr);
    }

    void disjointTasksRunSideBySideAndAGotoWaitsForBoth() {
        ManagerRig rig;
        auto a = rig.task("A", kSlew, {0});
        // B holds on after its cancel, so the GoTo has to wait for it as well.
        auto b = rig.task("B", kSlew, {1}, true);
        rig.start(a, "A");
        rig.start(b, "B");
        QTRY_VERIFY(rig.events->has("A run") && rig.events->has("B run"));

        auto g = rig.task("G", kSlto, {0, 1});
        rig.start(g, "G");
        QTRY_VERIFY(rig.events->has("A finished:3"));
        QCOMPARE(rig.manager->taskType(0), kSlto);
        QCOMPARE(rig.manager->taskType(1), kSlto);
        // Not a fixed wait for the result: gives a wrongly started G time to show itself. A check
        // that nothing happens: on a loaded machine the pause can miss a fault but never fail a
        // sound run.
        QTest::qWait(50);
        QVERIFY(!rig.events->has("G started"));

        b->release();
        QTRY_VERIFY(rig.events->has("G run"));
        QVERIFY(rig.events->indexOf("B finished:0") < rig.events->indexOf("G started"));
        g->release();
        QTRY_VERIFY(rig.events->has("G finished:0"));
    }

    void newerTaskReplacesAWaitingOne() {
        ManagerRig rig;
        auto a = rig.task("A", kSlto, {0, 1}, true);
        rig.start(a, "A");
        QTRY_VERIFY(rig.events->has("A run"));

        auto b = rig.task("B", kSlew, {0});
        auto c = rig.task("C", kSlew, {1});
        auto d = rig.task("D", kRead, {3});
        rig.start(b, "B"); // waits for A
        rig.start(d, "D"); // free: runs at once, and is not disturbed by what follows
        rig.start(c, "C"); // waits for A; does not share with B, so B stays
        auto e = rig.task("E", kStop, {0});
        rig.start(e, "E"); // replaces B
        QTRY_VERIFY(rig.events->has("D run"));

        a->release();
        QTRY_VERIFY(rig.events->has("C run") && rig.events->has("E run"));
        QVERIFY(!rig.events->has("B started"));
        QVERIFY(!rig.events->has("B run"));
        QCOMPARE(rig.manager->taskType(0), kStop);
        QCOMPARE(rig.manager->taskType(1), kSlew);

        for (const auto& t : {c, d, e})
            t->release();
        QTRY_VERIFY(rig.events->has("C finished:0") && rig.events->has("D finished:0") &&
                    rig.events->has("E finished:0"));
        QVERIFY(!rig.events->has("B finished:0"));
        QVERIFY(!rig.events->has("D finished:3"));
    }

    void tagsOutliveTheirTasks() {
        ManagerRig rig;
        // Each change is seen with the tags already updated.
        std::mutex seenMutex;
        QList<uint32_t> seenAxis1, seenRead;
        rig.manager->tasksChanged.append([&] {
            std::lock_guard lock(seenMutex);
            seenAxis1 << rig.manager->taskType(0);
            seenRead << rig.manager->taskType(3);
        });
        auto g = rig.task("G", kSlto, {0, 1});
        auto r = rig.task("R", kRead, {3});
        rig.start(g, "G");
        rig.start(r, "R");
        g->release();
        r->release();
        QTRY_VERIFY(rig.events->has("G finished:0") && rig.events->has("R finished:0"));
        QTRY_COMPARE(rig.manager->taskType(3), 0u);
        QCOMPARE(rig.manager->taskType(0), kSlto);
        QCOMPARE(rig.manager->taskType(1), kSlto);
        QCOMPARE(rig.manager->taskType(2), mountTaskTag("clsh"));
        // Two starts and two ends.
        QTRY_COMPARE(([&] {
                         std::lock_guard lock(seenMutex);
                         return seenAxis1.size();
                     }()),
                     4);
        std::lock_guard lock(seenMutex);
        QCOMPARE(seenAxis1, QList<uint32_t>({kSlto, kSlto, kSlto, kSlto}));
        QCOMPARE(seenRead.first(), 0u);
        QCOMPARE(seenRead.at(1), kRead);
        QCOMPARE(seenRead.last(), 0u);
    }

    void cancelledWhileWaitingStillRunsItsCallbacks() {
        ManagerRig rig;
        auto a = rig.task("A", kSlew, {0}, true);
        rig.start(a, "A");
        QTRY_VERIFY(rig.events->has("A run"));
        auto b = rig.task("B", kStop, {0}, true);
        auto handle = rig.start(b, "B");
        handle->cancel();
        a->release();
        // B starts with its token already cancelled; even a task that goes on has its token report
        // it.
        QTRY_VERIFY(rig.events->has("B run"));
        QVERIFY(rig.events->has("B started"));
        b->release();
        QTRY_VERIFY(rig.events->has("B finished:0"));

        // The handle of an ended task changes nothing.
        handle->cancel();
        auto c = rig.task("C", kStop, {0});
        rig.start(c, "C");
        QTRY_VERIFY(rig.events->has("C run"));
        QVERIFY(!rig.events->has("C finished:3"));
        c->release();
        QTRY_VERIFY(rig.events->has("C finished:0"));
    }

    void shutdownDropsWaitingAndWaitsForRunning() {
        ManagerRig rig;
        auto a = rig.task("A", kSlew, {0});
        // B winds down slowly after its cancel, so the GoTo that cancels it is still waiting for
        // axis 2 when the shutdown comes, however fast A ends. Its 1500 ms are the case itself
        // (a task that takes its time), not a wait of the test; the shutdown follows the start
        // of C at once, thousands of times sooner at rest.
        auto b = rig.task("B", kSlew, {1}, false, std::chrono::milliseconds(1500));
        auto c = rig.task("C", kSlto, {0, 1});
        auto d = rig.task("D", kRead, {3});
        rig.start(a, "A");
        rig.start(b, "B");
        rig.start(d, "D");
        QTRY_VERIFY(rig.events->has("A run") && rig.events->has("B run") &&
                    rig.events->has("D run"));
        rig.start(c, "C");
        rig.manager->shutdown();
        // No QTRY: shutdown has already waited for the running tasks to end, B's wind-down
        // included.
        QVERIFY(rig.events->has("A finished:3"));
        QVERIFY(rig.events->has("B finished:3"));
        QVERIFY(rig.events->has("D finished:3"));
        // The waiting GoTo was dropped, not kept for later: the manager holds it no more, and B's
        // end did not start it.
        QCOMPARE(c.use_count(), 1L);
        QVERIFY(!rig.events->has("C started"));
        c->release();
    }

    void managerGoneBeforeItsTasks() {
        // Destroyed by its owner while a task runs: the task is cancelled and has ended, its
        // callback included, by the time the destructor returns.
        {
            ManagerRig rig;
            auto a = rig.task("A", kSlew, {0});
            rig.start(a, "A");
            QTRY_VERIFY(rig.events->has("A run"));
            auto events = rig.events;
            rig.manager.reset();
            QVERIFY(events->has("A finished:3"));
        }
        // The last owner lets go on the task's own thread: the destructor runs there and must not
        // wait out its bound for the very thread it runs on.
        {
            ManagerRig rig;
            std::mutex ownerMutex;
            std::shared_ptr<MountTaskManager> owner;
            std::swap(owner, rig.manager);
            auto a = rig.task("A", kSlew, {0});
            owner->start(a, nullptr, [&](CmdRet) {
                std::lock_guard lock(ownerMutex);
                // The completion still holds the manager; it ends once that lets go.
                owner.reset();
            });
            a->release();
            a.reset();
            QTRY_VERIFY_WITH_TIMEOUT(rig.events->has("A destroyed"),
                                     int(MountTaskManager::kShutdownWaitMs) / 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestMountTaskManager)
#include "tst_mounttaskmanager.moc"
