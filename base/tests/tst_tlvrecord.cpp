#include "base/tlvrecord.h"

#include <QtTest>

#include <limits>
#include <stdexcept>

using namespace Ko;

Q_DECLARE_METATYPE(Ko::CBytes)

namespace {
constexpr uint32_t kCnt = 0x636E7420; // 'cnt '
constexpr uint32_t kTagA = 0x61616161;
constexpr uint32_t kTagB = 0x62626262;

CBytes hex(const char* text) {
    const QByteArray b = QByteArray::fromHex(text);
    return CBytes(b.begin(), b.end());
}

TlvRecord parsed(const CBytes& b) {
    return TlvRecord::parse(b).value();
}
} // namespace

class TestTlvRecord : public QObject {
    Q_OBJECT

private slots:
    void wireFormatOfOneEntry() {
        TlvRecord r;
        r.setInt32(kCnt, 2);
        QCOMPARE(r.serialize(), hex("20746e63 01 040000 02000000"));
        QCOMPARE(parsed(r.serialize()).serialize(), r.serialize());
        QCOMPARE(parsed(r.serialize()).getInt32(kCnt).value(), 2);
    }

    void encodingsOfEveryType() {
        TlvRecord r;
        r.setBytes(1, hex("0001ff"));
        r.setInt32(2, -2);
        r.setInt64(3, std::numeric_limits<int64_t>::min());
        r.setFloat(4, 1.0f);
        r.setDouble(5, -2.0);
        r.setString(6, "hé");
        r.setWString(7, "\xc3\xa9");
        r.setBytes(8, CBytes());
        QCOMPARE(r.serialize(), hex("01000000 00 030000 0001ff"
                                    "02000000 01 040000 feffffff"
                                    "03000000 02 080000 0000000000000080"
                                    "04000000 03 040000 0000803f"
                                    "05000000 04 080000 00000000000000c0"
                                    "06000000 06 030000 68c3a9"
                                    "07000000 07 040000 e9000000"
                                    "08000000 00 000000"));
        const TlvRecord back = parsed(r.serialize());
        QCOMPARE(back.getBytes(1).value(), hex("0001ff"));
        QCOMPARE(back.getInt32(2).value(), -2);
        QCOMPARE(back.getInt64(3).value(), std::numeric_limits<int64_t>::min());
        QCOMPARE(back.getFloat(4).value(), 1.0f);
        QCOMPARE(back.getDouble(5).value(), -2.0);
        QCOMPARE(back.getString(6).value(), std::string("hé"));
        QCOMPARE(back.getWString(6).value(), std::string("\xc3\xa9"));
        QCOMPARE(back.getBytes(8).value(), CBytes());
    }

    void parse_data() {
        QTest::addColumn<CBytes>("input");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("entries");
        const CBytes one = hex("20746e63 01 040000 02000000");
        CBytes extra = one;
        extra.push_back(0);
        QTest::newRow("empty") << CBytes() << true << 0;
        QTest::newRow("one entry") << one << true << 1;
        QTest::newRow("one extra byte") << extra << false << 0;
        QTest::newRow("first 11 bytes") << CBytes(one.begin(), one.begin() + 11) << false << 0;
        QTest::newRow("header only 7") << CBytes(one.begin(), one.begin() + 7) << false << 0;
        QTest::newRow("zero length") << hex("01000000 06 000000") << true << 1;
        QTest::newRow("duplicate tag")
            << hex("01000000 01 000000 01000000 02 000000") << false << 0;
        QTest::newRow("repeatable tag twice")
            << hex("ffffffff 01 000000 ffffffff 06 010000 41") << true << 2;
        QTest::newRow("length past end") << hex("01000000 00 ffffff 00") << false << 0;
        QTest::newRow("unknown type kept") << hex("01000000 c8 020000 abcd") << true << 1;
    }
    void parse() {
        QFETCH(CBytes, input);
        QFETCH(bool, ok);
        QFETCH(int, entries);
        const Nullable<TlvRecord> r = TlvRecord::parse(input);
        QCOMPARE(r.hasValue(), ok);
        if (ok) {
            QCOMPARE(int(r.value().entries().size()), entries);
            QCOMPARE(r.value().serialize(), input);
        }
    }

