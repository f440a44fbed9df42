#include "mount/tasks/axisslewtask.h"
#include "mount/tasks/axisstoptask.h"
#include "mount/tasks/eqtrackingtask.h"
#include "mount/tasks/periodicpositionreadtask.h"
#include "mount/tasks/pulseguidetask.h"

#include "base/location2.h"
#include "base/tests/datarow.h"
#include "mount/appcore.h"
#include "mount/linkwatch.h"
#include "mount/mountaxisutil.h"
#include "mount/tests/fakemountaxis.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Ko;

namespace {

constexpr double kSid = 7.292115845221407e-05;
constexpr double kLunar = 7.023457754504344e-05;
constexpr double kTakeUp = MountAxisUtil::kBacklashRate;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

using Rates = QList<double>;

} // namespace

class TestAxisTasks : public QObject {
    Q_OBJECT

private slots:
    void tagsAndResources() {
        auto log = std::make_shared<CallLog>();
        auto clock = std::make_shared<FakeClock>();
        auto axis = std::make_shared<FakeMountAxis>(log, clock);
        auto token = std::make_shared<FakeTCCancellable>(log, clock);
        auto util = std::make_shared<MountAxisUtil>(axis, token, nullptr);
        auto site = std::make_shared<Location2>(nullptr);
        const std::pair<std::shared_ptr<IMountTask>, std::set<int>> cases[] = {
            {std::make_shared<AxisStopTask>(token, axis, 1), {1}},
            {std::make_shared<PeriodicPositionReadTask>(token, clock, axis, false), {3}},
            {std::make_shared<AxisSlewTask>(token, axis, util, 1, 0.1, false), {1}},
            {std::make_shared<PulseGuideTask>(token, axis, clock, 0, 0.1, 100), {0}},
            {std::make_shared<EQTrackingTask>(token, axis, util, site, TrackingRate::Solar), {0}},
        };
        const char* tags[] = {"stop", "read", "slew", "puls", "trck"};
        for (size_t i = 0; i < std::size(cases); ++i) {
            QCOMPARE(QString::fromStdString(mountTaskTagText(cases[i].first->type())), tags[i]);
            QCOMPARE(cases[i].first->resources(), cases[i].second);
        }
    }

