#include "link/emkomcommand.h"
#include "link/emlatorkodevic.h"
#include "link/emlatormountaxis.h"

#include "base/cancellable.h"
#include "base/location2.h"
#include "base/tests/fakeclock.h"
#include "link/mountaxistimecontainer.h"
#include "link/permountdatabasic.h"

#include <QTest>

#include <atomic>
#include <cmath>
#include <limits>
#include <numbers>
#include <thread>

using namespace Ko;

namespace {

constexpr double kGotoRate = 10 * std::numbers::pi / 180; // 10 degrees per second
constexpr double kMaxSlew = 3.4 * std::numbers::pi / 180;

// The emulated device, axes and clock as the mount factory wires them for an emulated mount.
struct EmulatorAxisRig {
    std::shared_ptr<EmlatorKoDevic> device = std::make_shared<EmlatorKoDevic>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<MountAxisTimeContainer> container = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<PerMountDataBasic> perMount = std::make_shared<PerMountDataBasic>();
    std::shared_ptr<EmlatorMountAxis> axis;

    explicit EmulatorAxisRig(uint32_t offsetMode = 1, double factor = 1.0) {
        perMount->setSpeedFineAdjustmentFactor(factor);
        axis = std::make_shared<EmlatorMountAxis>(
            device, std::make_shared<TCCancellable>(std::make_shared<NullCancellable>()), clock,
            container, std::make_shared<Location2>(nullptr), perMount);
        device->initialize(false, offsetMode);
        axis->initialize();
    }
    double position(AXISID a) { return axis->readPosition(a).value(); }
};

} // namespace

class TestEmulator : public QObject {
    Q_OBJECT

private slots:
    void deviceAnswers() {
        EmlatorKoDevic d;
        int changed = 0;
        d.changed.append([&] { ++changed; });
        QVERIFY(!d.isInitialized());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.version(0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.features());
        // Stands in for the status the real controller caches; asking early must not end the
        // program.
        QCOMPARE(d.lastStatusEx(), uint16_t(0));

        QCOMPARE(d.initialize(true, 1), CmdRetType_::Ok);
        QVERIFY(d.isInitialized());
        QCOMPARE(d.version(0), uint32_t(0xFFFFFF));
        QCOMPARE(d.modelId(), uint8_t(0xFF));
        // One axis only: axis 2 was never asked.
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.version(1));
        QCOMPARE(d.readVersion(1).value(), uint32_t(0xFFFFFF));

        const auto ex = d.statusEx();
        QCOMPARE(ex.type, CmdRetType_::Ok);
        QVERIFY(ex.value().dualEncoders);
        QVERIFY(!ex.value().ppec);
        QVERIFY(!ex.value().autoHome);
        QVERIFY(ex.value().feature3);
        QVERIFY(ex.value().polarScopeLed);
        QVERIFY(!ex.value().feature5 && !ex.value().feature6);
        QCOMPARE(d.features(), DeviceFeatures::DualEncodersBit | DeviceFeatures::DualModeBit |
                                   DeviceFeatures::PolarScopeLedBit);
        QCOMPARE(changed, 1);
        // Read once, then cached.
        QVERIFY(d.statusEx().isOk());
        QCOMPARE(changed, 1);
        QCOMPARE(d.readStatusEx().value(), uint16_t(0));
        QCOMPARE(d.lastStatusEx(), uint16_t(0));
        QVERIFY(d.supportsExtended());

