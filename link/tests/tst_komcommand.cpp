#include "link/komcommand.h"

#include "base/tests/onthread.h"
#include "link/cmdxutil.h"
#include "link/mountaxistimecontainer.h"
#include "udplinkrig.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <deque>
#include <functional>
#include <future>
#include <numbers>

using namespace Ko;

namespace {

// 2^24 counts per turn keep the count arithmetic of the expected frames readable.
constexpr uint32_t kCommandCpr = 0x1000000;
constexpr double kCommandCount = 2 * std::numbers::pi / kCommandCpr;
constexpr uint32_t kCommandTimer = 64935;

// An application clock that answers from a script: each read takes the next time, the last one
// repeats. Counts its reads so a test can tell when a wait has begun.
class ScriptedClock : public IClock {
public:
    explicit ScriptedClock(std::deque<int64_t> times) : m_times(std::move(times)) {}
    int64_t nowMs() const override {
        std::lock_guard lock(m_mutex);
        ++m_reads;
        const int64_t t = m_times.front();
        if (m_times.size() > 1)
            m_times.pop_front();
        return t;
    }
    int reads() const {
        std::lock_guard lock(m_mutex);
        return m_reads;
    }

private:
    mutable std::mutex m_mutex;
    mutable std::deque<int64_t> m_times;
    mutable int m_reads = 0;
};

// The real device, payload helper and converser stack in front of the fake controller, as the
// mount factory wires them.
struct CommandRig {
    UdpLinkRig rig;
    std::shared_ptr<KoDevice> device = std::make_shared<KoDevice>(rig.converser);
    std::shared_ptr<CmdXUtil> xutil = std::make_shared<CmdXUtil>(rig.converser, device);
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<ControlledCancellable> token = std::make_shared<ControlledCancellable>();
    std::shared_ptr<MountAxisTimeContainer> container = std::make_shared<MountAxisTimeContainer>();
    std::unique_ptr<KoMCommand> cmd;

    // features: the reply to the feature inquiry, read once before the command object exists.
    // Unless readTickRate is false the tick rate is known before the first command.
    explicit CommandRig(bool extended, const std::string& features = "=000000\r",
                        uint32_t tickRate = 1000, bool readTickRate = true) {
        // The classic reply holds 24 bits: 2^24 would arrive as a refused 0.
        rig.scriptController(extended, 0x00, extended ? kCommandCpr : kCommandCpr / 2,
                             kCommandTimer);
        rig.reply(":q1010000", features);
        rig.reply(":X10006", value32(tickRate));
        if (device->initialize(false, 1) != CmdRetType_::Ok || !device->statusEx().isOk())
            throw std::runtime_error("controller script incomplete");
        if (extended && readTickRate && xutil->readTickRate() != CmdRetType_::Ok)
            throw std::runtime_error("no tick rate");
        cmd = std::make_unique<KoMCommand>(rig.converser, device, xutil, clock,
                                           std::make_shared<TCCancellable>(token), container);
        rig.takeSent();
    }
};

QStringList frames(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* f : list)
        out << f;
    return out;
}

const char* const kEmptyTarget = ":X10E"
                                 "0000000000000000"
                                 "00000000"
                                 "00000000";

} // namespace

using CommandOp = std::function<CmdRetType_::E(KoMCommand&)>;
Q_DECLARE_METATYPE(CommandOp)