    // Each task on axis 1 against a scripted axis whose commands take latencyMs on a fake clock:
    // what it sends and sleeps, the rates it commands, its result and the axis's recorded rate
    // afterwards. The axis starts with the recorded rate lastRate (and its direction), and a
    // backlash whose take-up lasts 300 ms.
    void commands_data() {
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("script");
        QTest::addColumn<double>("lastRate");
        QTest::addColumn<double>("rate");
        // Absolute rate (slew), first axis only (read), southern site (tracking).
        QTest::addColumn<bool>("option");
        QTest::addColumn<int>("durationMs");
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<Rates>("rates");
        QTest::addColumn<double>("lastRateAfter");

        dataRow("stop: accepted at once", "stop", "", kSid, 0.0, false, 0, 0, 0, 0, "stop1",
                Rates{}, 0.0);
        dataRow("stop: refused twice while moving, retried every 200 ms", "stop",
                "stop1=NT moving1=2", kSid, 0.0, false, 0, 0, 0, 0,
                "stop1 st1 sleep200 stop1 st1 sleep200 stop1", Rates{}, 0.0);
        dataRow("stop: cancelled while retrying keeps the rate", "stop", "stop1=OOO moving1=3",
                kSid, 0.0, false, 0, 0, 2, 3, "stop1 st1 sleep200 stop1 st1 sleep200", Rates{},
                kSid);
        dataRow("stop: unanswered, the axis read still", "stop", "stop1=T", kSid, 0.0, false, 0, 0,
                0, 0, "stop1 st1", Rates{}, 0.0);

        dataRow("slew: relative rides on tracking", "slew", "", kSid, 0.001, false, 0, 0, 0, 0,
                "slew1+", Rates{0.001 + kSid}, 0.001 + kSid);
        dataRow("slew: absolute ignores tracking", "slew", "", kSid, 0.001, true, 0, 0, 0, 0,
                "slew1+", Rates{0.001}, 0.001);
        dataRow("slew: relative with no recorded rate starts from 0", "slew", "", kNone, -0.001,
                false, 0, 0, 0, 0, "slew1-", Rates{-0.001}, -0.001);
        dataRow("slew: a slow reversal takes up backlash first", "slew", "", kSid, -2 * kSid, false,
                0, 0, 0, 0, "slew1- sleep300 slew1-", Rates{-kTakeUp, -kSid}, -kSid);
        dataRow("slew: an absolute reversal takes up nothing", "slew", "", kSid, -kSid, true, 0, 0,
                0, 0, "slew1-", Rates{-kSid}, -kSid);
        dataRow("slew: a refused rate is sent again after 100 ms", "slew", "slew1=T", kNone, 0.01,
                false, 0, 0, 0, 0, "slew1+ sleep100 slew1+", Rates{0.01}, 0.01);
        dataRow("slew: cancelled during the take-up", "slew", "", kSid, -2 * kSid, false, 0, 0, 1,
                3, "slew1- sleep300", Rates{-kTakeUp}, -kTakeUp);

        dataRow("pulse: 500 ms whose command took 120 ms sleeps 380", "pulse", "", kSid, 0.5 * kSid,
                false, 500, 120, 0, 0, "slew1+ sleep380", Rates{1.5 * kSid}, 1.5 * kSid);
        dataRow("pulse: a command slower than the pulse gives no sleep", "pulse", "", kSid,
                -0.5 * kSid, false, 500, 600, 0, 0, "slew1+", Rates{0.5 * kSid}, 0.5 * kSid);
        dataRow("pulse: a refused command is sent again after a pause, newly timed", "pulse",
                "slew1=TT", kNone, 0.01, false, 500, 50, 0, 0,
                "slew1+ sleep100 slew1+ sleep100 slew1+ sleep450", Rates{0.01}, 0.01);
        dataRow("pulse: Cancel from the command ends it", "pulse", "slew1=C", kSid, 0.01, false,
                500, 0, 0, 3, "slew1+", Rates{}, kSid);
        dataRow("pulse: cancelled in its sleep leaves the pulse rate", "pulse", "", kSid,
                0.5 * kSid, false, 500, 0, 1, 3, "slew1+ sleep500", Rates{1.5 * kSid}, 1.5 * kSid);

        dataRow("track: sidereal in the north", "track", "", kNone, 0.0, false, 0, 0, 0, 0,
                "slew1+", Rates{kSid}, kSid);
        dataRow("track: lunar in the south runs backwards", "track", "", kNone, 1.0, true, 0, 0, 0,
                0, "slew1-", Rates{-kLunar}, -kLunar);
        dataRow("track: the southern reversal takes up backlash", "track", "", kSid, 0.0, true, 0,
                0, 0, 0, "slew1- sleep300 slew1-", Rates{-kTakeUp, -kSid}, -kSid);
        dataRow("track: rate value 3 runs at 0", "track", "", kNone, 3.0, false, 0, 0, 0, 0,
                "slew1-", Rates{0.0}, 0.0);
        dataRow("track: a refused rate is sent again after 100 ms", "track", "slew1=N", kNone, 0.0,
                false, 0, 0, 0, 0, "slew1+ sleep100 slew1+", Rates{kSid}, kSid);

        // The read rows start with a read of axis 1 at 1000 ms and of axis 2 at 1200 ms ("pos1
        // pos2" at the front), with the clock at 1200 ms.
        dataRow("read: waits for the older reading to turn 500 ms old", "read", "", kNone, 0.0,
                false, 0, 0, 2, 3, "pos1 pos2 sleep300 pos1 pos2 sleep500", Rates{}, kNone);
        dataRow("read: axis 1 only watches axis 1", "read", "", kNone, 0.0, true, 0, 0, 2, 3,
                "pos1 pos2 sleep300 pos1 sleep500", Rates{}, kNone);
        dataRow("read: a failed read is tried again after 100 ms", "read", "pos2=TT", kNone, 0.0,
                false, 0, 0, 4, 3,
                "pos1 pos2 sleep300 pos1 pos2 sleep100 pos1 pos2 sleep100 pos1 pos2 sleep500",
                Rates{}, kNone);
        dataRow("read: Cancel from a read ends it", "read", "pos1=TC", kNone, 0.0, false, 0, 0, 0,
                3, "pos1 pos2 sleep300 pos1 sleep100 pos1", Rates{}, kNone);
    }
    void commands() {
        QFETCH(QString, task);
        QFETCH(QString, script);
        QFETCH(double, lastRate);
        QFETCH(double, rate);
        QFETCH(bool, option);
        QFETCH(int, durationMs);
        QFETCH(int, latencyMs);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QString, calls);
        QFETCH(Rates, rates);
        QFETCH(double, lastRateAfter);

