#include "base/tests/datarow.h"
#include "link/cmdret.h"
#include "link/linkqmltypes.h"
#include "link/mountcmd.h"
#include "link/tests/bytetext.h"

#include <QDebug>
#include <QMetaEnum>
#include <QMetaType>
#include <QTest>
#include <QtQml/qqml.h>

#include <limits>

using namespace Ko;

Q_DECLARE_METATYPE(Ko::MountCmd)

class TstMountCmd : public QObject {
    Q_OBJECT
private slots:
    void encodeFrames_data() {
        QTest::addColumn<MountCmd>("cmd");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("position read axis 1") << MountCmd(0, 'j') << QByteArray(":j1\r");
        QTest::newRow("axis index 7 is axis 2") << MountCmd(7, 'j') << QByteArray(":j2\r");
        dataRow("goto increment axis 2", MountCmd(1, 'H', MountCmd::hex24(0x001234)),
                QByteArray(":H2341200\r"));
        dataRow("set position adds offset", MountCmd(0, 'E', MountCmd::hex24(0x800000 + 5)),
                QByteArray(":E1050080\r"));
        QTest::newRow("makeW reset home sensor")
            << MountCmd::makeW(1, 8) << QByteArray(":W2080000\r");
        dataRow("makeW 115200 baud", MountCmd::makeW(0, (115200 / 100) * 256 + 0x0D),
                QByteArray(":W10D8004\r"));
        QTest::newRow("makeQ feature record") << MountCmd::makeQ(0, 1) << QByteArray(":q1010000\r");
        QTest::newRow("makeXSub tick rate") << MountCmd::makeXSub(0, 6) << QByteArray(":X10006\r");
        QTest::newRow("makeXSub home sensor")
            << MountCmd::makeXSub(1, 0x0B) << QByteArray(":X2000B\r");
        QTest::newRow("makeXSub5") << MountCmd::makeXSub5(0, 0x1F) << QByteArray(":X1051F\r");
        dataRow("makeX set position", MountCmd::makeX(1, 1, MountCmd::hex32(0xFFFFFFFE)),
                QByteArray(":X201FFFFFFFE\r"));
        dataRow("makeX empty payload", MountCmd::makeX(0, 0x2A, CBytes()), QByteArray(":X12A\r"));
        dataRow("aux switch", MountCmd(0, 'O', CBytes::fromCString("1")), QByteArray(":O11\r"));
    }
    void encodeFrames() {
        QFETCH(MountCmd, cmd);
        QFETCH(QByteArray, frame);
        QCOMPARE(qb(MountCmd::encode(cmd)), frame);
    }

    void payloadEncoders_data() {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("hex24 little endian")
            << qb(MountCmd::hex24(0x123456)) << QByteArray("563412");
        dataRow("hex24 keeps low 24 bits", qb(MountCmd::hex24(0xAB123456)), QByteArray("563412"));
        QTest::newRow("hex32 big endian")
            << qb(MountCmd::hex32(0x0102A0FF)) << QByteArray("0102A0FF");
        dataRow("hex64 big endian", qb(MountCmd::hex64(0x0123456789ABCDEFull)),
                QByteArray("0123456789ABCDEF"));
        dataRow("msToTicks 1500 ms at 1000 Hz", qb(MountCmd::msToTicks(1500, 1000)),
                QByteArray("00000000000005DC"));
        dataRow("msToTicks truncates", qb(MountCmd::msToTicks(1, 1500)),
                QByteArray("0000000000000001"));
        dataRow("msToTicks negative is two's complement", qb(MountCmd::msToTicks(-1000, 16)),
                QByteArray("FFFFFFFFFFFFFFF0"));
    }
    void payloadEncoders() {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }

    void msToTicksValueSaturates() {
        QCOMPARE(MountCmd::msToTicksValue(250, 1000), int64_t(250));
        QCOMPARE(MountCmd::msToTicksValue(999, 1000), int64_t(999));
        QCOMPARE(MountCmd::msToTicksValue(std::numeric_limits<int64_t>::max(), 0xFFFFFFFF),
                 std::numeric_limits<int64_t>::max());
        QCOMPARE(MountCmd::msToTicksValue(std::numeric_limits<int64_t>::min(), 0xFFFFFFFF),
                 std::numeric_limits<int64_t>::min());
    }