class TestKoMCommand : public QObject {
    Q_OBJECT

private slots:
    void initializeOnExtendedFirmwareWithDualEncoders() {
        CommandRig x(true, "=010000\r", 1000, false);
        // 65536 counts of 2^24 is 1/256 turn: a 256th of a sidereal day (86164.0905 s, IERS).
        x.rig.reply(":s1", value24(65536));
        x.rig.reply(":W1050000", "=\r");
        x.rig.reply(":W2050000", "=\r");
        x.rig.reply(":X10503", "=\r");
        x.rig.reply(kEmptyTarget, "=000000200000001000000000000000000102\r");
        int fired = 0;
        x.container->changed.append([&] { ++fired; });
        x.clock->set(4242);

        QCOMPARE(x.cmd->initialize(), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(),
                 frames({":s1", ":W1050000", ":W2050000", ":X10006", ":X10503", kEmptyTarget}));
        QVERIFY(std::abs(x.cmd->pePeriodSec() - 86164.0905 / 256) < 0.01);
        QCOMPARE(x.cmd->lastEnableDualEncoders(0), false);
        QCOMPARE(x.cmd->lastEnableDualEncoders(1), false);
        QCOMPARE(x.cmd->lastTargetStatus(), uint16_t(0x0102));
        QVERIFY(x.cmd->supportsExtended());
        QVERIFY(!x.cmd->supportsPpec());
        // The status probe also reports where the axes are.
        QCOMPARE(x.container->get(0), (AxisAngleTime{32 * kCommandCount, 4242}));
        QCOMPARE(x.container->get(1), (AxisAngleTime{16 * kCommandCount, 4242}));
        QCOMPARE(fired, 1);
    }

