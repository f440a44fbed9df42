#include "link/cmdxutil.h"

#include "base/tests/logcapture.h"
#include "link/tests/udplinkrig.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <stdexcept>

using namespace Ko;

namespace {

// 2^24 counts per revolution: one count per second is exactly 2pi / 0x1000000 rad/s.
constexpr uint32_t kCpr = 0x1000000;
constexpr double kCount = 2 * std::numbers::pi / kCpr;

CBytes bytes(const char* s) {
    return CBytes::fromCString(s);
}

struct Extended {
    UdpLinkRig rig;
    std::shared_ptr<KoDevice> device;
    CmdXUtil util;

    explicit Extended(uint32_t offsetMode = 1, uint32_t tickRate = 1000)
        : device(std::make_shared<KoDevice>(rig.converser)), util(rig.converser, device) {
        rig.scriptController(true, 0x00, kCpr, 64935);
        rig.reply(":X10006", value32(tickRate));
        if (device->initialize(false, offsetMode) != CmdRetType_::Ok)
            throw std::runtime_error("controller script incomplete");
        rig.takeSent();
    }
};

} // namespace

class TestCmdXUtil : public QObject {
    Q_OBJECT

private slots:
    void tickRateOnClassicFirmware() {
        UdpLinkRig rig;
        rig.scriptController(false, 0x00, 9024000, 64935);
        auto device = std::make_shared<KoDevice>(rig.converser);
        QCOMPARE(device->initialize(false, 1), CmdRetType_::Ok);
        rig.takeSent();
        CmdXUtil util(rig.converser, device);
        QCOMPARE(util.readTickRate(), CmdRetType_::Ok);
        QVERIFY(rig.takeSent().isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, util.tickRate());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, util.msToTicksPayload(250));
    }

    void tickRateIsReadOnce() {
        Extended x;
        x.rig.reply(":X10006", "!0\r");
        QCOMPARE(x.util.readTickRate(), CmdRetType_::Nak);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.util.tickRate());

        // Every mount time is divided by it: a zero is refused, with the value in the log.
        LogCapture log;
        x.rig.reply(":X10006", value32(0));
        QCOMPARE(x.util.readTickRate(), CmdRetType_::Other);
        QCOMPARE(log.lines("CmdXUtil"),
                 QStringList{"CmdXUtil: refusing a mount-clock tick rate of 0"});
        QVERIFY_THROWS_EXCEPTION(std::logic_error, x.util.tickRate());

        x.rig.reply(":X10006", value32(0x0001E240));
        QCOMPARE(x.util.readTickRate(), CmdRetType_::Ok);
        QCOMPARE(x.util.tickRate(), 0x0001E240u);
        QCOMPARE(x.rig.takeSent(), (QStringList{":X10006", ":X10006", ":X10006"}));
        QCOMPARE(x.util.readTickRate(), CmdRetType_::Ok);
        QVERIFY(x.rig.takeSent().isEmpty());
    }

    void timePayloads() {
        Extended x;
        QCOMPARE(x.util.readTickRate(), CmdRetType_::Ok);
        QCOMPARE(x.util.msToTicksPayload(250), bytes("00000000000000FA"));
        QCOMPARE(x.util.ticksPayloadToMs(bytes("00000000000000FA")).value(), int64_t(250));
        // Ticks truncate toward zero.
        QCOMPARE(x.util.msToTicksPayload(1), bytes("0000000000000001"));

        Extended slow(1, 3);
        QCOMPARE(slow.util.readTickRate(), CmdRetType_::Ok);
        // 1999 ms at 3 ticks/s is 5.997 ticks; 5 ticks back are 1666.67 ms, which rounds up.
        QCOMPARE(slow.util.msToTicksPayload(1999), bytes("0000000000000005"));
        QCOMPARE(slow.util.ticksPayloadToMs(bytes("0000000000000005")).value(), int64_t(1667));
    }

    void ticksPayloadToMs_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<qlonglong>("ms");
        QTest::newRow("16 digits")
            << QByteArray("0000000000002710") << int(CmdRetType_::Ok) << 10000LL;
        QTest::newRow("15 digits")
            << QByteArray("000000000002710") << int(CmdRetType_::Other) << 0LL;
        QTest::newRow("17 digits")
            << QByteArray("00000000000027100") << int(CmdRetType_::Other) << 0LL;
        QTest::newRow("lower case")
            << QByteArray("00000000000000fa") << int(CmdRetType_::Other) << 0LL;
        QTest::newRow("not hex") << QByteArray("00000000000000G0") << int(CmdRetType_::Other)
                                 << 0LL;
        QTest::newRow("empty") << QByteArray() << int(CmdRetType_::Other) << 0LL;
        QTest::newRow("negative") << QByteArray("FFFFFFFFFFFFFC18") << int(CmdRetType_::Ok)
                                  << -1000LL;
        // More milliseconds than the result holds.
        QTest::newRow("most ticks")
            << QByteArray("7FFFFFFFFFFFFFFF") << int(CmdRetType_::Other) << 0LL;
        QTest::newRow("fewest ticks")
            << QByteArray("8000000000000000") << int(CmdRetType_::Other) << 0LL;
    }
    void ticksPayloadToMs() {
        QFETCH(QByteArray, text);
        QFETCH(int, type);
        QFETCH(qlonglong, ms);
        Extended x;
        QCOMPARE(x.util.readTickRate(), CmdRetType_::Ok);
        const auto r = x.util.ticksPayloadToMs(cb(text));
        QCOMPARE(int(r.type), type);
        QCOMPARE(r.hasValue, type == int(CmdRetType_::Ok));
        if (r.hasValue)
            QCOMPARE(r.value(), int64_t(ms));
    }

    void countAndRatePayloads_data() {
        QTest::addColumn<double>("counts");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("rate");
        QTest::addColumn<QByteArray>("rate64");
        QTest::newRow("one") << 1.0 << QByteArray("00000001") << QByteArray("00000400")
                             << QByteArray("0000000000000400");
        QTest::newRow("minus one") << -1.0 << QByteArray("FFFFFFFF") << QByteArray("FFFFFC00")
                                   << QByteArray("FFFFFFFFFFFFFC00");
        QTest::newRow("zero") << 0.0 << QByteArray("00000000") << QByteArray("00000000")
                              << QByteArray("0000000000000000");
        // Half a count: the target rounds away from zero, the rate keeps 10 fractional bits.
        QTest::newRow("half") << 0.5 << QByteArray("00000001") << QByteArray("00000200")
                              << QByteArray("0000000000000200");
        // Beyond 32 bits only the 64-bit rate word holds the value.
        QTest::newRow("2^22 counts") << 4194304.0 << QByteArray("00400000")
                                     << QByteArray("00000000") << QByteArray("0000000100000000");
    }
    void countAndRatePayloads() {
        QFETCH(double, counts);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, rate);
        QFETCH(QByteArray, rate64);
        Extended x;
        const double rad = counts * kCount;
        QCOMPARE(qb(x.util.radToCountsPayload(1, rad)), target);
        if (counts < 1 << 21)
            QCOMPARE(qb(x.util.fixed1024Payload(1, rad)), rate);
        QCOMPARE(qb(x.util.fixed1024Payload64(0, rad)), rate64);
    }

    void targetCountAppliesTheAxisOffset() {
        Extended mode0(0);
        // With offset mode 0 axis 1 counts from a quarter turn below the caller's zero.
        QCOMPARE(mode0.util.radToCountsPayload(0, -std::numbers::pi / 2), bytes("00000000"));
        QCOMPARE(mode0.util.radToCountsPayload(0, 0.0), bytes("00400000"));
        QCOMPARE(mode0.util.radToCountsPayload(1, 0.0), bytes("00000000"));
        const auto pair = mode0.util.countsPairPayloadToRad(bytes("0040000000400000"));
        QCOMPARE(pair.value().first, 0.0);
        QCOMPARE(pair.value().second, std::numbers::pi / 2);
    }

    void countsPairPayloadToRad_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("counts1");
        QTest::addColumn<double>("counts2");
        QTest::newRow("small") << QByteArray("0000000100000002") << true << 1.0 << 2.0;
        QTest::newRow("negative") << QByteArray("FFFFFFFF80000000") << true << -1.0
                                  << -2147483648.0;
        QTest::newRow("15 digits") << QByteArray("000000010000000") << false << 0.0 << 0.0;
        QTest::newRow("lower case") << QByteArray("0000000a00000002") << false << 0.0 << 0.0;
    }
    void countsPairPayloadToRad() {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(double, counts1);
        QFETCH(double, counts2);
        Extended x;
        const auto r = x.util.countsPairPayloadToRad(cb(text));
        QCOMPARE(r.hasValue(), valid);
        if (valid) {
            QCOMPARE(r.value().first, counts1 * kCount);
            QCOMPARE(r.value().second, counts2 * kCount);
        }
    }
};

QTEST_GUILESS_MAIN(TestCmdXUtil)
#include "tst_cmdxutil.moc"