    void readsRequireExactTypeAndSize() {
        TlvRecord r = parsed(hex("01000000 02 080000 0100000000000000"    // int64
                                 "02000000 01 030000 010000"              // int32, 3 bytes
                                 "03000000 01 040000 07000000"            // int32
                                 "04000000 04 040000 0000803f"            // double, 4 bytes
                                 "05000000 03 080000 0000000000000000")); // float, 8 bytes
        QVERIFY(!r.getInt32(1).hasValue());
        QVERIFY(r.getInt64(1).hasValue());
        QVERIFY(!r.getInt32(2).hasValue());
        QCOMPARE(r.getInt32Or(2, -9), -9);
        QVERIFY(!r.getBytes(3).hasValue());
        QVERIFY(!r.getInt64(3).hasValue());
        QVERIFY(!r.getString(3).hasValue());
        QCOMPARE(r.getInt32(3).value(), 7);
        QVERIFY(!r.getDouble(4).hasValue());
        QVERIFY(!r.getFloat(5).hasValue());
        QCOMPARE(r.getDoubleOr(4, 1.5), 1.5);
        QCOMPARE(r.getFloatOr(5, 2.5f), 2.5f);
        QVERIFY(!r.getInt32(99).hasValue());
        QCOMPARE(r.getInt64Or(99, 5), int64_t(5));
        QCOMPARE(r.getStringOr(99, "d"), std::string("d"));
        QCOMPARE(r.getBytesOr(99, hex("aa")), hex("aa"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, r.getInt32(99).value());
    }

    void readsByPosition() {
        TlvRecord r;
        r.setString(kTagA, "x");
        r.setInt32(kTagB, 4);
        QCOMPARE(r.indexOf(kTagB), 1);
        QCOMPARE(r.indexOf(kCnt), -1);
        QVERIFY(r.hasTag(kTagA));
        QVERIFY(!r.hasTag(kCnt));
        QCOMPARE(r.getStringAt(0).value(), std::string("x"));
        QCOMPARE(r.getInt32At(1).value(), 4);
        QVERIFY(!r.getInt32At(0).hasValue());
        QVERIFY(!r.getInt32At(-1).hasValue());
        QVERIFY(!r.getInt32At(2).hasValue());
        QVERIFY(!r.getWString(5).hasValue());
    }

    void repeatableTagAppendsEveryTime() {
        TlvRecord r;
        r.setInt32(TlvRecord::kRepeatableTag, 1);
        r.setInt32(TlvRecord::kRepeatableTag, 2);
        QCOMPARE(r.entries().size(), size_t(2));
        QCOMPARE(r.getInt32(TlvRecord::kRepeatableTag).value(), 1);
        QCOMPARE(r.getInt32At(1).value(), 2);
    }

    void replaceKeepsPositionAndUpdatesType() {
        TlvRecord r;
        r.setInt32(kTagA, 1);
        r.setString(kTagB, "b");
        r.setInt32(kTagA, 5);
        QCOMPARE(r.entries().size(), size_t(2));
        QCOMPARE(r.indexOf(kTagA), 0);
        QCOMPARE(r.getInt32(kTagA).value(), 5);

        // Another type under the same tag replaces type and data together.
        r.setDouble(kTagA, 0.5);
        QCOMPARE(r.indexOf(kTagA), 0);
        QVERIFY(!r.getInt32(kTagA).hasValue());
        QCOMPARE(parsed(r.serialize()).getDouble(kTagA).value(), 0.5);
        QCOMPARE(r.serialize().size(), size_t(8 + 8 + 8 + 1));
    }

    void oversizeDataIsRefused() {
        TlvRecord r;
        r.setInt32(kTagA, 1);
        const CBytes before = r.serialize();
        QVERIFY_THROWS_EXCEPTION(std::length_error,
                                 r.setBytes(kTagB, CBytes(TlvRecord::kMaxDataSize + 1)));
        QVERIFY_THROWS_EXCEPTION(std::length_error,
                                 r.setBytes(kTagA, CBytes(TlvRecord::kMaxDataSize + 1)));
        QCOMPARE(r.serialize(), before);

        r.setBytes(kTagB, CBytes(TlvRecord::kMaxDataSize, 0x5a));
        const CBytes wire = r.serialize();
        QCOMPARE(wire[12 + 5], uint8_t(0xff));
        QCOMPARE(wire[12 + 6], uint8_t(0xff));
        QCOMPARE(wire[12 + 7], uint8_t(0xff));
        QCOMPARE(parsed(wire).getBytes(kTagB).value().size(), TlvRecord::kMaxDataSize);
    }

    void nestedRecordsParseOnDemand() {
        TlvRecord inner;
        inner.setString(kTagA, "deep");
        TlvRecord middle;
        middle.setRecord(kTagB, inner);
        TlvRecord outer;
        outer.setRecord(kCnt, middle);
        const TlvRecord back = parsed(outer.serialize());
        QCOMPARE(back.getRecord(kCnt).value().getRecord(kTagB).value().getString(kTagA).value(),
                 std::string("deep"));
        QCOMPARE(back.getRecordAt(0).value().serialize(), middle.serialize());

        // A broken nested record leaves the outer parse intact and reads as absent.
        const TlvRecord broken = parsed(hex("01000000 05 0b0000 20746e6301040000020000"));
        QVERIFY(!broken.getRecord(1).hasValue());
        QCOMPARE(broken.getRecordOr(1, inner).serialize(), inner.serialize());
    }

    void wideText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << "abc";
        QTest::newRow("latin") << "é";
        QTest::newRow("cjk") << "星";
        QTest::newRow("astral") << QString::fromUcs4(U"\U0001F52D");
        QTest::newRow("empty") << "";
    }
    void wideText() {
        QFETCH(QString, text);
        TlvRecord r;
        r.setWString(kTagA, text.toStdString());
        const CBytes data = r.entries().front().data;
        const QList<uint> ucs4 = text.toUcs4();
        QCOMPARE(data.size(), size_t(ucs4.size()) * 4);
        for (qsizetype i = 0; i < ucs4.size(); ++i)
            QCOMPARE(uint(data[size_t(i) * 4]) | uint(data[size_t(i) * 4 + 1]) << 8 |
                         uint(data[size_t(i) * 4 + 2]) << 16,
                     ucs4[i]);
        QCOMPARE(QString::fromStdString(parsed(r.serialize()).getWString(0).value()), text);
    }

