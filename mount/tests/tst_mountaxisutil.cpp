#include "mount/mountaxislimit.h"
#include "mount/mountaxisutil.h"

#include "astro/angleutil.h"
#include "base/location2.h"
#include "base/tests/datarow.h"
#include "link/emlatorkodevic.h"
#include "link/emlatormountaxis.h"
#include "link/mountaxistimecontainer.h"
#include "link/permountdatabasic.h"
#include "model/alignment.h"
#include "mount/appcore.h"
#include "mount/tests/fakemountaxis.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using namespace Ko;

namespace {

constexpr double kRate = MountAxisUtil::kBacklashRate;
constexpr double kSidereal = 7.292115845221407e-05;

// The backlash angle whose take-up lasts ms (half a millisecond more, against truncation).
double backlashOf(int64_t ms) {
    return (ms + 0.5) * kRate / 1000;
}

struct Rig {
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<FakeMountAxis> axis = std::make_shared<FakeMountAxis>(log);
    std::shared_ptr<AppCore> appCore = std::make_shared<AppCore>(nullptr, nullptr);
    std::shared_ptr<MountAxisUtil> util;

    // script: as FakeMountAxis::scriptAll.
    Rig(const QString& script, int cancelAtSleep) {
        axis->scriptAll(script);
        util = std::make_shared<MountAxisUtil>(
            axis, std::make_shared<FakeTCCancellable>(log, clock, cancelAtSleep), appCore);
    }
};

} // namespace

