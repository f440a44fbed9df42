#include "mountstackrig.h"

#include "mount/mount.h"

#include <QTest>

#include <cmath>

using namespace Ko;

namespace {

constexpr double kArcMin = kDeg / 60;

} // namespace

class TestMountFeatures : public QObject {
    Q_OBJECT
private slots:
    // The program registers its types at start-up, before any connection thread runs.
    void initTestCase() { qRegisterMetaType<TrailPointsTaskInfo>(); }

    void gotoTolerance_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("version");
        QTest::addColumn<double>("tolerance");
        const int eq = MountMode_::EQ;
        const int az = MountMode_::AZ;
        QTest::newRow("EQ") << eq << 0x002603u << 2 * kArcMin;
        QTest::newRow("AZ") << az << 0x002603u << 5 * kArcMin;
        // The firmware word as received, its bytes swapped: 0x0901 is version 1.09.
        QTest::newRow("old board 0x81 at 1.09") << eq << 0x810901u << 6 * kArcMin;
        QTest::newRow("old board 0x80 at 1.08, AZ") << az << 0x800801u << 6 * kArcMin;
        QTest::newRow("old board 0x82 at 1.09") << eq << 0x820901u << 6 * kArcMin;
        QTest::newRow("board 0x81 at 1.10") << eq << 0x810A01u << 2 * kArcMin;
        QTest::newRow("board 0x81 at 2.09") << az << 0x810902u << 5 * kArcMin;
        QTest::newRow("board 0x83 at 1.09") << eq << 0x830901u << 2 * kArcMin;
        QTest::newRow("board 0x7F at 1.09") << az << 0x7F0901u << 5 * kArcMin;
    }
    void gotoTolerance() {
        QFETCH(int, mode);
        QFETCH(uint, version);
        QFETCH(double, tolerance);
        QVERIFY(std::abs(Mount::gotoToleranceRad(MountMode_::E(mode), version) - tolerance) <
                1e-15);
    }

    void parkUnparkAndHomeOnTheEmulatedMount() {
        StackRig rig;
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        // Counted on this thread: the mount and the toaster report from task threads.
        QObject receiver;
        int parkChanges = 0;
        int homing = 0;
        QStringList toasts;
        QObject::connect(mount.get(), &IMount::parkChanged, &receiver, [&] { ++parkChanges; });
        QObject::connect(mount.get(), &IMount::duringAutoHomeChanged, &receiver, [&] { ++homing; });
        QObject::connect(rig.toasts.get(), &ToastManagerUIStub::shouldToast, &receiver,
                         [&](const QString& text) { toasts << text; });

        // At home on EQ: exactly the reference position is stored.
        mount->parkAsync(true);
        QTRY_VERIFY_WITH_TIMEOUT(mount->parked(), 10000);
        QCOMPARE(rig.perMountData->parkAxisPositions().value(), (std::pair{-kPi / 2, kPi / 2}));
        QCOMPARE(mount->unparkNow(), CmdRetType_::Ok);
        QVERIFY(!mount->parked());
        QVERIFY(!rig.perMountData->parkAxisPositions().hasValue());
        QCOMPARE(mount->unparkNow(), CmdRetType_::Other);
        QTRY_COMPARE(parkChanges, 2);
        QVERIFY(toasts.isEmpty());

        // Parked where it stands; the next motion removes the park data once, with a message.
        mount->parkAsync(false);
        QTRY_VERIFY_WITH_TIMEOUT(mount->parked(), 10000);
        mount->slewAxisAsync(0, 0.001);
        QTRY_VERIFY(!mount->parked());
        mount->slewAxisAsync(0, 0.0);
        mount->slewAxisAsync(1, 0.001);
        mount->slewAxisAsync(1, 0.0);
        QTRY_COMPARE(parkChanges, 4);
        // The message follows the fourth change from the thread that commanded the motion, so it
        // may arrive after it.
        QTRY_COMPARE(toasts, QStringList{QStringLiteral("Hibernate data removed")});
        // A check that nothing more happens: a fifth change would show within this pause at
        // rest; on a loaded machine it may show only later, so the pause can miss a fault but
        // never fail a sound run.
        QTest::qWait(100);
        QCOMPARE(parkChanges, 4);
        QCOMPARE(toasts, QStringList{QStringLiteral("Hibernate data removed")});

        // The emulated mount has no home sensors: homing starts, is stopped, and leaves tracking
        // off.
        QVERIFY(!mount->supportsAutoHome());
        mount->setTrackingEnabled(true);
        mount->autoHomeAsync(0.0);
        QTRY_VERIFY(homing >= 1);
        mount->abortSlewAsync();
        QTRY_COMPARE(homing, 2);
        QTRY_VERIFY(!mount->duringAutoHome());
        QVERIFY(!mount->trackingEnabled());
    }

    // rate in multiples of the sidereal rate; speed -1: refused.
    void guideRateIsTheNearestSpeed_data() {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("speed");
        QTest::addColumn<double>("factor");
        QTest::newRow("sidereal") << 1.0 << int(GuidingSpeed_::Sidereal) << 1.0;
        QTest::newRow("faster than any") << 3.0 << int(GuidingSpeed_::Sidereal) << 1.0;
        QTest::newRow("0.8 is nearest 0.75") << 0.8 << int(GuidingSpeed_::X75) << 0.75;
        QTest::newRow("0.625 ties: the faster") << 0.625 << int(GuidingSpeed_::X75) << 0.75;
        QTest::newRow("0.3") << 0.3 << int(GuidingSpeed_::X25) << 0.25;
        QTest::newRow("0") << 0.0 << int(GuidingSpeed_::X125) << 0.125;
        QTest::newRow("negative") << -0.5 << int(GuidingSpeed_::X125) << 0.125;
        QTest::newRow("not a number") << qQNaN() << -1 << 0.5;
    }
    void guideRateIsTheNearestSpeed() {
        QFETCH(double, rate);
        QFETCH(int, speed);
        QFETCH(double, factor);
        StackRig rig;
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        // A new mount starts at half the sidereal rate on both axes.
        QCOMPARE(rig.appCore->autoguiderRate2(), GuidingSpeed_::X5);

        QCOMPARE(mount->setGuideRate(1, rate * kSiderealRate), speed >= 0);
        if (speed >= 0)
            QCOMPARE(int(rig.appCore->autoguiderRate2()), speed);
        QCOMPARE(mount->guideRate(1), factor * kSiderealRate);
        QCOMPARE(rig.appCore->autoguiderRate1(), GuidingSpeed_::X5);

        mount->setGuidingSpeed(true, GuidingSpeed_::X125).waitForFinished();
        QCOMPARE(mount->guideRate(0), 9.115144806526758e-06);
    }

    void pierSideOfAnAzMount() {
        StackRig rig;
        rig.connectionSettings->setDualModeChoice(DualModeChoice_::UseAZ);
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        const auto side = mount->sideOfPier();
        QCOMPARE(side.type, CmdRetType_::Ok);
        QCOMPARE(side.value(), false);
        QVERIFY(!mount->destinationSideOfPier({1.0, 0.5}));
        QCOMPARE(mount->setSideOfPier(2), CmdRetType_::Ok);
        QVERIFY(!mount->slewToTarget().hasValue());
    }
};

QTEST_MAIN(TestMountFeatures)
#include "tst_mountfeatures.moc"