    // Replies with a 24-bit value (least significant byte first) and, wide, with a 32-bit one
    // (most significant first).
    void parseValue_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<uint>("value");
        dataRow("2 digits", false, QByteArray("=12\r"), true, 0x12u);
        dataRow("4 digits", false, QByteArray("=3412\r"), true, 0x1234u);
        dataRow("6 digits", false, QByteArray("=563412\r"), true, 0x123456u);
        dataRow("all ones", false, QByteArray("=FFFFFF\r"), true, 0xFFFFFFu);
        dataRow("position at offset", false, QByteArray("=000080\r"), true, 0x800000u);
        dataRow("empty value", false, QByteArray("=\r"), false, 0u);
        dataRow("odd digits", false, QByteArray("=123\r"), false, 0u);
        dataRow("8 digits too long", false, QByteArray("=12345678\r"), false, 0u);
        dataRow("lower case", false, QByteArray("=abcdef\r"), false, 0u);
        dataRow("non hex", false, QByteArray("=12G4\r"), false, 0u);
        dataRow("empty", false, QByteArray(), false, 0u);
        dataRow("wide: big endian", true, QByteArray("=00012345\r"), true, 0x12345u);
        dataRow("wide: minus one", true, QByteArray("=FFFFFFFF\r"), true, 0xFFFFFFFFu);
        dataRow("wide: 9 bytes", true, QByteArray("=0001234\r"), false, 0u);
        dataRow("wide: 11 bytes", true, QByteArray("=000123456\r"), false, 0u);
        dataRow("wide: lower case", true, QByteArray("=0000abcd\r"), false, 0u);
        dataRow("wide: classic length", true, QByteArray("=563412\r"), false, 0u);
    }
    void parseValue() {
        QFETCH(bool, wide);
        QFETCH(QByteArray, reply);
        QFETCH(bool, valid);
        QFETCH(uint, value);
        const auto v = wide ? MountCmd::parseValue32(cb(reply)) : MountCmd::parseValue(cb(reply));
        QCOMPARE(v.hasValue(), valid);
        if (valid)
            QCOMPARE(v.value(), uint32_t(value));
    }

    void parseVersion_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<uint>("version");
        QTest::newRow("valid") << QByteArray("=0A0B80\r") << 0x01800B0Au;
        QTest::newRow("garbage before") << QByteArray("xy=0A0B82\r") << 0x01820B0Au;
        QTest::newRow("nak") << QByteArray("!\r") << 0u;
        QTest::newRow("7 bytes") << QByteArray("=0A0B8\r") << 0u;
        QTest::newRow("double equals") << QByteArray("==0A0B80\r") << 0u;
        QTest::newRow("lower case") << QByteArray("=0a0b80\r") << 0u;
        QTest::newRow("no equals") << QByteArray("0A0B80\r") << 0u;
        QTest::newRow("empty") << QByteArray() << 0u;
    }
    void parseVersion() {
        QFETCH(QByteArray, reply);
        QFETCH(uint, version);
        QCOMPARE(MountCmd::parseVersion(cb(reply)), uint32_t(version));
    }

    void cmdRespValueGuard() {
        CmdResp<uint32_t> empty(CmdRetType_::Nak);
        QVERIFY(!empty.hasValue);
        try {
            (void)empty.value();
            QFAIL("reading an empty result must throw");
        } catch (const std::logic_error& e) {
            QCOMPARE(QByteArray(e.what()), QByteArray("CmdResp: read invalid"));
        }
        const auto ok = CmdResp<uint32_t>::ok(7);
        QVERIFY(ok.isOk());
        QCOMPARE(ok.value(), 7u);
        QCOMPARE(ok.cmdRet().type, CmdRetType_::Ok);
        QCOMPARE(CmdResp<CBytes>().type, CmdRetType_::Timeout);
    }

    void cmdRetTexts() {
        QCOMPARE(QByteArray(cmdRetTypeText(CmdRetType_::Ok)), QByteArray("Successful"));
        QCOMPARE(QByteArray(cmdRetTypeText(CmdRetType_::Nak)), QByteArray("Negative response"));
        QCOMPARE(QByteArray(cmdRetTypeText(CmdRetType_::Timeout)),
                 QByteArray("Communication error"));
        QCOMPARE(QByteArray(cmdRetTypeText(CmdRetType_::Cancel)), QByteArray("Operation canceled"));
        QCOMPARE(QByteArray(cmdRetTypeText(CmdRetType_::Other)), QByteArray("Unexpected response"));
    }

    void cmdRetMetaTypeGoesThroughSuccess() {
        QCOMPARE(CmdRet().type, CmdRetType_::Timeout);
        QVERIFY(!CmdRet());
        QVERIFY(bool(CmdRet(CmdRetType_::Ok)));

        QMetaType mt = QMetaType::fromType<CmdRet>();
        const CmdRet ok(CmdRetType_::Ok), nak(CmdRetType_::Nak), timeout;
        QVERIFY(mt.equals(&nak, &timeout));
        QVERIFY(!mt.equals(&ok, &nak));
        QCOMPARE(mt.compare(&nak, &ok), QPartialOrdering::Less);
        QCOMPARE(mt.compare(&ok, &timeout), QPartialOrdering::Greater);
        QCOMPARE(mt.compare(&nak, &timeout), QPartialOrdering::Equivalent);
        QCOMPARE(QVariant::fromValue(nak), QVariant::fromValue(timeout));

        QString text;
        QDebug(&text).nospace() << ok << ' ' << nak;
        QCOMPARE(text, QStringLiteral("true false"));
        QString streamed;
        {
            QDebug debug(&streamed);
            debug.nospace();
            QVERIFY(mt.debugStream(debug, &nak));
        }
        QCOMPARE(streamed, QStringLiteral("false"));

        // QML reads the outcome through the gadget property.
        const QMetaObject& mo = CmdRet::staticMetaObject;
        const int index = mo.indexOfProperty("type");
        QVERIFY(index >= 0);
        QCOMPARE(mo.property(index).readOnGadget(&nak).toInt(), int(CmdRetType_::Nak));
    }

    void qmlSeesCmdRetType() {
        QCOMPARE(qmlTypeId("Ko.LinkTest", 1, 0, "CmdRetType"), -1);
        registerLinkQmlTypes("Ko.LinkTest");
        QVERIFY(qmlTypeId("Ko.LinkTest", 1, 0, "CmdRetType") >= 0);
        // QML reads the values by these names.
        const QMetaEnum e = QMetaEnum::fromType<CmdRetType_::E>();
        QCOMPARE(e.keyToValue("Ok"), 0);
        QCOMPARE(e.keyToValue("Nak"), 1);
        QCOMPARE(e.keyToValue("Timeout"), 2);
        QCOMPARE(e.keyToValue("Cancel"), 3);
        QCOMPARE(e.keyToValue("Other"), 4);
        QVERIFY(QMetaType::fromName("Ko::CmdRet").isValid());
    }
};

QTEST_GUILESS_MAIN(TstMountCmd)
#include "tst_mountcmd.moc"
