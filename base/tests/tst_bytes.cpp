#include "base/byteutil.h"
#include "base/cbytes.h"
#include "base/tests/datarow.h"

#include <QtTest>

using namespace Ko;

namespace {
CBytes bytes(std::initializer_list<int> v) {
    CBytes out;
    for (int b : v)
        out.push_back(static_cast<uint8_t>(b));
    return out;
}
} // namespace

class TestBytes : public QObject {
    Q_OBJECT
private slots:
    void intHex_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("littleEndian");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("hex");
        QTest::newRow("le24") << qint64(0x123456) << 3 << true << false << "563412";
        QTest::newRow("be24") << qint64(0x123456) << 3 << false << false << "123456";
        dataRow("le24 drops high byte", qint64(0x1234567), 3, true, false, "674523");
        QTest::newRow("be32 negative") << qint64(-1) << 4 << false << false << "FFFFFFFF";
        QTest::newRow("n=0") << qint64(0x12) << 0 << true << false << "";
        QTest::newRow("long be8") << qint64(1) << 8 << false << true << "0000000000000001";
        QTest::newRow("long le8") << qint64(1) << 8 << true << true << "0100000000000000";
        QTest::newRow("long be5") << qint64(0x0102030405LL) << 5 << false << true << "0102030405";
    }
    void intHex() {
        QFETCH(qint64, value);
        QFETCH(int, n);
        QFETCH(bool, littleEndian);
        QFETCH(bool, wide);
        QFETCH(QString, hex);
        std::string got;
        if (wide)
            got = littleEndian ? ByteUtil::LongHexLE(value, n) : ByteUtil::LongHexBE(value, n);
        else
            got = littleEndian ? ByteUtil::IntHexLE(static_cast<int32_t>(value), n)
                               : ByteUtil::IntHexBE(static_cast<int32_t>(value), n);
        QCOMPARE(QString::fromStdString(got), hex);
    }

    // Every reader, 32 and 64 bits wide: the text comes from outside, so a length the value
    // cannot hold is refused rather than trusted.
    void hexRead_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("littleEndian");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value");
        QTest::newRow("le 563412") << "563412" << true << false << true << qint64(0x123456);
        QTest::newRow("be all 32 bits") << "FFFFFFFF" << false << false << true << qint64(-1);
        QTest::newRow("be one byte") << "FF" << false << false << true << qint64(255);
        dataRow("short is not sign-extended", "FFFFFF", true, false, true, qint64(0xFFFFFF));
        QTest::newRow("two bytes be") << "1234" << false << false << true << qint64(0x1234);
        QTest::newRow("lower case refused") << "0a" << true << false << false << qint64(0);
        QTest::newRow("odd length refused") << "ABC" << true << false << false << qint64(0);
        QTest::newRow("non-hex refused") << "zz" << false << false << false << qint64(0);
        QTest::newRow("le empty refused") << "" << true << false << false << qint64(0);
        QTest::newRow("be empty refused") << "" << false << false << false << qint64(0);
        dataRow("le five bytes refused", "0011223344", true, false, false, qint64(0));
        dataRow("be five bytes refused", "0011223344", false, false, false, qint64(0));
        QTest::newRow("long le empty refused") << "" << true << true << false << qint64(0);
        QTest::newRow("long be empty refused") << "" << false << true << false << qint64(0);
        dataRow("long be eight bytes", "8000000000000001", false, true, true,
                std::numeric_limits<qint64>::min() + 1);
        dataRow("long le five bytes", "0011223344", true, true, true, qint64(0x4433221100));
        dataRow("long le nine bytes refused", "001122334455667788", true, true, false, qint64(0));
        dataRow("long be nine bytes refused", "001122334455667788", false, true, false, qint64(0));
    }
    void hexRead() {
        QFETCH(QString, text);
        QFETCH(bool, littleEndian);
        QFETCH(bool, wide);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        const std::string s = text.toStdString();
        if (wide) {
            int64_t out = 77;
            const bool got =
                littleEndian ? ByteUtil::HexLE_Long(s, out) : ByteUtil::HexBE_Long(s, out);
            QCOMPARE(got, ok);
            QCOMPARE(qint64(out), ok ? value : qint64(77));
            return;
        }
        int32_t out = 77;
        const bool got = littleEndian ? ByteUtil::HexLE_Int(s, out) : ByteUtil::HexBE_Int(s, out);
        QCOMPARE(got, ok);
        QCOMPARE(qint64(out), ok ? qint64(int32_t(value)) : qint64(77));
    }

    void hexLongRoundTrip() {
        int64_t out = 0;
        QVERIFY(ByteUtil::HexBE_Long("8000000000000001", out));
        QCOMPARE(out, std::numeric_limits<int64_t>::min() + 1);
        QVERIFY(ByteUtil::HexLE_Long(ByteUtil::LongHexLE(-123456789012LL, 8), out));
        QCOMPARE(out, -123456789012LL);
    }

    void hexToBytes() {
        CBytes out = bytes({9});
        QVERIFY(ByteUtil::HexToBytes("", out));
        QVERIFY(out.empty());
        QVERIFY(ByteUtil::HexToBytes("0A1BFF", out));
        QCOMPARE(out, bytes({0x0A, 0x1B, 0xFF}));
        QVERIFY(!ByteUtil::HexToBytes("0A1", out));
        QVERIFY(!ByteUtil::HexToBytes("0G", out));
        QCOMPARE(out, bytes({0x0A, 0x1B, 0xFF}));
        QCOMPARE(ByteUtil::BytesToHex(bytes({0x00, 0xAB, 0x7F})), std::string("00AB7F"));
        uint8_t nib = 0;
        QVERIFY(!ByteUtil::HexDigitValue('a', nib));
        QVERIFY(ByteUtil::HexDigitValue('F', nib));
        QCOMPARE(nib, uint8_t(15));
        QCOMPARE(ByteUtil::Nib_B16(10), 'A');
    }

    void floatAndDouble() {
        // IEEE 754: 1.0f = 0x3F800000, 1.0 = 0x3FF0000000000000, stored least significant first.
        QCOMPARE(ByteUtil::FloatBytesLE(1.0f), bytes({0x00, 0x00, 0x80, 0x3F}));
        QCOMPARE(ByteUtil::DoubleBytesLE(1.0), bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
        QCOMPARE(ByteUtil::BytesLE_Float(ByteUtil::FloatBytesLE(-2.5f)), -2.5f);
        QCOMPARE(ByteUtil::BytesLE_Double(ByteUtil::DoubleBytesLE(3.141592653589793)),
                 3.141592653589793);
        QCOMPARE(ByteUtil::BytesLE_Int(bytes({0x56, 0x34, 0x12})), 0x123456);
        QCOMPARE(ByteUtil::BytesBE_Long(bytes({0x01, 0x02})), int64_t(0x0102));
    }

    void escapedText() {
        const CBytes in = bytes({0x3A, 0x07, 0x00, 0x5C});
        QCOMPARE(ByteUtil::EscapedText(in, false).toStdString(), std::string(":\\a\\x00\\"));
        const CBytes reply = CBytes::fromCString("=0A1B2C\r");
        QCOMPARE(ByteUtil::EscapedText(reply, false).toStdString(), std::string("=0A1B2C\\r"));
        const CBytes terminated = ByteUtil::EscapedText(bytes({0xFF, '"'}), true);
        QCOMPARE(terminated.size(), size_t(6));
        QCOMPARE(terminated.back(), uint8_t(0));
        QCOMPARE(std::string(reinterpret_cast<const char*>(terminated.data())),
                 std::string("\\xFF\""));
    }

    void escapedCStringLimits() {
        QCOMPARE(std::string(ByteUtil::EscapedCString(bytes({'a', '\n'}))), std::string("a\\n"));
        QVERIFY(ByteUtil::EscapedCString(CBytes(257, 'a')) == nullptr);
        QVERIFY(ByteUtil::EscapedCString(CBytes(256, 'a')) == nullptr);
        QVERIFY(ByteUtil::EscapedCString(CBytes(255, 'a')) != nullptr);
        // 64 bytes that each escape to four characters need 257 with the terminator.
        QVERIFY(ByteUtil::EscapedCString(CBytes(64, 0x01)) == nullptr);
        QVERIFY(ByteUtil::EscapedCString(CBytes(63, 0x01)) != nullptr);
    }

    void vectorEditing() {
        CBytes v = bytes({1, 2, 3});
        v.resize(6);
        QCOMPARE(v, bytes({1, 2, 3, 0, 0, 0}));
        QCOMPARE(CBytes::slice(v, 1, 3), bytes({2, 3}));
        QVERIFY(CBytes::slice(v, 2, 2).empty());
        QCOMPARE(CBytes::fromPartialData(v, 2, 2), bytes({3, 0}));
        QVERIFY(CBytes::fromCString("").empty());
        CBytes w = CBytes::fromStdString(std::string("a\0b", 3));
        QCOMPARE(w.size(), size_t(3));
        w.appendCString("cd");
        w.appendBytes(bytes({0xEE}));
        w.appendData("xy", 1);
        QCOMPARE(w.toStdString(), std::string("a\0bcd\xEEx", 7));
        CBytes copy = w;
        copy[0] = 'z';
        QCOMPARE(w[0], uint8_t('a'));
    }
};

QTEST_APPLESS_MAIN(TestBytes)
#include "tst_bytes.moc"
