#include "link/kodevice.h"

#include "base/tests/datarow.h"
#include "base/tests/logcapture.h"
#include "link/tests/udplinkrig.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

using namespace Ko;

namespace {
constexpr uint32_t kDeviceCpr = 9024000;
constexpr uint32_t kDeviceTimer = 64935;
constexpr double kSidereal = 7.292115845221407e-05;
} // namespace

class TestKoDevice : public QObject {
    Q_OBJECT

private slots:
    void initializeSendsTheFrameSequence_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QStringList>("frames");
        dataRow("classic", false, QStringList{":e1", ":a1", ":f1", ":e2", ":a2", ":f2", ":b1"});
        dataRow("extended", true,
                QStringList{":e1", ":X10002", ":f1", ":e2", ":X20002", ":f2", ":b1"});
    }
    void initializeSendsTheFrameSequence() {
        QFETCH(bool, extended);
        QFETCH(QStringList, frames);
        UdpLinkRig rig;
        rig.scriptController(extended, 0x00, kDeviceCpr, kDeviceTimer);
        KoDevice device(rig.converser);

        QVERIFY(!device.isInitialized());
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);
        QVERIFY(device.isInitialized());
        QCOMPARE(rig.takeSent(), frames);
        QCOMPARE(device.supportsExtended(), extended);
        QCOMPARE(device.version(0), extended ? 0x2703u : 0x2603u);
        QCOMPARE(device.lastStatus(1).motion, 0u);

        // Initialised once per connection: a second call sends nothing.
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);
        QVERIFY(rig.takeSent().isEmpty());
    }

    void initializeOneAxisReadsAxisOneOnly() {
        UdpLinkRig rig;
        rig.scriptController(false, 0x00, kDeviceCpr, kDeviceTimer);
        KoDevice device(rig.converser);
        QCOMPARE(device.initialize(true, 1), CmdRetType_::Ok);
        QCOMPARE(rig.takeSent(), (QStringList{":e1", ":a1", ":f1", ":b1"}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.version(1));
    }

    void failedInitializeRestartsWithoutCachedVersions() {
        UdpLinkRig rig;
        rig.scriptController(false, 0x00, kDeviceCpr, kDeviceTimer);
        rig.reply(":a2", "!0\r");
        KoDevice device(rig.converser);
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Nak);
        QVERIFY(!device.isInitialized());
        rig.takeSent();

        rig.reply(":a2", value24(kDeviceCpr));
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);
        QCOMPARE(rig.takeSent(), (QStringList{":a1", ":f1", ":a2", ":f2", ":b1"}));
    }

    void zeroConstantsAreRefused_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("model");
        QTest::addColumn<uint>("countsPerRev");
        QTest::addColumn<uint>("timer");
        QTest::addColumn<QString>("logLine");
        dataRow("classic counts", false, 0x00, 0u, kDeviceTimer,
                "KoDevice: refusing 0 counts per revolution on axis 1");
        dataRow("extended counts", true, 0x00, 0u, kDeviceTimer,
                "KoDevice: refusing 0 counts per revolution on axis 1");
        dataRow("timer", false, 0x00, kDeviceCpr, 0u,
                "KoDevice: refusing a step-timer frequency of 0");
        // The board override replaces whatever the controller said, so its zero is harmless.
        QTest::newRow("overridden counts") << false << 0x80 << 0u << kDeviceTimer << "";
    }
    void zeroConstantsAreRefused() {
        QFETCH(bool, extended);
        QFETCH(int, model);
        QFETCH(uint, countsPerRev);
        QFETCH(uint, timer);
        QFETCH(QString, logLine);
        UdpLinkRig rig;
        rig.scriptController(extended, uint8_t(model), countsPerRev, timer);
        KoDevice device(rig.converser);
        LogCapture log;
        const auto r = device.initialize(false, 1);
        QCOMPARE(log.lines("KoDevice"), logLine.isEmpty() ? QStringList() : QStringList{logLine});
        if (logLine.isEmpty()) {
            QCOMPARE(r, CmdRetType_::Ok);
            return;
        }
        QCOMPARE(r, CmdRetType_::Other);
        QVERIFY(!device.isInitialized());
        // Nothing was taken from the refused controller: no conversion can divide by its zero.
        if (countsPerRev == 0)
            QVERIFY_THROWS_EXCEPTION(std::logic_error, device.countsToRad(0, 1000));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.rpsToStride(0, kSidereal));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.speedResolution());
    }

    // Every constant a reply can carry (24 bits classic, 32 bits extended) and the zeros that
    // callers holding their own constants may pass.
    void conversionsStayFiniteForAnyConstants_data() {
        QTest::addColumn<uint>("countsPerRev");
        QTest::addColumn<uint>("timer");
        QTest::newRow("zero counts") << 0u << kDeviceTimer;
        QTest::newRow("zero timer") << kDeviceCpr << 0u;
        QTest::newRow("one count, fastest timer") << 1u << 0xFFFFFFu;
        QTest::newRow("most counts, slowest timer") << 0xFFFFFFFFu << 1u;
        QTest::newRow("most of both") << 0xFFFFFFFFu << 0xFFFFFFu;
    }
    void conversionsStayFiniteForAnyConstants() {
        QFETCH(uint, countsPerRev);
        QFETCH(uint, timer);
        for (const int32_t counts :
             {0, 1, -1, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()})
            QVERIFY(std::isfinite(Ko::countsToRad(countsPerRev, counts)));
        for (const uint32_t period : {0u, 1u, 0xFFFFFFu, 0xFFFFFFFFu})
            QVERIFY(std::isfinite(Ko::strideToRps(countsPerRev, timer, period)));
        for (const double rate : {0.0, 1e-300, kSidereal, 1e300})
            QVERIFY(Ko::rpsToStride(countsPerRev, timer, rate) >= 0);
        if (countsPerRev == 0 || timer == 0)
            return;
        // The device itself, for constants it accepts: its speed step stays a finite ratio (UBSan
        // would stop the run on a period overflow).
        UdpLinkRig rig;
        rig.scriptController(true, 0x00, countsPerRev, timer);
        KoDevice device(rig.converser);
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);
        const double step = device.speedResolution();
        QVERIFY2(std::isfinite(step) && step >= 0, qPrintable(QString::number(step)));
    }

    void countsPerRevolutionOverrides_data() {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("expected");
        QTest::newRow("classic 0x80") << false << 0x80 << 1452951;
        QTest::newRow("classic 0x82") << false << 0x82 << 2118424;
        QTest::newRow("classic 0x00 as reported") << false << 0x00 << 9024000;
        QTest::newRow("extended 0x80 as reported") << true << 0x80 << 9024000;
    }
    void countsPerRevolutionOverrides() {
        QFETCH(bool, extended);
        QFETCH(int, model);
        QFETCH(int, expected);
        UdpLinkRig rig;
        rig.scriptController(extended, uint8_t(model), 9024000, kDeviceTimer);
        KoDevice device(rig.converser);
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);
        QCOMPARE(device.modelId(), uint8_t(model));
        // A quarter turn, read back as counts.
        QCOMPARE(device.radToCounts(1, std::numbers::pi / 2),
                 int32_t(std::llround(expected / 4.0)));
    }

    void supportsExtendedFollowsFirmware_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<uint>("version");
        QTest::newRow("03.27") << "=032700\r" << true << 0x2703u;
        QTest::newRow("03.26") << "=032600\r" << false << 0x2603u;
        QTest::newRow("04.01 board 0x10") << "=040110\r" << true << 0x100104u;
        QTest::newRow("02.FF") << "=02FF00\r" << false << 0xFF02u;
    }
    void supportsExtendedFollowsFirmware() {
        QFETCH(QString, reply);
        QFETCH(bool, extended);
        QFETCH(uint, version);
        UdpLinkRig rig;
        rig.reply(":e1", reply.toStdString());
        KoDevice device(rig.converser);
        const auto r = device.readVersion(0);
        QCOMPARE(r.type, CmdRetType_::Ok);
        QCOMPARE(r.value(), version);
        QCOMPARE(device.supportsExtended(), extended);
    }

    void readVersionCachesAndRejectsBadReplies() {
        UdpLinkRig rig(200);
        rig.reply(":e1", "=0A0B8\r");
        rig.reply(":e2", "!2\r");
        KoDevice device(rig.converser);

        auto r = device.readVersion(0);
        QCOMPARE(r.type, CmdRetType_::Other);
        QVERIFY(!r.hasValue);
        QCOMPARE(device.readVersion(1).type, CmdRetType_::Nak);

        rig.reply(":e1", "=0A0B80\r");
        r = device.readVersion(0);
        QCOMPARE(r.value(), 0x800B0Au);
        QCOMPARE(device.modelId(), uint8_t(0x80));
        rig.takeSent();
        rig.fake.setSilent(true);
        QCOMPARE(device.readVersion(0).value(), 0x800B0Au);
        QVERIFY(rig.takeSent().isEmpty());
        QCOMPARE(device.readVersion(1).type, CmdRetType_::Timeout);
    }

    void featureRecord_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<qulonglong>("packed");
        QTest::addColumn<uint>("statusEx");
        dataRow("ppec and all of d3", "=02FF00\r",
                qulonglong(1ull << 8 | 1ull << 32 | 1ull << 40 | 1ull << 48), 0u);
        dataRow("all of d2, training", "=1F0A1B\r",
                qulonglong(1ull | 1ull << 8 | 1ull << 16 | 1ull << 24), 0x0001u);
        dataRow("d3 only, playback", "=207000\r", qulonglong(1ull << 32 | 1ull << 40 | 1ull << 48),
                0x0100u);
        dataRow("auto-home, both PPEC states", "=340000\r", qulonglong(1ull << 16), 0x0101u);
    }
    void featureRecord() {
        QFETCH(QString, reply);
        QFETCH(qulonglong, packed);
        QFETCH(uint, statusEx);
        UdpLinkRig rig;
        rig.fake.setReply(":q1010000\r", reply.toStdString());
        KoDevice device(rig.converser);
        int fired = 0;
        device.changed.append([&] { ++fired; });

        const auto r = device.statusEx();
        QCOMPARE(r.type, CmdRetType_::Ok);
        QCOMPARE(device.features(), quint64(packed));
        QCOMPARE(r.value().packed(), quint64(packed));
        QCOMPARE(device.lastStatusEx(), uint16_t(statusEx));
        QCOMPARE(fired, 1);
        QCOMPARE(rig.takeSent(), QStringList{":q1010000"});

        // Read once per connection; readStatusEx always asks again.
        QCOMPARE(device.statusEx().type, CmdRetType_::Ok);
        QVERIFY(rig.takeSent().isEmpty());
        QCOMPARE(device.readStatusEx().value(), uint16_t(statusEx));
        QCOMPARE(fired, 2);
    }

    void featureInquiryRefusedOrSilent() {
        UdpLinkRig rig(200);
        KoDevice device(rig.converser);
        int fired = 0;
        device.changed.append([&] { ++fired; });

        rig.fake.setSilent(true);
        QCOMPARE(device.statusEx().type, CmdRetType_::Timeout);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.features());

        rig.fake.setSilent(false);
        for (const char* bad : {"=02ff00\r", "=02FF0\r", "=02FG00\r"}) {
            rig.fake.setReply(":q1010000\r", bad);
            QCOMPARE(device.readStatusEx().type, CmdRetType_::Other);
        }
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.lastStatusEx());

        // A mount without the inquiry has none of the features.
        rig.fake.setReply(":q1010000\r", "!0\r");
        const auto r = device.statusEx();
        QCOMPARE(r.type, CmdRetType_::Ok);
        QCOMPARE(r.value(), DeviceFeatures{});
        QCOMPARE(device.features(), quint64(0));
        QCOMPARE(device.lastStatusEx(), uint16_t(0));
        QCOMPARE(fired, 0);
    }

    void motorStatus_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<uint>("motion");
        QTest::addColumn<int>("dirFlag");
        QTest::addColumn<int>("fastFlag");
        QTest::addColumn<int>("initFlag");
        QTest::newRow("stopped, initialised") << "=101\r" << 0u << 1 << 0 << 0;
        QTest::newRow("moving, kind 1") << "=111\r" << 1u << 1 << 0 << 0;
        QTest::newRow("moving, kind 2, reversed") << "=210\r" << 2u << 0 << 0 << 1;
        QTest::newRow("fast") << "=510\r" << 1u << 1 << 1 << 1;
        QTest::newRow("longer reply") << "=311ABC\r" << 1u << 0 << 0 << 0;
    }
    void motorStatus() {
        QFETCH(QString, reply);
        QFETCH(uint, motion);
        QFETCH(int, dirFlag);
        QFETCH(int, fastFlag);
        QFETCH(int, initFlag);
        UdpLinkRig rig;
        rig.reply(":f2", reply.toStdString());
        KoDevice device(rig.converser);
        const auto r = device.readStatus(1);
        QCOMPARE(r.type, CmdRetType_::Ok);
        const MotorStatus expected{motion, uint8_t(dirFlag), uint8_t(fastFlag), uint8_t(initFlag)};
        QCOMPARE(r.value(), expected);
        QCOMPARE(device.lastStatus(1), expected);
    }

    void cachedValuesThrowBeforeRead() {
        UdpLinkRig rig;
        rig.reply(":f1", "=10\r");
        KoDevice device(rig.converser);
        QCOMPARE(device.readStatus(0).type, CmdRetType_::Other);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.lastStatus(0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.version(0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.modelId());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.supportsExtended());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.radToCounts(0, 1.0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.rpsToStride(0, kSidereal));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.speedResolution());
    }

    void roundingOfAnglesToCounts_data() {
        QTest::addColumn<double>("counts");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5") << 2.5 << 3;
        QTest::newRow("-2.5") << -2.5 << -3;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("-2.4999") << -2.4999 << -2;
        QTest::newRow("0.5") << 0.5 << 1;
        QTest::newRow("half a revolution") << 4512000.0 << 4512000;
    }
    void roundingOfAnglesToCounts() {
        QFETCH(double, counts);
        QFETCH(int, expected);
        UdpLinkRig rig;
        rig.scriptController(false, 0x00, kDeviceCpr, kDeviceTimer);
        KoDevice device(rig.converser);
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);
        const double rad = counts * 2 * std::numbers::pi / kDeviceCpr;
        QCOMPARE(device.radToCounts(0, rad), expected);
        QCOMPARE(device.radToCounts64(1, rad), int64_t(expected));
        QCOMPARE(Ko::radToCounts(kDeviceCpr, rad), expected);
        // Back to radians within a hundredth of a count.
        QVERIFY(std::abs(device.countsToRad(0, expected) -
                         expected * 2 * std::numbers::pi / kDeviceCpr) <
                0.01 * 2 * std::numbers::pi / kDeviceCpr);
    }

    void ratesAndPeriods() {
        UdpLinkRig rig;
        rig.scriptController(false, 0x00, kDeviceCpr, kDeviceTimer);
        KoDevice device(rig.converser);
        QCOMPARE(device.initialize(false, 1), CmdRetType_::Ok);

        // One count per second takes one second of timer ticks per step.
        const double countRate = 2 * std::numbers::pi / kDeviceCpr;
        QCOMPARE(device.rpsToStride(0, countRate), int64_t(kDeviceTimer));
        QCOMPARE(device.rpsToStride(1, countRate * kDeviceTimer / 1000.6), int64_t(1001));
        QCOMPARE(device.rpsToStride(1, countRate * kDeviceTimer / 1000.4), int64_t(1000));
        // 64935 ticks/s x 2pi / 9024000 / sidereal = 620.02 ticks per step.
        QCOMPARE(device.rpsToStride(0, kSidereal), int64_t(620));
        QCOMPARE(device.rpsToStride(0, 0.0), int64_t(0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, device.rpsToStride(0, -0.1));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, Ko::rpsToStride(kDeviceCpr, kDeviceTimer, -0.1));
        QCOMPARE(device.strideToRps(0, 0), 0.0);
        QVERIFY(std::abs(device.strideToRps(0, kDeviceTimer) - countRate) < 1e-15);
        QVERIFY(std::abs(Ko::strideToRps(kDeviceCpr, kDeviceTimer, 620) / kSidereal - 1.0) < 1e-4);

        // One tick at 620: the steps to 619 and 621 are 1/619 and 1/621 relative; the smaller wins.
        const double r620 = Ko::strideToRps(kDeviceCpr, kDeviceTimer, 620);
        const double expected = std::abs(r620 * 620 / 621 / kSidereal - 1);
        QVERIFY(std::abs(device.speedResolution() - expected) < 1e-12);
        QVERIFY(device.speedResolution() > 0.0015 && device.speedResolution() < 0.0017);

        // Out-of-range angles saturate rather than wrap.
        QCOMPARE(Ko::radToCounts(kDeviceCpr, 1e300), std::numeric_limits<int32_t>::max());
        QCOMPARE(Ko::radToCounts(kDeviceCpr, -1e300), std::numeric_limits<int32_t>::min());
        QCOMPARE(Ko::radToCounts(kDeviceCpr, std::nan("")), 0);
    }

    void axisOffsetFollowsOffsetMode() {
        UdpLinkRig rig;
        rig.scriptController(false, 0x00, kDeviceCpr, kDeviceTimer);
        KoDevice before(rig.converser);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, before.applyAxisOffset(0, 1.0));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, before.removeAxisOffset(0, 1.0));
        QCOMPARE(before.applyAxisOffset(1, 1.0), 1.0);

        KoDevice mode0(rig.converser);
        QCOMPARE(mode0.initialize(false, 0), CmdRetType_::Ok);
        QCOMPARE(mode0.applyAxisOffset(0, 1.0), 1.0 + std::numbers::pi / 2);
        QCOMPARE(mode0.removeAxisOffset(0, 1.0), 1.0 - std::numbers::pi / 2);
        QCOMPARE(mode0.applyAxisOffset(1, 1.0), 1.0);

        KoDevice mode1(rig.converser);
        QCOMPARE(mode1.initialize(false, 1), CmdRetType_::Ok);
        QCOMPARE(mode1.applyAxisOffset(0, 1.0), 1.0);
        QCOMPARE(mode1.removeAxisOffset(0, 1.0), 1.0);
    }

    void plainCommands() {
        UdpLinkRig rig;
        rig.reply(":W10D8004", "=\r");
        rig.reply(":W10D6000", "=\r");
        rig.reply(":O11", "=\r");
        rig.reply(":O10", "!0\r");
        rig.reply(":F2", "=\r");
        KoDevice device(rig.converser);
        QCOMPARE(device.setSerialBaudRate(115200), CmdRetType_::Ok);
        QCOMPARE(device.setSerialBaudRate(9600), CmdRetType_::Ok);
        QCOMPARE(device.setAuxSwitch(true), CmdRetType_::Ok);
        QCOMPARE(device.setAuxSwitch(false), CmdRetType_::Nak);
        QCOMPARE(device.initializeAxis(1), CmdRetType_::Ok);
        QCOMPARE(rig.takeSent(), (QStringList{":W10D8004", ":W10D6000", ":O11", ":O10", ":F2"}));
    }
};

QTEST_GUILESS_MAIN(TestKoDevice)
#include "tst_kodevice.moc"
