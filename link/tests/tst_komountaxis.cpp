#include "link/komountaxis.h"

#include "base/location2.h"
#include "base/tests/datarow.h"
#include "link/cmdxutil.h"
#include "link/permountdatabasic.h"
#include "link/tests/udplinkrig.h"

#include <QRegularExpression>
#include <QTest>

#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

using namespace Ko;

namespace {

constexpr uint32_t kAxisCpr = 9024000;
constexpr uint32_t kAxisTimer = 64935;
constexpr double kAxisSidereal = 7.292115845221407e-05;
constexpr double kAxisCount = 2 * std::numbers::pi / kAxisCpr;
// Step periods at 9024000 counts per turn and 64935 ticks/s: 64935 x 2pi / 9024000 = 0.045212
// rad/s per tick, so sidereal takes 620.02 ticks, 2x 310.01 and 3x 206.67.
const char* const kPeriod1x = "6C0200";
const char* const kPeriod2x = "360100";
const char* const kPeriod3x = "CF0000";

struct AxisRig {
    UdpLinkRig rig;
    std::shared_ptr<KoDevice> device = std::make_shared<KoDevice>(rig.converser);
    std::shared_ptr<ControlledCancellable> token = std::make_shared<ControlledCancellable>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<MountAxisTimeContainer> container = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<Location2> location = std::make_shared<Location2>(nullptr);
    std::shared_ptr<PerMountDataBasic> perMount = std::make_shared<PerMountDataBasic>();
    std::shared_ptr<KoMountAxis> axis;
    // What the axes' initialize sent after the device's own reads.
    QStringList initializeSent;
    std::atomic<int> restarts{0};

    // axis2Status: the status replies axis 2 gives in turn from the connection on.
    explicit AxisRig(bool extended, const char* version = nullptr, uint32_t timer = kAxisTimer,
                     std::vector<std::string> axis2Status = {"=101\r"}) {
        rig.status->set(1, std::move(axis2Status));
        rig.scriptController(extended, 0x00, kAxisCpr, timer);
        if (version) {
            rig.reply(":e1", version);
            rig.reply(":e2", version);
        }
        rig.reply(":g1", value24(16));
        rig.reply(":g2", value24(16));
        for (const char* ok : {":G110", ":G111", ":G130", ":G131", ":G112", ":G113", ":G120",
                               ":G121", ":G100", ":G101", ":G103", ":J1", ":K1", ":L1", ":J2",
                               ":K2", ":M1AC0D00", ":W1080000", ":X2020000000000000000"})
            rig.reply(ok, "=\r");
        axis = std::make_shared<KoMountAxis>(
            rig.converser, device, std::make_shared<CmdXUtil>(rig.converser, device),
            std::make_shared<TCCancellable>(token), clock, container, location, perMount);
        axis->controllerRestarted.append([this] { ++restarts; });
        if (device->initialize(false, 1) != CmdRetType_::Ok)
            throw std::runtime_error("controller script incomplete");
        rig.takeSent();
        if (axis->initialize() != CmdRetType_::Ok)
            throw std::runtime_error("controller script incomplete");
        initializeSent = rig.takeSent();
    }

    // Accepts any step period on axis 1.
    void acceptPeriod(const char* hex) { rig.reply(std::string(":I1") + hex, "=\r"); }
    void at(int32_t counts) { rig.reply(":j1", value24(static_cast<uint32_t>(counts) + 0x800000)); }
};

bool near(double a, double b) {
    return std::abs(a - b) < 1e-12;
}

} // namespace

class TestKoMountAxis : public QObject {
    Q_OBJECT

private slots:
    void initializeNeedsAnInitialisedDevice() {
        UdpLinkRig rig;
        rig.scriptController(true, 0x00, kAxisCpr, kAxisTimer);
        auto device = std::make_shared<KoDevice>(rig.converser);
        KoMountAxis axis(rig.converser, device, std::make_shared<CmdXUtil>(rig.converser, device),
                         std::make_shared<TCCancellable>(std::make_shared<NullCancellable>()),
                         std::make_shared<FakeClock>(), std::make_shared<MountAxisTimeContainer>(),
                         std::make_shared<Location2>(nullptr),
                         std::make_shared<PerMountDataBasic>());
        QCOMPARE(axis.initialize(), CmdRetType_::Other);
        QVERIFY(!axis.isExtendedPositionMode());
        QCOMPARE(device->initialize(false, 1), CmdRetType_::Ok);
        QCOMPARE(axis.initialize(), CmdRetType_::Ok);
        QVERIFY(axis.isExtendedPositionMode());
    }