        auto log = std::make_shared<CallLog>();
        auto clock = std::make_shared<FakeClock>();
        auto axis = std::make_shared<FakeMountAxis>(log, clock);
        auto token = std::make_shared<FakeTCCancellable>(log, clock, cancelAtSleep);
        auto appCore = std::make_shared<AppCore>(nullptr, nullptr);
        appCore->setBacklashAxis1((300 + 0.5) * kTakeUp / 1000);
        auto util = std::make_shared<MountAxisUtil>(axis, token, appCore);
        auto site = std::make_shared<Location2>(nullptr);
        CLocation where;
        where.latitudeRad = option ? -0.6 : 0.6;
        site->setLocation(where);
        if (!std::isnan(lastRate))
            axis->assumeRate(0, lastRate);

        std::shared_ptr<IMountTask> t;
        if (task == "stop") {
            t = std::make_shared<AxisStopTask>(token, axis, 0);
        } else if (task == "slew") {
            t = std::make_shared<AxisSlewTask>(token, axis, util, 0, rate, option);
        } else if (task == "pulse") {
            t = std::make_shared<PulseGuideTask>(token, axis, clock, 0, rate, durationMs);
        } else if (task == "track") {
            t = std::make_shared<EQTrackingTask>(token, axis, util, site,
                                                 static_cast<TrackingRate>(rate));
        } else {
            axis->readPosition(0);
            clock->advance(200);
            axis->readPosition(1);
            t = std::make_shared<PeriodicPositionReadTask>(token, clock, axis, option);
        }
        axis->scriptAll(script);
        axis->setLatencyMs(latencyMs);

