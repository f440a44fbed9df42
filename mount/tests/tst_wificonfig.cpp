#include "mount/wificonfig.h"

#include "base/tests/datarow.h"
#include "mount/tests/fakewmprogrammerplanner.h"
#include "mount/tests/mountcontrolrig.h"

#include <QTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

using namespace Ko;

namespace {

// A view of the service: "current A, result done, busy" and the like; "unanswered" when the
// last read came back without the settings, "refused" when the module replied with an error.
QString stateText(bool busy, const QVariant& current, const QVariant& result,
                  bool hasCurrentSetting, bool readFailed, bool readRefused) {
    QString resultText = QStringLiteral("-");
    if (result.isValid()) {
        const auto r = result.value<WMWriteResult>();
        resultText = !r.ok ? QStringLiteral("fail") : (r.allDone ? "done" : "step");
        if (r.needConnect.hasValue())
            resultText += QStringLiteral(" join %1").arg(int(r.needConnect.value()));
    }
    QString text =
        QStringLiteral("current %1, result %2")
            .arg(current.isValid() ? FakeWMProgrammerPlanner::name(current.value<WifiSetting>())
                                   : QStringLiteral("-"),
                 resultText);
    if (hasCurrentSetting != current.isValid())
        text += QStringLiteral(", hasCurrentSetting disagrees");
    if (readFailed)
        text += QStringLiteral(", unanswered");
    if (readRefused)
        text += QStringLiteral(", refused");
    return busy ? text + QStringLiteral(", busy") : text;
}

// The live state.
QString stateText(const IWifiConfig& config) {
    return stateText(config.busy(), config.currentSetting(), config.lastWriteResult(),
                     config.hasCurrentSetting(), config.readFailed(), config.readRefused());
}

// The copy the page reads, through the properties it reads.
QString shownText(const IWifiConfig& config) {
    return stateText(
        config.property("busy").toBool(), config.property("currentSetting"),
        config.property("lastWriteResult"), config.property("hasCurrentSetting").toBool(),
        config.property("readFailed").toBool(), config.property("readRefused").toBool());
}

// Counts stateChanged on the thread that emits it; waitFor blocks the caller (and its event
// loop) until the count is reached.
struct StateCounter {
    explicit StateCounter(IWifiConfig& config) {
        QObject::connect(
            &config, &IWifiConfig::stateChanged, &config,
            [this] {
                std::lock_guard lock(mutex);
                ++count;
                reached.notify_all();
            },
            Qt::DirectConnection);
    }
    // The bound only ends a test whose worker never gets there; reaching it is a failure.
    bool waitFor(int n) {
        std::unique_lock lock(mutex);
        return reached.wait_for(lock, std::chrono::seconds(60), [&] { return count >= n; });
    }
    std::atomic<int> count{0};
    std::mutex mutex;
    std::condition_variable reached;
};

} // namespace