    void positionReadsPublishAngleAndTime() {
        for (bool extended : {false, true}) {
            AxisRig x(extended);
            int fired = 0;
            x.container->changed.append([&] { ++fired; });
            if (extended)
                x.rig.reply(":X10003", value32(0xFFFFFFFF));
            else
                x.at(-1);
            x.clock->set(5000);
            const auto r = x.axis->readPosition(0);
            QCOMPARE(r.type, CmdRetType_::Ok);
            QVERIFY(near(r.value(), -kAxisCount));
            QCOMPARE(x.axis->lastPosition(0).timeMs, int64_t(5000));
            QCOMPARE(x.axis->lastPosition(0).angle, r.value());
            QCOMPARE(fired, 1);
            // The status read at connection is old by then: it is read again first.
            QCOMPARE(x.rig.takeSent(), (QStringList{":f1", extended ? ":X10003" : ":j1"}));
        }
    }

    void readPositionsStoresNothingUnlessBothSucceed() {
        AxisRig x(false);
        int fired = 0;
        x.container->changed.append([&] { ++fired; });
        x.at(1000);
        x.rig.reply(":j2", "!0\r");
        x.clock->set(7000);
        QCOMPARE(x.axis->readPositions().type, CmdRetType_::Nak);
        QCOMPARE(x.axis->lastPosition(0), AxisAngleTime{});
        QCOMPARE(fired, 0);

        x.rig.reply(":j2", value24(0x800000 - 2000));
        const auto r = x.axis->readPositions();
        QCOMPARE(r.type, CmdRetType_::Ok);
        QVERIFY(near(r.value().first, 1000 * kAxisCount));
        QVERIFY(near(r.value().second, -2000 * kAxisCount));
        QCOMPARE(x.axis->lastPosition(1), (AxisAngleTime{r.value().second, 7000}));
        QCOMPARE(fired, 1);
        QCOMPARE(x.rig.takeSent(), (QStringList{":f1", ":j1", ":f2", ":j2", ":j1", ":j2"}));
    }

    void setPosition() {
        AxisRig classic(false);
        classic.rig.reply(":E1000080", "=\r");
        classic.rig.reply(":E1030080", "!0\r");
        classic.clock->set(9000);
        QCOMPARE(classic.axis->setPosition(0, 0.0), CmdRetType_::Ok);
        QCOMPARE(classic.axis->lastPosition(0), (AxisAngleTime{0.0, 9000}));
        // A refused set leaves the published position alone.
        QCOMPARE(classic.axis->setPosition(0, 3 * kAxisCount), CmdRetType_::Nak);
        QCOMPARE(classic.axis->lastPosition(0), (AxisAngleTime{0.0, 9000}));
        QCOMPARE(classic.rig.takeSent(), (QStringList{":E1000080", ":E1030080"}));

        AxisRig extended(true);
        extended.rig.reply(":X201FFFFFFFF", "=\r");
        QCOMPARE(extended.axis->setPosition(1, -kAxisCount), CmdRetType_::Ok);
        QCOMPARE(extended.axis->lastPosition(1).angle, -kAxisCount);
        QCOMPARE(extended.rig.takeSent(), QStringList{":X201FFFFFFFF"});
    }

    void positionRange() {
        AxisRig classic(false);
        auto [lo, hi] = classic.axis->positionRange(1);
        QVERIFY(near(lo, -8388608.0 / kAxisCpr * 2 * std::numbers::pi));
        QVERIFY(near(hi, 8388607.0 / kAxisCpr * 2 * std::numbers::pi));

        AxisRig extended(true);
        std::tie(lo, hi) = extended.axis->positionRange(0);
        QVERIFY(std::abs(lo - -2147483648.0 / kAxisCpr * 2 * std::numbers::pi) < 1e-9);
        QVERIFY(std::abs(hi - 2147483647.0 / kAxisCpr * 2 * std::numbers::pi) < 1e-9);
    }