        // Every axis reports itself not initialised, so the mount positions it after connecting.
        QCOMPARE(d.lastStatus(1).initFlag, uint8_t(1));
        QCOMPARE(d.lastStatus(1).motion, uint32_t(0));
    }

    void deviceAxisOffset() {
        EmlatorKoDevic d;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, d.applyAxisOffset(0, 1.0));
        QCOMPARE(d.applyAxisOffset(1, 1.0), 1.0);
        QCOMPARE(d.initialize(false, 0), CmdRetType_::Ok);
        QCOMPARE(d.applyAxisOffset(0, 1.0), 1.0 + 1.5707963267948966);
        QCOMPARE(d.removeAxisOffset(0, 1.0), 1.0 - 1.5707963267948966);
        QCOMPARE(d.applyAxisOffset(1, 1.0), 1.0);
        // Initialised once: a later call keeps the first offset mode.
        QCOMPARE(d.initialize(false, 1), CmdRetType_::Ok);
        QCOMPARE(d.applyAxisOffset(0, 0.0), 1.5707963267948966);

        EmlatorKoDevic modeOne;
        modeOne.initialize(false, 1);
        QCOMPARE(modeOne.applyAxisOffset(0, 0.25), 0.25);
        QCOMPARE(modeOne.removeAxisOffset(0, 0.25), 0.25);
    }

    void axisNeedsAnInitialisedDevice() {
        auto device = std::make_shared<EmlatorKoDevic>();
        EmlatorMountAxis axis(device, nullptr, std::make_shared<FakeClock>(),
                              std::make_shared<MountAxisTimeContainer>(), nullptr,
                              std::make_shared<PerMountDataBasic>());
        QCOMPARE(axis.initialize(), CmdRetType_::Other);
        device->initialize(false, 1);
        QCOMPARE(axis.initialize(), CmdRetType_::Ok);
        QCOMPARE(axis.initialize(), CmdRetType_::Ok);
    }

    void unpositionedAxis() {
        EmulatorAxisRig x;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.axis->readPosition(0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.axis->readPositions());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.axis->gotoPosition(1, 1.0));
        // Nothing moves, so stopping is harmless.
        QCOMPARE(x.axis->stop(1), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastStatus(1).motion, uint32_t(0));
        QVERIFY(!x.axis->lastRate(1).hasValue());
        QVERIFY(!x.axis->lastDirection(1).hasValue());
    }

    void gotoPartWayAndExactArrival() {
        EmulatorAxisRig x;
        int commanded = 0;
        x.axis->motionCommanded.append([&] { ++commanded; });
        QCOMPARE(x.axis->setPosition(1, 0.0), CmdRetType_::Ok);
        x.axis->assumeRate(1, -0.001);
        QCOMPARE(x.axis->gotoPosition(1, 1.0), CmdRetType_::Ok);
        QCOMPARE(commanded, 1);
        QCOMPARE(x.axis->lastStatus(1).motion, uint32_t(2));
        QVERIFY(!x.axis->lastRate(1).hasValue());
        QCOMPARE(x.axis->lastDirection(1).value(), true);

        // Half a radian after 2.8648 s at 10 degrees per second.
        x.clock->advance(2865);
        const double partWay = x.position(1);
        QVERIFY(std::abs(partWay - 0.5) < 1e-4);
        QVERIFY(std::abs(partWay - 2.865 * kGotoRate) < 1e-12);
        QCOMPARE(x.axis->readStatus(1).value().motion, uint32_t(2));

        // Past the target: the read lands on it exactly and the axis stands there.
        x.clock->set(1000 + 6000);
        QVERIFY(x.position(1) == 1.0);
        QCOMPARE(x.axis->lastStatus(1).motion, uint32_t(0));
        QCOMPARE(x.container->get(1), (AxisAngleTime{1.0, 7000}));
        x.clock->advance(60000);
        QVERIFY(x.position(1) == 1.0);
        QCOMPARE(x.axis->readStatus(1).value().motion, uint32_t(0));
    }

    void gotoBackwardsWithTheAxisOffset() {
        // Offset mode 0 shifts axis 1 internally by a quarter turn; callers never see it.
        EmulatorAxisRig x(0);
        x.axis->setPosition(0, 0.5);
        QVERIFY(std::abs(x.position(0) - 0.5) < 1e-15);
        QCOMPARE(x.axis->gotoPosition(0, -0.5), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastDirection(0).value(), false);
        x.clock->advance(1000);
        QVERIFY(std::abs(x.position(0) - (0.5 - kGotoRate)) < 1e-12);
        x.clock->advance(4730);
        QVERIFY(std::abs(x.position(0) - -0.5) < 1e-15);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(0));
    }

    void gotoToTheCurrentPositionChangesNothing() {
        EmulatorAxisRig x;
        x.axis->setPosition(0, 0.75);
        x.axis->assumeRate(0, 0.002);
        QCOMPARE(x.axis->gotoPosition(0, 0.75), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(0));
        QCOMPARE(x.axis->lastRate(0).value(), 0.002);
        x.clock->advance(5000);
        QVERIFY(x.position(0) == 0.75);
    }

    void slewRates_data() {
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("moved");
        // Ten seconds of motion.
        QTest::newRow("clamped to 3.4 deg/s") << 1.0 << 0.1 << 10 * kMaxSlew;
        QTest::newRow("clamped negative") << 1.0 << -0.1 << -10 * kMaxSlew;
        QTest::newRow("factor 1.2") << 1.2 << 0.01 << 10 * 0.012;
        QTest::newRow("factor 3 acts as 1.5") << 3.0 << 0.01 << 10 * 0.015;
        QTest::newRow("factor 0.1 acts as 0.5") << 0.1 << -0.01 << -10 * 0.005;
        QTest::newRow("factor NaN acts as 1") << std::nan("") << 0.01 << 10 * 0.01;
        QTest::newRow("clamp after the factor") << 1.5 << 0.05 << 10 * kMaxSlew;
    }
    void slewRates() {
        QFETCH(double, factor);
        QFETCH(double, rate);
        QFETCH(double, moved);
        EmulatorAxisRig x(1, factor);
        int commanded = 0;
        x.axis->motionCommanded.append([&] { ++commanded; });
        x.axis->setPosition(0, 2.0);
        QCOMPARE(x.axis->slewAtRate(0, rate), CmdRetType_::Ok);
        QCOMPARE(commanded, 1);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(1));
        QCOMPARE(x.axis->lastDirection(0).value(), rate > 0);
        x.clock->advance(10000);
        QVERIFY(std::abs(x.position(0) - (2.0 + moved)) < 1e-12);
        // A slew has no end of its own.
        x.clock->advance(10000);
        QVERIFY(std::abs(x.position(0) - (2.0 + 2 * moved)) < 1e-12);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(1));
    }

    void tinySlewOnlyStops() {
        EmulatorAxisRig x;
        x.axis->setPosition(1, 0.0);
        x.axis->slewAtRate(1, 0.01);
        x.clock->advance(3000);
        QCOMPARE(x.axis->slewAtRate(1, 5e-8), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastStatus(1).motion, uint32_t(0));
        x.clock->advance(3000);
        QVERIFY(std::abs(x.position(1) - 0.03) < 1e-12);
        QCOMPARE(x.axis->slewAtRate(1, -5e-8), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastStatus(1).motion, uint32_t(0));
        QVERIFY(std::abs(x.position(1) - 0.03) < 1e-12);
        // The direction of the last real motion stays.
        QCOMPARE(x.axis->lastDirection(1).value(), true);
    }

    void stopAndSetPositionHold() {
        EmulatorAxisRig x;
        x.axis->setPosition(0, 1.0);
        x.axis->slewAtRate(0, -0.02);
        x.clock->advance(2000);
        QCOMPARE(x.axis->stop(0), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(0));
        x.clock->advance(2000);
        QVERIFY(std::abs(x.position(0) - 0.96) < 1e-12);

        // Setting the position of a moving axis stops it there.
        x.axis->gotoPosition(0, 3.0);
        x.clock->advance(1000);
        QCOMPARE(x.axis->setPosition(0, -1.0), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(0));
        x.clock->advance(10000);
        QVERIFY(x.position(0) == -1.0);

        // A new slew starts from where the axis stands.
        x.axis->slewAtRate(0, 0.01);
        x.clock->advance(1000);
        QVERIFY(std::abs(x.position(0) - -0.99) < 1e-12);
    }

    void readsPublishIntoTheContainer() {
        EmulatorAxisRig x;
        int fired = 0;
        x.container->changed.append([&] { ++fired; });
        x.clock->set(5000);
        x.axis->setPosition(0, 0.1);
        QCOMPARE(fired, 1);
        QCOMPARE(x.axis->lastPosition(0), (AxisAngleTime{0.1, 5000}));
        x.axis->setPosition(1, 0.2);
        x.axis->slewAtRate(1, 0.01);
        x.clock->set(7000);
        fired = 0;
        const auto both = x.axis->readPositions();
        QCOMPARE(both.type, CmdRetType_::Ok);
        QCOMPARE(both.value().first, 0.1);
        QVERIFY(std::abs(both.value().second - 0.22) < 1e-12);
        QCOMPARE(fired, 1);
        QCOMPARE(x.axis->lastPosition(0), (AxisAngleTime{0.1, 7000}));
        QCOMPARE(x.axis->lastPosition(1), (AxisAngleTime{both.value().second, 7000}));
    }

    void unmodelledAxisOperations() {
        EmulatorAxisRig x;
        x.axis->setPosition(0, 0.0);
        QCOMPARE(x.axis->gotoPositionAtRate(0, 1.0, 0.01), CmdRetType_::Other);
        const auto home = x.axis->readHomeSensorPosition(0);
        QCOMPARE(home.type, CmdRetType_::Cancel);
        QVERIFY(!home.hasValue);

        // Input that would poison the motion model is refused and changes nothing.
        const double nan = std::nan("");
        const double inf = std::numeric_limits<double>::infinity();
        QCOMPARE(x.axis->setPosition(0, nan), CmdRetType_::Other);
        QCOMPARE(x.axis->gotoPosition(0, inf), CmdRetType_::Other);
        QCOMPARE(x.axis->slewAtRate(0, nan), CmdRetType_::Other);
        QCOMPARE(x.axis->lastStatus(0).motion, uint32_t(0));
        x.clock->advance(1000);
        QVERIFY(x.position(0) == 0.0);
    }

    void axisIsSafeAcrossThreads() {
        EmulatorAxisRig x;
        x.axis->setPosition(0, 0.0);
        x.axis->setPosition(1, 0.0);
        std::atomic<bool> done{false};
        std::atomic<int> outside{0};
        std::atomic<int> reads{0};

        // The periodic read and the container's readers on their own threads ...
        std::thread reader([&] {
            while (!done) {
                const auto r = x.axis->readPositions();
                for (double a : {r.value().first, r.value().second})
                    if (!(a >= -1.0 && a <= 1.0))
                        ++outside;
                const auto last = x.axis->lastPosition(0);
                if (!(last.angle >= -1.0 && last.angle <= 1.0))
                    ++outside;
                ++reads;
            }
        });
        std::thread ticker([&] {
            while (!done) {
                x.clock->advance(3);
                std::this_thread::yield();
            }
        });
        // ... while a GoTo task drives both axes back and forth between -1 and 1 rad.
        for (int i = 0; i < 3000; ++i) {
            const double target = (i % 2) ? 1.0 : -1.0;
            QCOMPARE(x.axis->gotoPosition(AXISID(i % 2), target), CmdRetType_::Ok);
            x.axis->readStatus(AXISID(i % 2));
            if (i % 7 == 0)
                x.axis->stop(AXISID(i % 2));
        }
        QTRY_VERIFY(reads.load() > 100);
        done = true;
        reader.join();
        ticker.join();
        QCOMPARE(outside.load(), 0);
    }

    void commandFixedAnswers() {
        auto clock = std::make_shared<FakeClock>();
        clock->set(1700000000123);
        EmKoMCommand c(clock);
        // The emulated mount's clock is the application's.
        QCOMPARE(c.readMountClock().value(), uint64_t(1700000000123));
        const auto sync = c.syncMountClock(clock);
        QCOMPARE(sync.type, CmdRetType_::Ok);
        QVERIFY(!sync.hasValue);
        uint16_t status = 9;
        QCOMPARE(c.sendTimedTarget(5, {0.1, 0.2}, {}, nullptr, nullptr, &status),
                 CmdRetType_::Cancel);
        QCOMPARE(c.readTargetStatus(&status), CmdRetType_::Cancel);
        QCOMPARE(status, uint16_t(9));
    }

    void trainingEndsByItself() {
        auto clock = std::make_shared<FakeClock>();
        EmKoMCommand c(clock);
        int fired = 0;
        c.ppecTrainingChanged.append([&] { ++fired; });
        QCOMPARE(c.lastPpecTraining(), false);
        clock->set(1000);
        QCOMPARE(c.setPpecTraining(true), CmdRetType_::Ok);
        QCOMPARE(fired, 1);
        QCOMPARE(c.setPpecTraining(true), CmdRetType_::Ok);
        QCOMPARE(fired, 1);

        clock->set(16000);
        QCOMPARE(c.updatePpecTraining().value(), true);
        QCOMPARE(c.lastPpecTraining(), true);
        clock->set(16001);
        QCOMPARE(c.lastPpecTraining(), true);
        QCOMPARE(c.updatePpecTraining().value(), false);
        QCOMPARE(c.lastPpecTraining(), false);
        QCOMPARE(fired, 2);
        clock->advance(60000);
        QCOMPARE(c.updatePpecTraining().value(), false);
        QCOMPARE(fired, 2);

        // A new training runs its own full period.
        QCOMPARE(c.setPpecTraining(true), CmdRetType_::Ok);
        clock->advance(15000);
        QCOMPARE(c.updatePpecTraining().value(), true);
        clock->advance(1);
        QCOMPARE(c.updatePpecTraining().value(), false);
        QCOMPARE(fired, 4);
    }

    void trainingStoppedByHandStaysQuiet() {
        auto clock = std::make_shared<FakeClock>();
        EmKoMCommand c(clock);
        int fired = 0;
        c.ppecTrainingChanged.append([&] { ++fired; });
        c.setPpecTraining(true);
        clock->advance(5000);
        QCOMPARE(c.setPpecTraining(false), CmdRetType_::Ok);
        QCOMPARE(fired, 2);
        clock->advance(20000);
        QCOMPARE(c.updatePpecTraining().value(), false);
        QCOMPARE(fired, 2);
    }

    void playbackFiresOnlyOnChange() {
        EmKoMCommand c(std::make_shared<FakeClock>());
        int fired = 0;
        c.ppecPlaybackChanged.append([&] { ++fired; });
        QCOMPARE(c.setPpecPlayback(false), CmdRetType_::Ok);
        QCOMPARE(fired, 0);
        QCOMPARE(c.setPpecPlayback(true), CmdRetType_::Ok);
        QCOMPARE(fired, 1);
        QCOMPARE(c.lastPpecPlayback(), true);
        QCOMPARE(c.updatePpecPlayback().value(), true);
        QCOMPARE(c.setPpecPlayback(true), CmdRetType_::Ok);
        QCOMPARE(fired, 1);
        QCOMPARE(c.setPpecPlayback(false), CmdRetType_::Ok);
        QCOMPARE(fired, 2);
    }

    void offsetsAccumulate() {
        EmKoMCommand c(std::make_shared<FakeClock>());
        auto r = c.addPositionOffset({0.1, 0.2});
        QCOMPARE(r.type, CmdRetType_::Ok);
        QCOMPARE(r.value(), (std::pair{0.1, 0.2}));
        r = c.addPositionOffset({0.1, 0.2});
        QCOMPARE(r.value(), (std::pair{0.2, 0.4}));
        r = c.addPositionOffset({-0.2, 0.1});
        QCOMPARE(r.value().first, 0.0);
        QVERIFY(std::abs(r.value().second - 0.5) < 1e-15);
    }
};

QTEST_GUILESS_MAIN(TestEmulator)
#include "tst_emulator.moc"