    void wideTextRejectsBadUtf8_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("lone continuation") << QByteArray("\x80");
        QTest::newRow("cut sequence") << QByteArray("a\xc3");
        QTest::newRow("overlong") << QByteArray("\xc0\xaf");
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80");
        QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
        QTest::newRow("invalid lead") << QByteArray("\xff");
    }
    void wideTextRejectsBadUtf8() {
        QFETCH(QByteArray, utf8);
        TlvRecord r;
        r.setWString(kTagA, "keep");
        try {
            r.setWString(kTagA, utf8.toStdString());
            QFAIL("no error raised");
        } catch (const std::range_error& e) {
            QCOMPARE(std::string(e.what()), std::string("wstring_convert: from_bytes error"));
        }
        QCOMPARE(r.getWString(0).value(), std::string("keep"));
    }

    void malformedWideTextReadsAbsent() {
        QVERIFY(!parsed(hex("01000000 07 030000 e90000")).getWString(0).hasValue());
        QVERIFY(!parsed(hex("01000000 07 040000 00d80000")).getWString(0).hasValue());
        QVERIFY(!parsed(hex("01000000 07 040000 00001100")).getWString(0).hasValue());
    }
};

QTEST_GUILESS_MAIN(TestTlvRecord)
#include "tst_tlvrecord.moc"