    void classicSlewSequences() {
        AxisRig x(false);
        x.acceptPeriod(kPeriod2x);
        x.acceptPeriod(kPeriod3x);
        int commanded = 0;
        x.axis->motionCommanded.append([&] { ++commanded; });

        // First start: make sure the axis stands, set the mode, read the ratio once, run.
        QCOMPARE(x.axis->slewAtRate(0, 2 * kAxisSidereal), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(),
                 (QStringList{":f1", ":G110", ":g1", QString(":I1") + kPeriod2x, ":J1"}));
        QCOMPARE(x.axis->lastDirection(0).value(), true);

        // Faster, same way, still slow: only the period changes, on the running axis.
        QCOMPARE(x.axis->slewAtRate(0, 3 * kAxisSidereal), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), QStringList{QString(":I1") + kPeriod3x});

        // Reversing stops and waits for the stop first.
        x.rig.status->set(0, {"=111\r", "=111\r", "=101\r"});
        QCOMPARE(x.axis->slewAtRate(0, -2 * kAxisSidereal), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), (QStringList{":f1", ":K1", ":f1", ":f1", ":G111",
                                                QString(":I1") + kPeriod2x, ":J1"}));
        QCOMPARE(x.axis->lastDirection(0).value(), false);

        // A near-zero rate only stops.
        QCOMPARE(x.axis->slewAtRate(0, 5e-8), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), QStringList{":K1"});
        x.axis->setInstantStop(true);
        QCOMPARE(x.axis->slewAtRate(0, 0.0), CmdRetType_::Ok);
        QCOMPARE(x.axis->stop(0), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), (QStringList{":L1", ":L1"}));
        QCOMPARE(commanded, 5);

        // 1 rad/s is clamped to 3.4 deg/s and runs in the fast mode at a sixteenth of that:
        // 0.0037088 rad/s, 12.19 ticks.
        x.acceptPeriod("0C0000");
        QCOMPARE(x.axis->slewAtRate(0, 1.0), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), (QStringList{":f1", ":G130", ":I10C0000", ":J1"}));

        // A controller that reports a high-speed ratio of 0 gets no fast period at all.
        x.rig.reply(":g2", value24(0));
        x.rig.reply(":G230", "=\r");
        QCOMPARE(x.axis->slewAtRate(1, 1.0), CmdRetType_::Other);
        QCOMPARE(x.rig.takeSent(), (QStringList{":f2", ":G230", ":g2"}));
    }

    void slowSlewStartsAtTheDividedOrSlowPeriod_data() {
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("timer");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("period");
        dataRow("factor 1", 1.0, 0.5, "", int(kAxisTimer), 2 * kAxisSidereal, "10", kPeriod2x);
        dataRow("factor 3 acts as 1.5", 3.0, 0.5, "", int(kAxisTimer), 2 * kAxisSidereal, "10",
                kPeriod3x);
        dataRow("factor 0.1 acts as 0.5", 0.1, 0.5, "", int(kAxisTimer), 2 * kAxisSidereal, "10",
                kPeriod1x);
        dataRow("factor NaN acts as 1", std::nan(""), 0.5, "", int(kAxisTimer), 2 * kAxisSidereal,
                "10", kPeriod2x);
        dataRow("southern, positive", 1.0, -0.5, "", int(kAxisTimer), 2 * kAxisSidereal, "12",
                kPeriod2x);
        dataRow("southern, negative", 1.0, -0.5, "", int(kAxisTimer), -2 * kAxisSidereal, "13",
                kPeriod2x);
        // Firmware 06.01 on boards 0x00 and 0x01 runs three ticks slow: 310 - 3 = 0x133.
        dataRow("firmware 06.01 board 0x01", 1.0, 0.5, "=010601\r", int(kAxisTimer),
                2 * kAxisSidereal, "10", "330100");
        dataRow("firmware 06.01 board 0x02", 1.0, 0.5, "=010602\r", int(kAxisTimer),
                2 * kAxisSidereal, "10", kPeriod2x);
        // A period beyond 24 bits would wrap into a fast rate; it stays at the longest one.
        dataRow("longest period", 1.0, 0.5, "", 0xFFFFFF, 1e-7, "10", "FFFFFF");
    }
    void slowSlewStartsAtTheDividedOrSlowPeriod() {
        QFETCH(double, factor);
        QFETCH(double, latitude);
        QFETCH(QString, version);
        QFETCH(int, timer);
        QFETCH(double, rate);
        QFETCH(QString, mode);
        QFETCH(QString, period);
        const std::string v = version.toStdString();
        AxisRig x(false, v.empty() ? nullptr : v.c_str(), uint32_t(timer));
        x.perMount->setSpeedFineAdjustmentFactor(factor);
        CLocation site;
        site.latitudeRad = latitude;
        x.location->setLocation(site);
        x.rig.reply(":G1" + mode.toStdString(), "=\r");
        x.acceptPeriod(period.toLatin1().constData());
        QCOMPARE(x.axis->slewAtRate(0, rate), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(),
                 (QStringList{":f1", ":G1" + mode, ":g1", ":I1" + period, ":J1"}));
    }

    void classicSlewFailureForgetsTheRate() {
        AxisRig x(false);
        x.acceptPeriod(kPeriod2x);
        QCOMPARE(x.axis->slewAtRate(0, 2 * kAxisSidereal), CmdRetType_::Ok);
        x.rig.takeSent();

        // The period is refused: the axis may run at anything now, so the next slew starts afresh.
        x.rig.reply(std::string(":I1") + kPeriod3x, "!0\r");
        QCOMPARE(x.axis->slewAtRate(0, 3 * kAxisSidereal), CmdRetType_::Nak);
        QCOMPARE(x.axis->lastDirection(0).value(), true);
        x.acceptPeriod(kPeriod3x);
        QCOMPARE(x.axis->slewAtRate(0, 3 * kAxisSidereal), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), (QStringList{QString(":I1") + kPeriod3x, ":f1", ":G110",
                                                QString(":I1") + kPeriod3x, ":J1"}));

        // A failure the other way round also forgets the direction.
        x.rig.reply(":G111", "!0\r");
        QCOMPARE(x.axis->slewAtRate(0, -3 * kAxisSidereal), CmdRetType_::Nak);
        QVERIFY(!x.axis->lastDirection(0).hasValue());
    }

    void stopAndWaitEndsOnCancel() {
        AxisRig x(false);
        x.rig.status->set(0, {"=111\r"});
        CmdRetType_::E result = CmdRetType_::Ok;
        std::thread worker([&] { result = x.axis->slewAtRate(0, 2 * kAxisSidereal); });
        QVERIFY(x.rig.fake.waitForRequests(4, 10000));
        x.token->cancel();
        worker.join();
        QCOMPARE(result, CmdRetType_::Cancel);
        const QStringList sent = x.rig.takeSent();
        QCOMPARE(sent.mid(0, 3), (QStringList{":f1", ":K1", ":f1"}));
        QCOMPARE(sent.filter(QRegularExpression("^:[GIJ]")), QStringList{});
        QVERIFY(!x.axis->lastDirection(0).hasValue());
    }

    void extendedSlewAndStop() {
        AxisRig x(true);
        // Ten counts per second: 10240 in the rate word's fixed point.
        x.rig.reply(":X1020000000000002800", "=\r");
        x.rig.reply(":X102FFFFFFFFFFFFD800", "=\r");
        x.rig.reply(":X1020000000000000000", "=\r");
        QCOMPARE(x.axis->slewAtRate(0, 10 * kAxisCount), CmdRetType_::Ok);
        x.perMount->setSpeedFineAdjustmentFactor(0.5);
        QCOMPARE(x.axis->slewAtRate(0, -20 * kAxisCount), CmdRetType_::Ok);
        QCOMPARE(x.axis->slewAtRate(0, 0.0), CmdRetType_::Ok);
        QCOMPARE(x.axis->stop(0), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), (QStringList{":X1020000000000002800", ":X102FFFFFFFFFFFFD800",
                                                ":X1020000000000000000", ":X1020000000000000000"}));
    }

    void classicGotoSequences_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QStringList>("frames");
        dataRow("slow, positive", 0, 1000, 0.5,
                QStringList{":f1", ":j1", ":G120", ":H1E80300", ":M1AC0D00", ":J1"});
        // 100000 counts is 0.0696 rad, more than 640 x sidereal: fast.
        dataRow("fast, negative", 50000, -50000, 0.5,
                QStringList{":f1", ":j1", ":G101", ":H1A08601", ":M1AC0D00", ":J1"});
        dataRow("fast, negative, southern", 50000, -50000, -0.5,
                QStringList{":f1", ":j1", ":G103", ":H1A08601", ":M1AC0D00", ":J1"});
        QTest::newRow("already there") << 0 << 0 << 0.5 << QStringList{":f1", ":j1"};
    }
    void classicGotoSequences() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(double, latitude);
        QFETCH(QStringList, frames);
        AxisRig x(false);
        CLocation site;
        site.latitudeRad = latitude;
        x.location->setLocation(site);
        x.rig.reply(":H1E80300", "=\r");
        x.rig.reply(":H1A08601", "=\r");
        x.at(from);
        x.axis->assumeRate(0, kAxisSidereal);
        int commanded = 0;
        x.axis->motionCommanded.append([&] { ++commanded; });

        QCOMPARE(x.axis->gotoPosition(0, to * kAxisCount), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), frames);
        QCOMPARE(commanded, 1);
        QVERIFY(!x.axis->lastRate(0).hasValue());
        QCOMPARE(x.axis->lastDirection(0).value(), to > from);
        QVERIFY(near(x.axis->lastPosition(0).angle, from * kAxisCount));
    }

    void gotoWaitsForTheAxisToStop() {
        AxisRig x(false);
        x.rig.reply(":H1E80300", "=\r");
        x.rig.reply(":M1AC0D00", "!0\r");
        x.at(0);
        x.rig.status->set(0, {"=211\r", "=101\r"});
        QCOMPARE(x.axis->gotoPosition(0, 1000 * kAxisCount), CmdRetType_::Nak);
        QCOMPARE(x.rig.takeSent(),
                 (QStringList{":f1", ":K1", ":f1", ":j1", ":G120", ":H1E80300", ":M1AC0D00"}));
        QVERIFY(!x.axis->lastDirection(0).hasValue());
    }

    // An axis found moving at connection is stopped there; initialize returns once the controller
    // reports it still.
    void initializeStopsAnAxisFoundMoving_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QStringList>("status");
        QTest::addColumn<QStringList>("sent");
        dataRow("classic, at rest", false, QStringList{"=101"}, QStringList{});
        dataRow("classic, slewing, three reads to rest", false,
                QStringList{"=111", "=111", "=111", "=101"},
                QStringList{":K2", ":f2", ":f2", ":f2"});
        dataRow("extended, going to a target", true, QStringList{"=011", "=011", "=001"},
                QStringList{":X2020000000000000000", ":f2", ":f2"});
    }
    void initializeStopsAnAxisFoundMoving() {
        QFETCH(bool, extended);
        QFETCH(QStringList, status);
        QFETCH(QStringList, sent);
        std::vector<std::string> replies;
        for (const QString& r : status)
            replies.push_back(r.toStdString() + "\r");
        AxisRig x(extended, nullptr, kAxisTimer, replies);
        QCOMPARE(x.initializeSent, sent);
        QCOMPARE(x.axis->readStatus(1).value().motion, 0u);
        QCOMPARE(x.restarts.load(), 0);
    }

    // A controller that restarted (an axis seen initialised reports itself not initialised) is
    // moved no more: it would go from its reset counters. After an unanswered exchange, or after
    // a while without a status read, an axis reads its status before it moves; a link that only
    // dropped out moves on, and a fresh status costs nothing.
    void restartedControllerIsNotMoved_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<bool>("dropOut");
        QTest::addColumn<int>("idleMs");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("result");
        const QString extendedGoto = ":X204000003E80000000000000000";
        dataRow("extended, restarted during a drop-out", true, true, 0, "=100", QStringList{":f2"},
                int(CmdRetType_::Other));
        dataRow("extended, drop-out only", true, true, 0, "=101", QStringList{":f2", extendedGoto},
                int(CmdRetType_::Ok));
        dataRow("extended, status fresh", true, false, 2000, "=101", QStringList{extendedGoto},
                int(CmdRetType_::Ok));
        dataRow("extended, restarted while idle", true, false, 2001, "=100", QStringList{":f2"},
                int(CmdRetType_::Other));
        dataRow("extended, idle, same controller", true, false, 60000, "=101",
                QStringList{":f2", extendedGoto}, int(CmdRetType_::Ok));
        dataRow("classic, restarted", false, false, 0, "=100", QStringList{":f2"},
                int(CmdRetType_::Other));
    }
    void restartedControllerIsNotMoved() {
        QFETCH(bool, extended);
        QFETCH(bool, dropOut);
        QFETCH(int, idleMs);
        QFETCH(QString, status);
        QFETCH(QStringList, sent);
        QFETCH(int, result);
        AxisRig x(extended);
        x.rig.reply(":X204000003E80000000000000000", "=\r");
        if (dropOut) {
            x.rig.fake.setSilent(true);
            QCOMPARE(x.axis->readPosition(0).type, CmdRetType_::Timeout);
            x.rig.fake.setSilent(false);
        }
        x.clock->advance(idleMs);
        x.rig.status->set(1, {status.toStdString() + "\r"});
        x.rig.takeSent();
        QCOMPARE(int(x.axis->gotoPosition(1, 1000 * kAxisCount)), result);
        QCOMPARE(x.rig.takeSent(), sent);
        const bool restarted = result != int(CmdRetType_::Ok);
        QCOMPARE(x.restarts.load(), restarted ? 1 : 0);
        if (!restarted)
            return;
        // Once for good: no motion on either axis, no second notice; a stop still goes out.
        QCOMPARE(x.axis->slewAtRate(0, 10 * kAxisSidereal), CmdRetType_::Other);
        QCOMPARE(x.axis->gotoPosition(1, 1000 * kAxisCount), CmdRetType_::Other);
        QVERIFY(x.rig.takeSent().isEmpty());
        QCOMPARE(x.axis->readStatus(1).type, CmdRetType_::Ok);
        QCOMPARE(x.restarts.load(), 1);
        if (!extended) {
            QCOMPARE(x.axis->stop(1), CmdRetType_::Ok);
            QCOMPARE(x.rig.takeSent(), (QStringList{":f2", ":K2"}));
        }
    }

    // The periodic position read while the mount only tracks is what sees a restart then: its
    // counters back at home are not taken as a position, and nothing reads one afterwards.
    void positionReadSeesARestart_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("idleMs");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("result");
        dataRow("classic, restarted while tracking", false, 2001, "=100", QStringList{":f1"},
                int(CmdRetType_::Other));
        dataRow("classic, status fresh", false, 2000, "=100", QStringList{":j1"},
                int(CmdRetType_::Ok));
        dataRow("extended, restarted while tracking", true, 2001, "=100", QStringList{":f1"},
                int(CmdRetType_::Other));
        dataRow("extended, same controller", true, 60000, "=101", QStringList{":f1", ":X10003"},
                int(CmdRetType_::Ok));
    }
    void positionReadSeesARestart() {
        QFETCH(bool, extended);
        QFETCH(int, idleMs);
        QFETCH(QString, status);
        QFETCH(QStringList, sent);
        QFETCH(int, result);
        AxisRig x(extended);
        if (extended)
            x.rig.reply(":X10003", value32(0));
        else
            x.at(0);
        const int64_t before = x.axis->lastPosition(0).timeMs;
        x.clock->advance(idleMs);
        x.rig.status->set(0, {status.toStdString() + "\r"});
        QCOMPARE(int(x.axis->readPosition(0).type), result);
        QCOMPARE(x.rig.takeSent(), sent);
        const bool restarted = result != int(CmdRetType_::Ok);
        QCOMPARE(x.restarts.load(), restarted ? 1 : 0);
        QCOMPARE(x.axis->lastPosition(0).timeMs, restarted ? before : x.clock->nowMs());
        if (!restarted)
            return;
        QCOMPARE(x.axis->readPositions().type, CmdRetType_::Other);
        QVERIFY(x.rig.takeSent().isEmpty());
        QCOMPARE(x.restarts.load(), 1);
    }

    // Every way a restart can be learnt on the road to a motion of axis 2, with its status
    // fresh: the status read of the stop that a classic slew makes first, and the status read
    // that a command lost on the link (a stop that timed out) makes due before the next motion.
    // Once the restart is known, stops, by rate 0 too, still go out; motions do not.
    // before: "" nothing, "stop lost" a stop unanswered on a silent link, "restart seen" a status
    // read that saw the restart. motion: "slew", "goto" or "rate 0".
    void restartOnTheWayToAMotion_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("result");
        const QString extendedGoto = ":X204000003E80000000000000000";
        const int ok = CmdRetType_::Ok, other = CmdRetType_::Other;
        dataRow("classic slew: the stop's status read sees it", false, "", "=100", "slew",
                QStringList{":f2"}, other);
        dataRow("extended GoTo after a lost stop reads the status first", true, "stop lost", "=100",
                "goto", QStringList{":f2"}, other);
        dataRow("extended GoTo after a lost stop, same controller", true, "stop lost", "=101",
                "goto", QStringList{":f2", extendedGoto}, ok);
        dataRow("classic stop by rate 0 after a restart", false, "restart seen", "=100", "rate 0",
                QStringList{":K2"}, ok);
        dataRow("extended stop by rate 0 after a restart", true, "restart seen", "=100", "rate 0",
                QStringList{":X2020000000000000000"}, ok);
    }
    void restartOnTheWayToAMotion() {
        QFETCH(bool, extended);
        QFETCH(QString, before);
        QFETCH(QString, status);
        QFETCH(QString, motion);
        QFETCH(QStringList, sent);
        QFETCH(int, result);
        AxisRig x(extended);
        x.rig.reply(":X204000003E80000000000000000", "=\r");
        if (before == "stop lost") {
            x.rig.fake.setSilent(true);
            QCOMPARE(x.axis->stop(1), CmdRetType_::Timeout);
            x.rig.fake.setSilent(false);
        }
        x.rig.status->set(1, {status.toStdString() + "\r"});
        if (before == "restart seen") {
            QCOMPARE(x.axis->readStatus(1).type, CmdRetType_::Ok);
            QCOMPARE(x.restarts.load(), 1);
        }
        x.rig.takeSent();
        CmdRetType_::E r = CmdRetType_::Ok;
        if (motion == "slew")
            r = x.axis->slewAtRate(1, 2 * kAxisSidereal);
        else if (motion == "goto")
            r = x.axis->gotoPosition(1, 1000 * kAxisCount);
        else
            r = x.axis->slewAtRate(1, 0.0);
        QCOMPARE(int(r), result);
        QCOMPARE(x.rig.takeSent(), sent);
        QCOMPARE(x.restarts.load(), status == "=100" ? 1 : 0);
    }

    void extendedGoto() {
        AxisRig x(true);
        x.rig.reply(":X204000003E80000000000000000", "=\r");
        x.axis->assumeRate(1, kAxisSidereal);
        QCOMPARE(x.axis->gotoPosition(1, 1000 * kAxisCount), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), QStringList{":X204000003E80000000000000000"});
        QVERIFY(!x.axis->lastRate(1).hasValue());
        QCOMPARE(x.axis->lastDirection(1).value(), true);
    }

    void gotoAtRateScalesTheRate() {
        AxisRig x(true);
        x.perMount->setSpeedFineAdjustmentFactor(1.5);
        // -20 counts/s x 1.5 = -30 counts/s: -30720 in the rate word.
        x.rig.reply(":X104FFFFFC18FFFFFFFFFFFF8800", "=\r");
        int commanded = 0;
        x.axis->motionCommanded.append([&] { ++commanded; });
        QCOMPARE(x.axis->gotoPositionAtRate(0, -1000 * kAxisCount, -20 * kAxisCount),
                 CmdRetType_::Ok);
        QCOMPARE(commanded, 1);
        QCOMPARE(x.axis->lastDirection(0).value(), false);
        x.rig.reply(":X10400000000FFFFFFFFFFFF8800", "!0\r");
        QCOMPARE(x.axis->gotoPositionAtRate(0, 0.0, -20 * kAxisCount), CmdRetType_::Nak);
        QVERIFY(!x.axis->lastDirection(0).hasValue());
    }

    void assumedRatesAndDirections() {
        AxisRig x(false);
        QVERIFY(!x.axis->lastRate(1).hasValue());
        QVERIFY(!x.axis->lastDirection(1).hasValue());
        x.axis->assumeRate(1, -0.001);
        QCOMPARE(x.axis->lastRate(1).value(), -0.001);
        QCOMPARE(x.axis->lastDirection(1).value(), false);
        x.axis->assumeRate(1, 0.0);
        QCOMPARE(x.axis->lastRate(1).value(), 0.0);
        QCOMPARE(x.axis->lastDirection(1).value(), false);
        QVERIFY(!x.axis->lastRate(0).hasValue());

        // A commanded slew is not an assumed rate.
        x.rig.reply(":G210", "=\r");
        x.rig.reply(":I2360100", "=\r");
        QCOMPARE(x.axis->slewAtRate(1, 2 * kAxisSidereal), CmdRetType_::Ok);
        QCOMPARE(x.axis->lastRate(1).value(), 0.0);
        QCOMPARE(x.axis->lastDirection(1).value(), true);
        // Assuming the rate it runs at lets the next slow change keep it running.
        x.axis->assumeRate(1, 2 * kAxisSidereal);
        x.rig.takeSent();
        x.rig.reply(":I2CF0000", "=\r");
        QCOMPARE(x.axis->slewAtRate(1, 3 * kAxisSidereal), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent(), QStringList{":I2CF0000"});
    }

    void homeSensor_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hasPosition");
        QTest::addColumn<double>("counts");
        QTest::addColumn<bool>("hasFlag");
        QTest::addColumn<bool>("flag");
        dataRow("classic, captured", false, "=E80380\r", int(CmdRetType_::Ok), true, 1000.0, false,
                false);
        dataRow("classic, top of range", false, "=FFFFFF\r", int(CmdRetType_::Ok), false, 0.0, true,
                true);
        dataRow("classic, refused", false, "!0\r", int(CmdRetType_::Nak), false, 0.0, false, false);
        dataRow("extended, captured", true, "=FFFFFC18\r", int(CmdRetType_::Ok), true, -1000.0,
                false, false);
        dataRow("extended, top", true, "=7FFFFFFF\r", int(CmdRetType_::Ok), false, 0.0, true, true);
        dataRow("extended, bottom", true, "=80000000\r", int(CmdRetType_::Ok), false, 0.0, true,
                false);
    }
    void homeSensor() {
        QFETCH(bool, extended);
        QFETCH(QString, reply);
        QFETCH(int, type);
        QFETCH(bool, hasPosition);
        QFETCH(double, counts);
        QFETCH(bool, hasFlag);
        QFETCH(bool, flag);
        AxisRig x(extended);
        x.rig.reply(extended ? ":X2000B" : ":q2000000", reply.toStdString());
        x.rig.reply(":W2080000", "=\r");
        const auto r = x.axis->readHomeSensorPosition(1);
        QCOMPARE(int(r.type), type);
        QCOMPARE(r.hasValue, type == int(CmdRetType_::Ok));
        if (r.hasValue) {
            QCOMPARE(r.value().position.hasValue(), hasPosition);
            if (hasPosition)
                QVERIFY(near(r.value().position.value(), counts * kAxisCount));
            QCOMPARE(r.value().hasFlag, hasFlag);
            QCOMPARE(r.value().flag, flag);
            QCOMPARE(r.value().sensorActive(), hasFlag && flag);
        }
        QCOMPARE(x.axis->resetHomeSensor(1), CmdRetType_::Ok);
        QCOMPARE(x.rig.takeSent().last(), QString(":W2080000"));

        // Home sensors are a feature of the controller.
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.axis->supportsAutoHome());
        x.rig.reply(":q1010000", extended ? "=040000\r" : "=030000\r");
        QCOMPARE(x.device->statusEx().type, CmdRetType_::Ok);
        QCOMPARE(x.axis->supportsAutoHome(), extended);
    }

    void rejectsNonFiniteInput() {
        AxisRig x(false);
        QCOMPARE(x.axis->slewAtRate(0, std::nan("")), CmdRetType_::Other);
        QCOMPARE(x.axis->gotoPosition(0, INFINITY), CmdRetType_::Other);
        QCOMPARE(x.axis->setPosition(0, std::nan("")), CmdRetType_::Other);
        QVERIFY(x.rig.takeSent().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKoMountAxis)
#include "tst_komountaxis.moc"