    void initializeOnClassicFirmware() {
        CommandRig x(false, "=020000\r");
        x.rig.reply(":s1", "!0\r");
        QCOMPARE(x.cmd->initialize(), CmdRetType_::Ok);
        // No dual encoders and no extended commands: only the period is asked for.
        QCOMPARE(x.rig.takeSent(), frames({":s1"}));
        QCOMPARE(x.cmd->pePeriodSec(), 0.0);
        QCOMPARE(x.cmd->lastEnableDualEncoders(1), false);
        QVERIFY(x.cmd->supportsPpec());
        QVERIFY(!x.cmd->supportsExtended());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.cmd->lastTargetStatus());
    }

    void initializeStopsAtTheFirstFailure_data() {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<bool>("hasPeriod");
        QTest::newRow("period") << ":s1" << frames({":s1"}) << false;
        QTest::newRow("axis 2 encoders")
            << ":W2050000" << frames({":s1", ":W1050000", ":W2050000"}) << true;
        QTest::newRow("stop") << ":X10503"
                              << frames({":s1", ":W1050000", ":W2050000", ":X10006", ":X10503"})
                              << true;
    }
    void initializeStopsAtTheFirstFailure() {
        QFETCH(QString, refused);
        QFETCH(QStringList, sent);
        QFETCH(bool, hasPeriod);
        CommandRig x(true, "=010000\r", 1000, false);
        x.rig.reply(":s1", value24(65536));
        x.rig.reply(":W1050000", "=\r");
        x.rig.reply(":W2050000", "=\r");
        x.rig.reply(":X10503", "=\r");
        x.rig.reply(refused.toStdString(), "\r");
        // A reply that is neither accepted nor refused.
        QCOMPARE(x.cmd->initialize(), CmdRetType_::Other);
        QCOMPARE(x.rig.takeSent(), sent);
        if (hasPeriod)
            QVERIFY(x.cmd->pePeriodSec() > 0);
        else
            QVERIFY_THROWS_EXCEPTION(std::logic_error, x.cmd->pePeriodSec());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.cmd->lastTargetStatus());
    }

    void commandFrames_data() {
        QTest::addColumn<CommandOp>("op");
        QTest::addColumn<QStringList>("sent");
        auto row = [](const char* name, QStringList sent, CommandOp op) {
            QTest::newRow(name) << op << sent;
        };
        row("dual encoders on, axis 1", {":W1040000"},
            [](KoMCommand& c) { return c.setEnableDualEncoders(0, true); });
        row("dual encoders off, axis 2", {":W2050000"},
            [](KoMCommand& c) { return c.setEnableDualEncoders(1, false); });
        row("guiding 0.125x", {":W14"},
            [](KoMCommand& c) { return c.setGuidingSpeed(0, GuidingSpeed_::X125); });
        row("guiding 0.25x", {":W23"},
            [](KoMCommand& c) { return c.setGuidingSpeed(1, GuidingSpeed_::X25); });
        row("guiding 0.5x", {":W12"},
            [](KoMCommand& c) { return c.setGuidingSpeed(0, GuidingSpeed_::X5); });
        row("guiding 0.75x", {":W11"},
            [](KoMCommand& c) { return c.setGuidingSpeed(0, GuidingSpeed_::X75); });
        row("guiding sidereal", {":W20"},
            [](KoMCommand& c) { return c.setGuidingSpeed(1, GuidingSpeed_::Sidereal); });
        row("guiding, unknown value as 0.125x", {":W14"},
            [](KoMCommand& c) { return c.setGuidingSpeed(0, GuidingSpeed_::E(9)); });
        row("polar LED above full", {":V1FF", ":V2FF"},
            [](KoMCommand& c) { return c.setPolarLEDBrightness(1.7); });
        row("polar LED below off", {":V100", ":V200"},
            [](KoMCommand& c) { return c.setPolarLEDBrightness(-0.2); });
        row("polar LED half rounds up", {":V180", ":V280"},
            [](KoMCommand& c) { return c.setPolarLEDBrightness(0.5); });
        row("polar LED NaN is off", {":V100", ":V200"},
            [](KoMCommand& c) { return c.setPolarLEDBrightness(std::nan("")); });
        row("start training", {":W1000000"}, [](KoMCommand& c) { return c.setPpecTraining(true); });
        row("stop training", {":W1010000"}, [](KoMCommand& c) { return c.setPpecTraining(false); });
        row("playback on", {":W1020000"}, [](KoMCommand& c) { return c.setPpecPlayback(true); });
        row("playback off", {":W1030000"}, [](KoMCommand& c) { return c.setPpecPlayback(false); });
        row("stop extended motion", {":X10503"},
            [](KoMCommand& c) { return c.stopExtendedMotion(); });
    }
    void commandFrames() {
        QFETCH(CommandOp, op);
        QFETCH(QStringList, sent);
        CommandRig x(true);
        for (const auto& f : sent)
            x.rig.reply(f.toStdString(), "=\r");
        QCOMPARE(op(*x.cmd), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), sent);
    }

    void polarLedSkipsAxis2WhenAxis1Refuses() {
        CommandRig x(false);
        x.rig.reply(":V1FF", "!2\r");
        x.rig.reply(":V2FF", "=\r");
        QCOMPARE(x.cmd->setPolarLEDBrightness(1.0), CmdRetType_::Nak);
        QCOMPARE(x.rig.takeSent(), frames({":V1FF"}));

        x.rig.reply(":V1FF", "=\r");
        x.rig.reply(":V2FF", "!2\r");
        QCOMPARE(x.cmd->setPolarLEDBrightness(1.0), CmdRetType_::Nak);
        QCOMPARE(x.rig.takeSent(), frames({":V1FF", ":V2FF"}));
    }

    void cachesChangeOnlyOnOk() {
        CommandRig x(false);
        int training = 0, playback = 0;
        x.cmd->ppecTrainingChanged.append([&] { ++training; });
        x.cmd->ppecPlaybackChanged.append([&] { ++playback; });

        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.cmd->lastEnableDualEncoders(0));
        x.rig.reply(":W1040000", "=\r");
        QCOMPARE(x.cmd->setEnableDualEncoders(0, true), CmdRetType_::Ok);
        QCOMPARE(x.cmd->lastEnableDualEncoders(0), true);
        x.rig.reply(":W1050000", "!0\r");
        QCOMPARE(x.cmd->setEnableDualEncoders(0, false), CmdRetType_::Nak);
        QCOMPARE(x.cmd->lastEnableDualEncoders(0), true);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.cmd->lastEnableDualEncoders(1));

        x.rig.reply(":W1000000", "!0\r");
        QCOMPARE(x.cmd->setPpecTraining(true), CmdRetType_::Nak);
        QCOMPARE(x.cmd->lastPpecTraining(), false);
        QCOMPARE(training, 0);
        x.rig.reply(":W1000000", "=\r");
        QCOMPARE(x.cmd->setPpecTraining(true), CmdRetType_::Ok);
        QCOMPARE(x.cmd->lastPpecTraining(), true);
        QCOMPARE(training, 1);

        x.rig.reply(":W1020000", "\r");
        QCOMPARE(x.cmd->setPpecPlayback(true), CmdRetType_::Other);
        QCOMPARE(x.cmd->lastPpecPlayback(), false);
        QCOMPARE(playback, 0);
        x.rig.reply(":W1020000", "=\r");
        QCOMPARE(x.cmd->setPpecPlayback(true), CmdRetType_::Ok);
        QCOMPARE(x.cmd->lastPpecPlayback(), true);
        QCOMPARE(playback, 1);
        QCOMPARE(training, 1);
    }

    void ppecStateSeededFromDeviceAndFiredOnChange() {
        // The device already knows that training runs (first digit 1); the object takes that over
        // without asking the mount.
        CommandRig x(false, "=120000\r");
        QCOMPARE(x.cmd->lastPpecTraining(), true);
        QCOMPARE(x.cmd->lastPpecPlayback(), false);
        QVERIFY(x.rig.takeSent().isEmpty());

        int training = 0, playback = 0;
        x.cmd->ppecTrainingChanged.append([&] { ++training; });
        x.cmd->ppecPlaybackChanged.append([&] { ++playback; });

        // Training ended, playback started: both lists fire once.
        x.rig.reply(":q1010000", "=220000\r");
        auto r = x.cmd->updatePpecTraining();
        QCOMPARE(r.type, CmdRetType_::Ok);
        QCOMPARE(r.value(), false);
        QCOMPARE(x.cmd->lastPpecTraining(), false);
        QCOMPARE(x.cmd->lastPpecPlayback(), true);
        QCOMPARE(training, 1);
        QCOMPARE(playback, 1);

        // The same state again fires nothing.
        r = x.cmd->updatePpecPlayback();
        QCOMPARE(r.value(), true);
        QCOMPARE(training, 1);
        QCOMPARE(playback, 1);

        // Only training changes.
        x.rig.reply(":q1010000", "=320000\r");
        QCOMPARE(x.cmd->updatePpecTraining().value(), true);
        QCOMPARE(training, 2);
        QCOMPARE(playback, 1);

        // Any status read of the device counts, not only the object's own.
        x.rig.reply(":q1010000", "=020000\r");
        QCOMPARE(x.device->readStatusEx().type, CmdRetType_::Ok);
        QCOMPARE(training, 3);
        QCOMPARE(playback, 2);
        QCOMPARE(x.rig.takeSent(), frames({":q1010000", ":q1010000", ":q1010000", ":q1010000"}));

        // A failed read carries no value and changes nothing.
        x.rig.reply(":q1010000", "!0\r");
        r = x.cmd->updatePpecPlayback();
        QCOMPARE(r.type, CmdRetType_::Nak);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, r.value());
        QCOMPARE(x.cmd->lastPpecPlayback(), false);
        QCOMPARE(training + playback, 5);
    }

    void ppecListsDetachWithTheObject() {
        CommandRig x(false);
        int fired = 0;
        x.cmd->ppecTrainingChanged.append([&] { ++fired; });
        x.cmd.reset();
        x.rig.reply(":q1010000", "=120000\r");
        QCOMPARE(x.device->readStatusEx().type, CmdRetType_::Ok);
        QCOMPARE(fired, 0);
        QVERIFY(x.device->changed.empty());
    }

    void readMountClock_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("ms");
        // At 1000 ticks per second a tick is a millisecond.
        QTest::newRow("time") << "=00000020FFFFFFF00000000012345678\r" << int(CmdRetType_::Ok)
                              << qint64(0x12345678);
        QTest::newRow("one digit short")
            << "=00000020FFFFFFF0000000001234567\r" << int(CmdRetType_::Other) << qint64(-1);
        QTest::newRow("lower-case digit")
            << "=00000020fFFFFFF00000000012345678\r" << int(CmdRetType_::Other) << qint64(-1);
        QTest::newRow("bad digit in time")
            << "=00000020FFFFFFF0000000001234567G\r" << int(CmdRetType_::Other) << qint64(-1);
        QTest::newRow("refused") << "!0\r" << int(CmdRetType_::Nak) << qint64(-1);
    }
    void readMountClock() {
        QFETCH(QString, reply);
        QFETCH(int, type);
        QFETCH(qint64, ms);
        CommandRig x(true);
        x.rig.reply(":X10F00000000", reply.toStdString());
        const auto r = x.cmd->readMountClock();
        QCOMPARE(int(r.type), type);
        QCOMPARE(r.hasValue, ms >= 0);
        if (ms >= 0)
            QCOMPARE(r.value(), uint64_t(ms));
        QCOMPARE(x.rig.takeSent(), frames({":X10F00000000"}));
    }

    void syncMountClockSendsTheTimeTwice() {
        CommandRig x(true);
        // 1700000000000 ms at 1000 ticks/s is 0x18BCFE56800 ticks (low 16 bits 0x6800, far from a
        // wrap), written least significant byte first.
        const char* const frame = ":X10B0068E5CF8B010000";
        x.rig.reply(frame, "=\r");
        x.clock->set(50);
        const auto r = x.cmd->syncMountClock(
            std::make_shared<ScriptedClock>(std::deque<int64_t>{1700000000000}));
        QCOMPARE(r.type, CmdRetType_::Ok);
        // The own clock stood still, so the round trip took no time.
        QCOMPARE(r.value(), uint32_t(0));
        QCOMPARE(x.rig.takeSent(), frames({frame, frame}));

        // A refusal still counts as synchronised.
        x.rig.reply(frame, "!3\r");
        QCOMPARE(x.cmd
                     ->syncMountClock(
                         std::make_shared<ScriptedClock>(std::deque<int64_t>{1700000000000}))
                     .type,
                 CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), frames({frame, frame}));
    }

    void syncMountClockFailures() {
        CommandRig x(true);
        const char* const frame = ":X10B0068E5CF8B010000";
        x.rig.reply(frame, "garbage\r");
        auto r = x.cmd->syncMountClock(
            std::make_shared<ScriptedClock>(std::deque<int64_t>{1700000000000}));
        QCOMPARE(r.type, CmdRetType_::Other);
        QVERIFY(!r.hasValue);
        // The second pass only follows a successful first one.
        QCOMPARE(x.rig.takeSent(), frames({frame}));

        x.rig.fake.clearReplies();
        r = x.cmd->syncMountClock(
            std::make_shared<ScriptedClock>(std::deque<int64_t>{1700000000000}));
        QCOMPARE(r.type, CmdRetType_::Timeout);
        QCOMPARE(x.rig.takeSent(), frames({frame}));
    }

    void syncMountClockWaitsOutATickWrap() {
        // At 100000 ticks/s the 9984 ticks before a wrap take 99 ms.
        CommandRig x(true, "=000000\r", 100000);
        // 1700000010000 ms is 0x9A9D35ABE240 ticks, low 16 bits 0xE240: inside the guard, so the
        // step waits and reads the time again; 1700000000000 ms is 0x9A9D359CA000, clear of it.
        auto app =
            std::make_shared<ScriptedClock>(std::deque<int64_t>{1700000010000, 1700000000000});
        const char* const frame = ":X10B00A09C359D9A0000";
        x.rig.reply(frame, "=\r");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(x.cmd->syncMountClock(app).type, CmdRetType_::Ok);
        QVERIFY(timer.elapsed() >= 95);
        QCOMPARE(app->reads(), 3);
        QCOMPARE(x.rig.takeSent(), frames({frame, frame}));
    }

    void syncMountClockWaitEndsOnCancel() {
        // 1700000029000 ms at 1000 ticks/s has low 16 bits 0xD948, just inside the guard: the wait
        // would last 9984 ms and the time never moves on.
        CommandRig x(true);
        auto app = std::make_shared<ScriptedClock>(std::deque<int64_t>{1700000029000});
        QElapsedTimer timer;
        timer.start();
        auto done = onThread([&] { return x.cmd->syncMountClock(app); });
        QTRY_VERIFY(app->reads() >= 1);
        x.token->cancel();
        // The cancel ends the wait at once (no measurable time at rest); the bounds only tell it
        // from a wait of the whole 9984 ms, leaving a loaded machine seconds.
        QCOMPARE(done.wait_for(std::chrono::seconds(9)), std::future_status::ready);
        const auto r = done.get();
        QCOMPARE(r.type, CmdRetType_::Cancel);
        QVERIFY(!r.hasValue);
        QVERIFY(timer.elapsed() < 9500);
        QVERIFY(x.rig.takeSent().isEmpty());
    }

    void tickedOperationsWithoutTickRate_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<CommandOp>("op");
        const CommandOp read = [](KoMCommand& c) { return c.readMountClock().type; };
        const CommandOp sync = [](KoMCommand& c) {
            return c.syncMountClock(std::make_shared<ScriptedClock>(std::deque<int64_t>{1})).type;
        };
        const CommandOp target = [](KoMCommand& c) {
            return c.sendTimedTarget(250, {kCommandCount, kCommandCount}, {}, nullptr, nullptr,
                                     nullptr);
        };
        const CommandOp status = [](KoMCommand& c) {
            uint16_t free = 0;
            return c.readTargetStatus(&free);
        };
        QTest::newRow("classic: read clock") << false << read;
        QTest::newRow("classic: sync clock") << false << sync;
        QTest::newRow("classic: timed target") << false << target;
        QTest::newRow("classic: target status") << false << status;
        QTest::newRow("extended, not initialised: read clock") << true << read;
        QTest::newRow("extended, not initialised: sync clock") << true << sync;
        QTest::newRow("extended, not initialised: timed target") << true << target;
    }
    // Callers such as the remote-control servers reach these on any firmware: they get a failure,
    // never an exception, and the mount hears nothing.
    void tickedOperationsWithoutTickRate() {
        QFETCH(bool, extended);
        QFETCH(CommandOp, op);
        CommandRig x(extended, "=000000\r", 1000, false);
        x.rig.reply(":X10F00000000", "=00000020FFFFFFF00000000012345678\r");
        QCOMPARE(op(*x.cmd), CmdRetType_::Other);
        QCOMPARE(x.rig.takeSent(), QStringList());
    }

    void addPositionOffset_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("type");
        // Offsets of +256 and -2 counts travel least significant byte first; the resulting counts
        // come back most significant byte first.
        QTest::newRow("result") << "=00000100,FFFFFFFE\r" << int(CmdRetType_::Ok);
        QTest::newRow("18 characters") << "=00000100,FFFFFFF\r" << int(CmdRetType_::Other);
        QTest::newRow("bad digit") << "=0000010X,FFFFFFFE\r" << int(CmdRetType_::Other);
        QTest::newRow("refused") << "!1\r" << int(CmdRetType_::Nak);
    }
    void addPositionOffset() {
        QFETCH(QString, reply);
        QFETCH(int, type);
        CommandRig x(true);
        const char* const frame = ":X10A00010000FEFFFFFF";
        x.rig.reply(frame, reply.toStdString());
        // Offsets between counts go to the nearest count.
        const auto r = x.cmd->addPositionOffset({256.3 * kCommandCount, -1.7 * kCommandCount});
        QCOMPARE(int(r.type), type);
        QCOMPARE(r.hasValue, type == int(CmdRetType_::Ok));
        if (r.hasValue) {
            QVERIFY(std::abs(r.value().first - 256 * kCommandCount) < 1e-15);
            QVERIFY(std::abs(r.value().second - -2 * kCommandCount) < 1e-15);
        }
        QCOMPARE(x.rig.takeSent(), frames({frame}));
    }

    void sendTimedTargetWithRatesFillsEveryOut() {
        CommandRig x(true);
        int fired = 0;
        x.container->changed.append([&] { ++fired; });
        // 250 ms is 0xFA ticks; angles of 16 and -1 counts; rates of one count per second each way,
        // with ten fractional bits.
        const char* const withRates = ":X10D"
                                      "00000000000000FA"
                                      "00000010"
                                      "FFFFFFFF"
                                      "00000400"
                                      "FFFFFC00";
        x.rig.reply(withRates, "=00000020FFFFFFF000000000000003E80102\r");
        x.clock->set(777);
        std::pair<double, double> angles;
        uint64_t time = 0;
        uint16_t status = 0;
        QCOMPARE(x.cmd->sendTimedTarget(250, {16 * kCommandCount, -kCommandCount},
                                        std::pair{kCommandCount, -kCommandCount}, &angles, &time,
                                        &status),
                 CmdRetType_::Ok);
        QVERIFY(std::abs(angles.first - 32 * kCommandCount) < 1e-15);
        QVERIFY(std::abs(angles.second - -16 * kCommandCount) < 1e-15);
        QCOMPARE(time, uint64_t(1000));
        QCOMPARE(status, uint16_t(0x0102));
        QCOMPARE(x.container->get(0), (AxisAngleTime{angles.first, 777}));
        QCOMPARE(x.container->get(1), (AxisAngleTime{angles.second, 777}));
        QCOMPARE(fired, 1);

        // Without rates the other sub-command carries the shorter payload; the out pointers are
        // optional.
        const char* const noRates = ":X10E"
                                    "00000000000007D0"
                                    "00000000"
                                    "00000001";
        x.rig.reply(noRates, "=0000000100000002000000000000000000FF\r");
        QCOMPARE(x.cmd->sendTimedTarget(2000, {0.0, kCommandCount}, {}, nullptr, nullptr, &status),
                 CmdRetType_::Ok);
        QCOMPARE(status, uint16_t(0x00FF));
        QCOMPARE(x.container->get(1).angle, 2 * kCommandCount);

        QCOMPARE(x.cmd->readTargetStatus(&status), CmdRetType_::Timeout);
        QCOMPARE(x.rig.takeSent(), frames({withRates, noRates, kEmptyTarget}));
    }

    void sendTimedTargetRejectsMalformedReplies() {
        CommandRig x(true);
        int fired = 0;
        x.container->changed.append([&] { ++fired; });
        uint16_t status = 7;
        for (const char* reply :
             {"=00000020FFFFFFF000000000000003E8010\r", "=00000020FFFFFFF000000000000003E801020\r",
              "=00000020FFFFFFF000000000000003E801Z2\r"}) {
            x.rig.reply(kEmptyTarget, reply);
            QCOMPARE(x.cmd->readTargetStatus(&status), CmdRetType_::Other);
        }
        x.rig.reply(kEmptyTarget, "!0\r");
        QCOMPARE(x.cmd->readTargetStatus(&status), CmdRetType_::Nak);
        QCOMPARE(status, uint16_t(7));
        QCOMPARE(fired, 0);
    }
};

QTEST_GUILESS_MAIN(TestKoMCommand)
#include "tst_komcommand.moc"