class TestWifiConfig : public QObject {
    Q_OBJECT
private slots:
    // Steps: the page's calls ("enter", "both", "write B", "next"), and "wait N", which waits until
    // the module has seen N calls and the job is over (the page acts on what it was shown).
    void jobSequence_data() {
        QTest::addColumn<bool>("module");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<bool>("modeOk");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("stateChanges");
        using L = QStringList;
        dataRow("opening the page reads the module", true, L{"enter"}, L{"A"}, L{}, true, L{"read"},
                "current A, result -", 2);
        dataRow("a read the module does not answer", true, L{"enter"}, L{"-"}, L{}, true, L{"read"},
                "current -, result -, unanswered", 2);
        dataRow("a read that answers after one that did not", true, L{"enter", "wait 1", "next"},
                L{"-", "A"}, L{}, true, L{"read", "read"}, "current A, result -", 4);
        dataRow("a read the module refuses", true, L{"enter"}, L{"!"}, L{}, true, L{"read"},
                "current -, result -, unanswered, refused", 2);
        dataRow("a read that answers after a refusal", true, L{"enter", "wait 1", "next"},
                L{"!", "A"}, L{}, true, L{"read", "read"}, "current A, result -", 4);
        dataRow("silence after a refusal", true, L{"enter", "wait 1", "next"}, L{"!", "-"}, L{},
                true, L{"read", "read"}, "current -, result -, unanswered", 4);
        dataRow("a write step after a refused read", true, L{"enter", "write B", "wait 2", "next"},
                L{"A", "!"}, L{"step"}, true, L{"read", "apply 0 A>B", "read"},
                "current -, result step, unanswered, refused", 6);
        dataRow("a write before any read does nothing", true, L{"write B", "enter"}, L{"A"}, L{},
                true, L{"read"}, "current A, result -", 2);
        dataRow("a write in one step", true, L{"enter", "write B"}, L{"A"}, L{"done"}, true,
                L{"read", "apply 0 A>B"}, "current -, result done", 4);
        dataRow("opening the page again while a result is shown", true,
                L{"enter", "write B", "wait 2", "enter", "both"}, L{"A", "C"}, L{"done"}, true,
                L{"read", "apply 0 A>B", "mode", "read"}, "current C, result done", 6);
        dataRow("a failed step is tried again from a fresh read", true,
                L{"enter", "write B", "wait 2", "next"}, L{"A", "A"}, L{"fail", "done"}, true,
                L{"read", "apply 0 A>B", "read", "apply 0 A>B"}, "current -, result done", 8);
        dataRow("the station flag goes back to the next step", true,
                L{"enter", "write B", "wait 2", "next", "wait 4", "next"}, L{"A", "A2", "A3"},
                L{"sta", "step", "done"}, true,
                L{"read", "apply 0 A>B", "read", "apply 1 A2>B", "read", "apply 0 A3>B"},
                "current -, result done", 12);
        dataRow("next after the last step brings the editor back", true,
                L{"enter", "write B", "wait 2", "next"}, L{"A", "B"}, L{"done"}, true,
                L{"read", "apply 0 A>B", "read"}, "current B, result -", 6);
        dataRow("next without a module still clears the result", true,
                L{"enter", "write B", "wait 2", "drop", "next"}, L{"A"}, L{"done"}, true,
                L{"read", "apply 0 A>B"}, "current -, result -", 4);
        dataRow("next with a read that fails writes nothing", true,
                L{"enter", "write B", "wait 2", "next"}, L{"A", "-"}, L{"step"}, true,
                L{"read", "apply 0 A>B", "read"}, "current -, result step, unanswered", 6);
        dataRow("mode Both, then the settings", true, L{"both"}, L{"C"}, L{}, true,
                L{"mode", "read"}, "current C, result -", 2);
        dataRow("mode Both refused keeps what was read", true, L{"enter", "both"}, L{"A"}, L{},
                false, L{"read", "mode"}, "current A, result -", 4);
        dataRow("no module: every job ends at once", false, L{"enter", "both", "write B", "next"},
                L{"A"}, L{"done"}, true, L{}, "current -, result -", 0);
        dataRow("a module that throws leaves the page usable", true, L{"enter", "wait 1", "enter"},
                L{"throw", "A"}, L{}, true, L{"read", "read"}, "current A, result -", 4);
    }
    void jobSequence() {
        QFETCH(bool, module);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, reads);
        QFETCH(QStringList, writes);
        QFETCH(bool, modeOk);
        QFETCH(QStringList, calls);
        QFETCH(QString, state);
        QFETCH(int, stateChanges);
        auto holder = std::make_shared<WritableMountConnection>();
        auto planner = std::make_shared<FakeWMProgrammerPlanner>();
        planner->scriptReads(reads);
        planner->scriptSteps(writes);
        planner->setModeAnswer(modeOk);
        if (module)
            holder->setWifi(planner, "mount link");
        std::optional<WifiConfig> config(std::in_place, holder);
        StateCounter changes(*config);