class TestMountAxisUtil : public QObject {
    Q_OBJECT

private slots:
    // The retrying operations against a scripted controller: what they send, how they wait and
    // how they end.
    void retries_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("calls");
        dataRow("read: both at once", "read", "", 0, 0, "pos1 pos2");
        dataRow("read: axis 2 fails twice, axis 1 is not read again", "read", "pos2=TN", 0, 0,
                "pos1 pos2 sleep100 pos2 sleep100 pos2");
        dataRow("read: Cancel from a read ends at once", "read", "pos1=T pos2=C", 0, 3,
                "pos1 pos2");
        dataRow("read: cancelled while waiting", "read", "pos1=TTTT", 2, 3,
                "pos1 pos2 sleep100 pos1 sleep100");
        dataRow("wait: axis 1 moves for two polls", "wait", "moving1=2", 0, 0,
                "st1 st2 sleep100 st1 sleep100 st1");
        dataRow("wait: positions read after each status", "waitpos", "moving2=1", 0, 0,
                "st1 pos1 st2 pos2 sleep100 st2 pos2");
        dataRow("wait: a failed status is asked again", "wait", "st1=TO", 0, 0,
                "st1 st2 sleep100 st1 sleep100 st1");
        dataRow("wait: Cancel from the position read", "waitpos", "pos1=C", 0, 3, "st1 pos1");
        dataRow("wait: cancelled while waiting", "wait", "moving2=5", 1, 3, "st1 st2 sleep100");
        dataRow("stop: retried until Ok, axis 1 first", "stop", "stop1=NT", 0, 0,
                "stop1 sleep100 stop1 sleep100 stop1 stop2");
        dataRow("stop: Cancel from axis 2", "stop", "stop2=C", 0, 3, "stop1 stop2");
        dataRow("stop: cancelled while waiting", "stop", "stop1=O", 1, 3, "stop1 sleep100");
    }
    void retries() {
        QFETCH(QString, op);
        QFETCH(QString, script);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QString, calls);
        Rig rig(script, cancelAtSleep);
        rig.axis->placeAt(0, 0.25);
        rig.axis->placeAt(1, -1.5);
        CmdRetType_::E got = CmdRetType_::Other;
        if (op == "read") {
            const auto r = rig.util->readPositionsRetry();
            got = r.type;
            if (r.isOk())
                QCOMPARE(r.value(), std::make_pair(0.25, -1.5));
            else
                QVERIFY(!r.hasValue);
        } else if (op == "stop") {
            got = rig.util->stopAxes();
        } else {
            got = rig.util->waitAxesStopped(op == "waitpos");
        }
        QCOMPARE(rig.log->text(), calls);
        QCOMPARE(int(got), result);
    }

    // Backlash take-up: whether it happens, the commands, and the times between them.
    void takeUpBacklash_data() {
        QTest::addColumn<int>("ms1");
        QTest::addColumn<int>("ms2");
        QTest::addColumn<int>("lastDirection"); // both axes: -1 none, 0 negative, 1 positive
        QTest::addColumn<QString>("call");      // "axis1", "axis2" or "both"
        QTest::addColumn<double>("rate1");
        QTest::addColumn<double>("rate2");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("cancelAtSleep");
        QTest::addColumn<int>("result"); // 0 false, 1 true, -1 Cancel
        QTest::addColumn<QString>("calls");
        const double slow = kSidereal / 2;
        QTest::newRow("no backlash") << 0 << 0 << 0 << "both" << slow << slow << "" << 0 << 0 << "";
        dataRow("20 ms is too short", 20, 20, 0, "both", slow, slow, "", 0, 0, "");
        dataRow("21 ms is taken up", 21, 0, 0, "axis1", slow, 0.0, "", 0, 1, "slew1+ sleep21");
        dataRow("same direction as before", 300, 300, 1, "both", slow, slow, "", 0, 0, "");
        dataRow("no direction recorded", 300, 300, -1, "both", slow, slow, "", 0, 0, "");
        QTest::newRow("rate 0") << 300 << 300 << 0 << "both" << 0.0 << 0.0 << "" << 0 << 0 << "";
        dataRow("64x sidereal needs none", 300, 300, 0, "both", kRate, kRate, "", 0, 0, "");
        dataRow("axis 1 alone is left running", 300, 500, 0, "axis1", slow, 0.0, "", 0, 1,
                "slew1+ sleep300");
        dataRow("axis 2 alone, negative", 300, 500, 1, "axis2", 0.0, -slow, "", 0, 1,
                "slew2- sleep500");
        dataRow("both asked, one reverses: stopped again", 300, 500, 1, "both", slow, -slow, "", 0,
                1, "slew2- sleep500 stop2");
        dataRow("both reverse: axis 1 after 300 ms, axis 2 200 ms later", 300, 500, 0, "both", slow,
                slow, "", 0, 1, "slew1+ slew2+ sleep300 stop1 sleep200 stop2");
        dataRow("both reverse: shorter axis 2 stops first", 400, 250, 1, "both", -slow, -slow, "",
                0, 1, "slew1- slew2- sleep250 stop2 sleep150 stop1");
        dataRow("failed commands are sent again", 300, 500, 0, "both", slow, slow,
                "slew1=T stop2=N", 0, 1,
                "slew1+ sleep100 slew1+ slew2+ sleep300 stop1 sleep200 stop2 sleep100 stop2");
        dataRow("Cancel from a command", 300, 500, 0, "both", slow, slow, "slew2=C", 0, -1,
                "slew1+ slew2+");
        dataRow("cancelled during the take-up", 300, 500, 0, "both", slow, slow, "", 1, -1,
                "slew1+ slew2+ sleep300");
    }
    void takeUpBacklash() {
        QFETCH(int, ms1);
        QFETCH(int, ms2);
        QFETCH(int, lastDirection);
        QFETCH(QString, call);
        QFETCH(double, rate1);
        QFETCH(double, rate2);
        QFETCH(QString, script);
        QFETCH(int, cancelAtSleep);
        QFETCH(int, result);
        QFETCH(QString, calls);
        Rig rig(script, cancelAtSleep);
        rig.appCore->setBacklashAxis1(backlashOf(ms1));
        rig.appCore->setBacklashAxis2(backlashOf(ms2));
        for (AXISID a : {0u, 1u})
            rig.axis->setDirection(a, lastDirection < 0 ? Nullable<bool>()
                                                        : Nullable<bool>(lastDirection == 1));
        const CmdResp<bool> r = call == "axis1"   ? rig.util->takeUpBacklashAxis(0, rate1)
                                : call == "axis2" ? rig.util->takeUpBacklashAxis(1, rate2)
                                                  : rig.util->takeUpBacklashBoth(rate1, rate2);
        QCOMPARE(rig.log->text(), calls);
        if (result < 0) {
            QCOMPARE(r.type, CmdRetType_::Cancel);
        } else {
            QCOMPARE(r.type, CmdRetType_::Ok);
            QCOMPARE(r.value(), result == 1);
        }
    }

    void durations() {
        QCOMPARE(MountAxisUtil::backlashDurationMs(0.5 * kDeg), int64_t(1869));
        QCOMPARE(MountAxisUtil::backlashDurationMs(backlashOf(300)), int64_t(300));
        Rig rig("", 0);
        QCOMPARE(rig.util->moveTimeoutMs(-0.5), int64_t(13000));
        QCOMPARE(rig.util->moveTimeoutMs(kPi), int64_t(55265));
    }

    // The emulated mount: a GoTo is waited for on the injected clock, and a take-up turns the
    // axis by the backlash angle.
    void emulatedAxis() {
        auto log = std::make_shared<CallLog>();
        auto clock = std::make_shared<FakeClock>();
        auto device = std::make_shared<EmlatorKoDevic>();
        auto token = std::make_shared<FakeTCCancellable>(log, clock);
        auto axis = std::make_shared<EmlatorMountAxis>(
            device, token, clock, std::make_shared<MountAxisTimeContainer>(),
            std::make_shared<Location2>(nullptr), std::make_shared<PerMountDataBasic>());
        device->initialize(false, 1);
        axis->initialize();
        axis->setPosition(0, 0);
        axis->setPosition(1, 0);
        auto appCore = std::make_shared<AppCore>(nullptr, nullptr);
        appCore->setBacklashAxis1(0.2 * kDeg);
        MountAxisUtil util(axis, token, appCore);

        const int64_t start = clock->nowMs();
        axis->gotoPosition(0, 0.5);
        axis->gotoPosition(1, -0.2);
        QCOMPARE(util.waitAxesStopped(true), CmdRetType_::Ok);
        // 0.5 rad at the emulator's 10 degrees per second, in 100 ms polls.
        const int64_t took = clock->nowMs() - start;
        QVERIFY2(took >= 2865 && took < 2865 + 100, qPrintable(QString::number(took)));
        const auto p = util.readPositionsRetry();
        QVERIFY(std::fabs(p.value().first - 0.5) < 1e-12 &&
                std::fabs(p.value().second + 0.2) < 1e-12);

        axis->slewAtRate(0, -kSidereal);
        QCOMPARE(util.stopAxes(), CmdRetType_::Ok);
        const double before = util.readPositionsRetry().value().first;
        QVERIFY(util.takeUpBacklashAxis(0, kSidereal).value());
        QCOMPARE(util.stopAxes(), CmdRetType_::Ok);
        const double moved = util.readPositionsRetry().value().first - before;
        const double want = MountAxisUtil::backlashDurationMs(0.2 * kDeg) * kRate / 1000;
        QVERIFY2(std::fabs(moved - want) < 1e-9, qPrintable(QString::number(moved / kDeg)));
        QVERIFY(std::fabs(moved - 0.2 * kDeg) < kRate / 1000); // within one millisecond's travel
    }

    // The limits follow whichever axis object the connection holds, and the pointing model keeps
    // trail points inside them.
    void limits() {
        auto holder = std::make_shared<ConnectedObjContainer<IMountAxis>>();
        auto limits = std::make_shared<MountAxisLimit>(holder);
        QCOMPARE(limits->limits(0), std::make_pair(-DBL_MAX, DBL_MAX));
        auto axis = std::make_shared<FakeMountAxis>(std::make_shared<CallLog>());
        axis->setRange({-200 * kDeg, 200 * kDeg});
        holder->set(axis);
        QCOMPARE(limits->limits(1), std::make_pair(-200 * kDeg, 200 * kDeg));

        CLocation site;
        site.latitudeRad = 40 * kDeg;
        Alignment a(std::make_shared<SharedAlignmentData>(makeDefaultAlignmentData(0, site)),
                    limits);
        const auto normal = a.createTrailPointsStart({0, 0});
        // Axis 1 at -170 degrees takes the turn nearest the reference while that is inside the
        // range.
        auto axis1 = [&](double refDeg) {
            return a.skyToAxesWithStart({-170 * kDeg, 0}, {refDeg * kDeg, 0}, *normal).first / kDeg;
        };
        QVERIFY(std::fabs(axis1(185) - 190) < 1e-9);
        QVERIFY(std::fabs(axis1(-185) + 170) < 1e-9);
        axis->setRange({-180 * kDeg, 180 * kDeg});
        // At or beyond a limit it goes one turn back, and only one.
        QVERIFY(std::fabs(axis1(185) + 170) < 1e-9);
        axis->setRange({-160 * kDeg, 180 * kDeg});
        QVERIFY(std::fabs(axis1(-175) - 190) < 1e-9);

        holder->reset();
        QCOMPARE(limits->limits(0), std::make_pair(-DBL_MAX, DBL_MAX));
    }
};

QTEST_GUILESS_MAIN(TestMountAxisUtil)
#include "tst_mountaxisutil.moc"