        QCOMPARE(int(t->run()), result);
        QCOMPARE(log->text(), calls);
        QCOMPARE(axis->rates(0), rates);
        const Nullable<double> after = axis->lastRate(0);
        QCOMPARE(after.hasValue(), !std::isnan(lastRateAfter));
        if (after.hasValue())
            QCOMPARE(after.value(), lastRateAfter);
    }
    // A stop that someone waits for (the mount listens to every stop it starts) is over only
    // once the axis is seen still after taking it: the axis may brake for a while yet. What the
    // task sends and sleeps, its result, and what the listener heard, in order.
    void stopWaitsUntilTheAxisIsStill_data() {
        QTest::addColumn<bool>("listened");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("heard");
        dataRow("taken, then read until still", true, "moving1=2", 0, 0,
                "stop1 st1 sleep100 st1 sleep100 st1", "true");
        dataRow("nobody listens: over once taken", false, "moving1=2", 0, 0, "stop1", "");
        dataRow("already still when taken", true, "", 0, 0, "stop1 st1", "true");
        dataRow("an unanswered status read is tried again", true, "st1=T moving1=1", 0, 0,
                "stop1 st1 sleep200 st1 sleep100 st1", "true");
        dataRow("refused first: heard unanswered, later still", true, "stop1=T moving1=2", 0, 0,
                "stop1 st1 sleep200 stop1 st1 sleep100 st1", "false true");
        dataRow("reply lost, the axis read still: taken unheard", true, "stop1=T", 0, 0,
                "stop1 st1", "true");
        dataRow("nobody listens: reply lost, the axis read still", false, "stop1=T", 0, 0,
                "stop1 st1", "");
        dataRow("reply and status lost, then the axis read moving, then taken", true,
                "stop1=TT st1=T moving1=1", 0, 0, "stop1 st1 sleep200 stop1 st1 sleep200 stop1 st1",
                "false true");
        dataRow("reply and status lost for good: never taken", true, "stop1=TTT st1=TTT moving1=5",
                3, 3, "stop1 st1 sleep200 stop1 st1 sleep200 stop1 st1 sleep200", "false");
        // Taken, then the status unreadable: braking is over once enough reads in a row failed.
        const int brake = AxisStopTask::kBrakeReads;
        const QString lost = QString("T").repeated(brake);
        const QString lostReads = QString("st1 sleep200 ").repeated(brake - 1) + "st1";
        dataRow("taken, the status unreadable: at rest after the braking time", true, "st1=" + lost,
                0, 0, "stop1 " + lostReads, "true");
        dataRow("taken, a read moving between unreadable ones: the braking time counts again", true,
                "moving1=1 st1=" + lost.chopped(1) + "K" + lost, 0, 0,
                "stop1 " + QString("st1 sleep200 ").repeated(brake - 1) + "st1 sleep100 " +
                    lostReads,
                "true");
        dataRow("taken, the status unreadable a while: read still", true, "st1=" + lost.chopped(1),
                0, 0, "stop1 " + QString("st1 sleep200 ").repeated(brake - 1) + "st1", "true");
        dataRow("cancelled while braking: never heard still", true, "moving1=5", 2, 3,
                "stop1 st1 sleep100 st1 sleep100", "");
    }
    void stopWaitsUntilTheAxisIsStill() {
        QFETCH(bool, listened);
        QFETCH(QString, script);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QString, calls);
        QFETCH(QString, heard);
        auto log = std::make_shared<CallLog>();
        auto clock = std::make_shared<FakeClock>();
        auto axis = std::make_shared<FakeMountAxis>(log, clock);
        auto token = std::make_shared<FakeTCCancellable>(log, clock, cancelAtSleep);
        axis->scriptAll(script);
        AxisStopTask task(token, axis, 0);
        QStringList answers;
        if (listened)
            task.setAnswerListener(
                [&](bool accepted) { answers << QVariant(accepted).toString(); });

        QCOMPARE(int(task.run()), result);
        QCOMPARE(log->text(), calls);
        QCOMPARE(answers.join(' '), heard);
    }

    // The link watch against scripted axes on a fake clock that its sleeps move on: once the axes
    // have exchanged nothing for a second it reads a status, the axes in turn; any other exchange
    // puts it off. Before it starts, the axes' last exchange was agoMs earlier (-1: none yet);
    // otherTrafficAtSleep makes another exchange ("pos2") at the end of that sleep (1-based).
    void linkWatchReadsOnlyOnAQuietLink_data() {
        QTest::addColumn<int>("agoMs");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("otherTrafficAtSleep");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("calls");
        dataRow("quiet from the start: at once, then each second", -1, "", 0, 3, 3,
                "st1 sleep1000 st2 sleep1000 st1 sleep1000");
        dataRow("busy 400 ms ago: the rest of the second first", 400, "", 0, 3, 3,
                "pos1 sleep600 st1 sleep1000 st2 sleep1000");
        dataRow("busy just now: a whole second", 0, "", 0, 2, 3, "pos1 sleep1000 st1 sleep1000");
        dataRow("other traffic while it waits puts it off", -1, "", 1, 3, 3,
                "st1 sleep1000 pos2 sleep1000 st2 sleep1000");
        dataRow("traffic every second: it never reads", 0, "", -1, 3, 3,
                "pos1 sleep1000 pos2 sleep1000 pos2 sleep1000");
        dataRow("an unanswered read: the other axis a second later", -1, "st1=T", 0, 2, 3,
                "st1 sleep1000 st2 sleep1000");
        dataRow("Cancel from a read ends it", -1, "st1=C", 0, 0, 3, "st1");
    }
    void linkWatchReadsOnlyOnAQuietLink() {
        QFETCH(int, agoMs);
        QFETCH(QString, script);
        QFETCH(int, otherTrafficAtSleep);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QString, calls);
        auto log = std::make_shared<CallLog>();
        auto clock = std::make_shared<FakeClock>(1710892800000);
        auto axis = std::make_shared<FakeMountAxis>(log, clock);
        auto token = std::make_shared<FakeTCCancellable>(log, clock, cancelAtSleep);
        if (agoMs >= 0) {
            axis->readPosition(0);
            clock->advance(agoMs);
        }
        int sleeps = 0;
        // -1: at the end of every sleep.
        token->cancelWhen([&](int64_t) {
            ++sleeps;
            if (otherTrafficAtSleep == -1 || sleeps == otherTrafficAtSleep)
                axis->readPosition(1);
            return false;
        });
        axis->scriptAll(script);

        LinkWatch watch(token, clock, axis);
        QCOMPARE(int(watch.run()), result);
        QCOMPARE(log->text(), calls);
    }
};

QTEST_GUILESS_MAIN(TestAxisTasks)
#include "tst_axistasks.moc"