        for (const QString& step : steps) {
            if (step == QStringLiteral("enter"))
                config->enterPage();
            else if (step == QStringLiteral("both"))
                config->writeWifiBothAndReadAsync();
            else if (step == QStringLiteral("next"))
                config->proceedNextAsync();
            else if (step == QStringLiteral("drop"))
                holder->disconnect();
            else if (step.startsWith(QStringLiteral("write ")))
                config->writeAsync(FakeWMProgrammerPlanner::setting(step.mid(6)));
            else if (step.startsWith(QStringLiteral("wait ")))
                QTRY_VERIFY(planner->calls().size() == step.mid(5).toInt() && !config->busy());
        }
        QTRY_COMPARE(planner->calls(), calls);
        QTRY_COMPARE(changes.count.load(), stateChanges);
        QCOMPARE(stateText(*config), state);
        // Destruction runs what is still queued: nothing more reaches the module or the page.
        config.reset();
        QCOMPARE(planner->calls(), calls);
        QCOMPARE(changes.count.load(), stateChanges);
        QVERIFY(planner->allOnOtherThreads());
    }

    // The page reads the shown copy: while the worker changes the live state, the copy stays as
    // the page was last told, until the main thread takes each change in turn (one shownChanged
    // for each stateChanged, on the main thread). A page script that read the live state could
    // find the setting it had just seen gone at its next read.
    void shownCopyChangesOnlyOnTheMainThread_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<QString>("live");
        QTest::addColumn<QStringList>("shown");
        using L = QStringList;
        const QStringList first{"current -, result -, busy", "current A, result -"};
        dataRow("a read replaces the setting", "enter", L{"A", "B"}, "current B, result -",
                first + L{"current A, result -, busy", "current B, result -"});
        dataRow("a read the module does not answer clears it", "enter", L{"A", "-"},
                "current -, result -, unanswered",
                first + L{"current A, result -, busy", "current -, result -, unanswered"});
        dataRow("a read the module refuses clears it", "enter", L{"A", "!"},
                "current -, result -, unanswered, refused",
                first + L{"current A, result -, busy", "current -, result -, unanswered, refused"});
        dataRow("a write step clears it", "write B", L{"A"}, "current -, result step",
                first + L{"current A, result -, busy", "current -, result step"});
    }
    void shownCopyChangesOnlyOnTheMainThread() {
        QFETCH(QString, second);
        QFETCH(QStringList, reads);
        QFETCH(QString, live);
        QFETCH(QStringList, shown);
        auto holder = std::make_shared<WritableMountConnection>();
        auto planner = std::make_shared<FakeWMProgrammerPlanner>();
        planner->scriptReads(reads);
        planner->scriptSteps({"step"});
        holder->setWifi(planner, "mount link");
        WifiConfig config(holder);
        StateCounter changes(config);
        QStringList seen;
        bool offMainThread = false;
        connect(
            &config, &IWifiConfig::shownChanged, this,
            [&] {
                offMainThread |= QThread::currentThread() != qApp->thread();
                seen << shownText(config);
            },
            Qt::DirectConnection);

        config.enterPage();
        QTRY_COMPARE(shownText(config), QStringLiteral("current A, result -"));
        if (second == QStringLiteral("enter"))
            config.enterPage();
        else
            config.writeAsync(FakeWMProgrammerPlanner::setting(second.mid(6)));
        // The job is over without an event reaching this thread.
        QVERIFY(changes.waitFor(4));
        QCOMPARE(stateText(config), live);
        QCOMPARE(shownText(config), QStringLiteral("current A, result -"));

        QTRY_COMPARE(seen, shown);
        QCOMPARE(shownText(config), live);
        QCOMPARE(changes.count.load(), 4);
        QVERIFY(!offMainThread);
    }

    // A step that takes the module off the app's network is reported first, then the mount is let
    // go, on the worker; the result stays for the page, and after the user has joined the network
    // and connected again, "Next" goes on with the station flag of that step.
    void cutStepDisconnectsAfterReporting() {
        MountControlRig rig;
        rig.connect();
        auto planner = std::make_shared<FakeWMProgrammerPlanner>();
        planner->scriptReads({"A", "A2", "B"});
        planner->scriptSteps({"cut STA", "done"});
        rig.holder->setWifi(planner, "mount link");

        std::mutex mutex;
        QStringList events;
        std::atomic<bool> mountGoneOffMainThread = false;
        const auto note = [&](const QString& e) {
            std::lock_guard lock(mutex);
            events << e;
        };
        rig.holder->mountChanged.append([&] {
            mountGoneOffMainThread = QThread::currentThread() != qApp->thread();
            note(QStringLiteral("mount %1").arg(rig.holder->connected()));
        });
        // After what its worker writes to: destroyed first, it joins the worker.
        WifiConfig config(rig.holder);
        connect(
            &config, &IWifiConfig::stateChanged, &config, [&] { note(stateText(config)); },
            Qt::DirectConnection);
        connect(
            rig.holder.get(), &IMountConnection::wifiChanged_q, &config,
            [&] { note(QStringLiteral("wifi %1").arg(rig.holder->hasWifi())); },
            Qt::DirectConnection);
        const auto seen = [&] {
            std::lock_guard lock(mutex);
            // A list of its own: a copy sharing the buffer would race with the worker's next note.
            return QStringList(events.begin(), events.end());
        };

        config.enterPage();
        config.writeAsync(FakeWMProgrammerPlanner::setting("B"));
        const QStringList cut{"current -, result -, busy",
                              "current A, result -",
                              "current A, result -, busy",
                              "current -, result step join 1",
                              "mount 0",
                              "wifi 0"};
        QTRY_COMPARE(seen(), cut);
        QVERIFY(mountGoneOffMainThread);
        QCOMPARE(stateText(config), QStringLiteral("current -, result step join 1"));
        // While the user joins the network, the page may be opened again: the result stays.
        config.enterPage();

        rig.connect();
        rig.holder->setWifi(planner, "mount link");
        config.proceedNextAsync();
        QTRY_COMPARE(planner->calls(),
                     (QStringList{"read", "apply 0 A>B", "read", "apply 1 A2>B"}));
        QTRY_COMPARE(stateText(config), QStringLiteral("current -, result done"));
        config.proceedNextAsync();
        QTRY_COMPARE(stateText(config), QStringLiteral("current B, result -"));
        QVERIFY(rig.holder->connected());
    }

    // The page reads while the worker writes, on reads and on write steps: every value it gets is
    // one the module gave, whole.
    void gettersWhileTheWorkerWrites_data() {
        QTest::addColumn<bool>("writing");
        QTest::newRow("reads of the module") << false;
        QTest::newRow("write steps") << true;
    }
    void gettersWhileTheWorkerWrites() {
        QFETCH(bool, writing);
        auto holder = std::make_shared<WritableMountConnection>();
        auto planner = std::make_shared<FakeWMProgrammerPlanner>();
        constexpr int kReads = 200;
        QStringList reads;
        int expectedCalls = 0;
        for (int i = 0; i < kReads; ++i) {
            const bool answered = i % 2;
            reads << (answered
                          ? QStringLiteral("long name of the first network ") + QString::number(i)
                          : QStringLiteral("-"));
            // A write: the mode, a read, and a step when the read was answered.
            expectedCalls += writing ? 2 + (answered ? 1 : 0) : 1;
        }
        planner->scriptReads(reads);
        if (writing) {
            planner->setModeAnswer(true);
            planner->scriptSteps(QStringList(kReads, QStringLiteral("step")));
        }
        holder->setWifi(planner, "mount link");
        WifiConfig config(holder);
        for (int i = 0; i < kReads; ++i) {
            if (writing) {
                config.writeWifiBothAndReadAsync();
                config.writeAsync(FakeWMProgrammerPlanner::setting("target"));
            } else {
                config.enterPage();
            }
        }

        // Reads once more after the worker has finished, so a worker that outruns the reader still
        // leaves its last (valid) reading to be seen. The reader is a plain thread of its own, so
        // that ThreadSanitizer sees it (it ignores what runs inside std::async).
        int seenValues = 0;
        QStringList unknown;
        bool badResult = false;
        std::thread reader([&] {
            for (;;) {
                const bool finished = planner->calls().size() >= expectedCalls && !config.busy();
                const QVariant v = config.currentSetting();
                if (v.isValid()) {
                    const QString name = FakeWMProgrammerPlanner::name(v.value<WifiSetting>());
                    if (!reads.contains(name))
                        unknown << name;
                    ++seenValues;
                }
                const QVariant result = config.lastWriteResult();
                if (result.isValid() &&
                    (!result.value<WMWriteResult>().ok || result.value<WMWriteResult>().allDone))
                    badResult = true;
                if (finished)
                    break;
            }
        });
        reader.join();
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(", ")));
        QVERIFY(!badResult);
        QCOMPARE(int(planner->calls().size()), expectedCalls);
        QVERIFY(writing ? config.lastWriteResult().isValid() : seenValues > 0);
    }
};

QTEST_MAIN(TestWifiConfig)
#include "tst_wificonfig.moc"
