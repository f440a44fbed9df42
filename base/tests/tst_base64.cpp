#include "base/base64.h"

#include <QtTest>

#include <stdexcept>
#include <string>

using namespace Ko;

namespace {
std::string bytes(const QByteArray& hex) {
    return QByteArray::fromHex(hex).toStdString();
}
} // namespace

class TestBase64 : public QObject {
    Q_OBJECT

private slots:
    // RFC 4648 section 10 plus the alphabet-specific characters.
    void encode_data() {
        QTest::addColumn<QByteArray>("inputHex");
        QTest::addColumn<bool>("urlSafe");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << false << "";
        QTest::newRow("f") << QByteArray("66") << false << "Zg==";
        QTest::newRow("fo") << QByteArray("666f") << false << "Zm8=";
        QTest::newRow("foo") << QByteArray("666f6f") << false << "Zm9v";
        QTest::newRow("foob") << QByteArray("666f6f62") << false << "Zm9vYg==";
        QTest::newRow("fooba") << QByteArray("666f6f6261") << false << "Zm9vYmE=";
        QTest::newRow("foobar") << QByteArray("666f6f626172") << false << "Zm9vYmFy";
        QTest::newRow("abcd") << QByteArray("61626364") << false << "YWJjZA==";
        QTest::newRow("abcd url") << QByteArray("61626364") << true << "YWJjZA..";
        QTest::newRow("FB FF") << QByteArray("fbff") << false << "+/8=";
        QTest::newRow("FB FF url") << QByteArray("fbff") << true << "-_8.";
        QTest::newRow("all ones") << QByteArray("ffffff") << false << "////";
        QTest::newRow("zeros") << QByteArray("000000") << true << "AAAA";
    }
    void encode() {
        QFETCH(QByteArray, inputHex);
        QFETCH(bool, urlSafe);
        QFETCH(QString, expected);
        const std::string in = bytes(inputHex);
        QCOMPARE(QString::fromStdString(Base64::encode(in, urlSafe)), expected);
        QCOMPARE(QString::fromStdString(Base64::encodeBytes(
                     reinterpret_cast<const uint8_t*>(in.data()), in.size(), urlSafe)),
                 expected);
    }

    void decode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("strip");
        QTest::addColumn<QByteArray>("expectedHex");
        QTest::newRow("empty") << "" << false << QByteArray();
        QTest::newRow("url alphabet") << "-_8." << false << QByteArray("fbff");
        QTest::newRow("standard") << "+/8=" << false << QByteArray("fbff");
        QTest::newRow("mixed alphabets") << "+_8=" << false << QByteArray("fbff");
        QTest::newRow("no padding") << "YWJjZA" << false << QByteArray("61626364");
        QTest::newRow("three left") << "Zm8" << false << QByteArray("666f");
        QTest::newRow("padding mid text") << "Zg==Zm9v" << false << QByteArray("66666f6f");
        QTest::newRow("period padding") << "YWJjZA.." << false << QByteArray("61626364");
        QTest::newRow("line feed stripped") << "YWJj\nZA==" << true << QByteArray("61626364");
        QTest::newRow("empty after strip") << "\n\n" << true << QByteArray();
    }
    void decode() {
        QFETCH(QString, text);
        QFETCH(bool, strip);
        QFETCH(QByteArray, expectedHex);
        const std::string t = text.toStdString();
        QCOMPARE(Base64::decode(t, strip), bytes(expectedHex));
        QCOMPARE(Base64::decode(t.data(), t.size(), strip), bytes(expectedHex));
    }

    void decodeRejects_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("strip");
        QTest::newRow("dangling char") << "YWJjZ" << false;
        QTest::newRow("single char") << "Y" << false;
        QTest::newRow("space") << "YW Jj" << false;
        QTest::newRow("carriage return") << "YWJj\r\nZA==" << true;
        QTest::newRow("line feed unstripped") << "YWJj\nZA==" << false;
        QTest::newRow("padding second") << "Y===" << false;
        QTest::newRow("padding first") << "=AAA" << false;
        QTest::newRow("other symbol") << "YW*j" << false;
        QTest::newRow("high byte") << "YW\xc3\xa9" << false;
    }
    void decodeRejects() {
        QFETCH(QString, text);
        QFETCH(bool, strip);
        try {
            Base64::decode(text.toStdString(), strip);
            QFAIL("no error raised");
        } catch (const std::runtime_error& e) {
            QCOMPARE(std::string(e.what()), std::string("Input is not valid base64-encoded data."));
        }
    }

    void roundTripEveryByteValue() {
        std::string all;
        for (int i = 0; i < 256; ++i)
            all += char(i);
        for (size_t len : {size_t(0), size_t(1), size_t(2), size_t(3), size_t(254), size_t(256)}) {
            const std::string in = all.substr(0, len);
            QCOMPARE(Base64::decode(Base64::encode(in, false), false), in);
            QCOMPARE(Base64::decode(Base64::encode(in, true), false), in);
            QCOMPARE(Base64::decode(Base64::encodePem(in), true), in);
            QCOMPARE(Base64::decode(Base64::encodeMime(in), true), in);
        }
        // Standard encoding agrees with an independent implementation.
        QCOMPARE(QByteArray::fromStdString(Base64::encode(all, false)),
                 QByteArray::fromStdString(all).toBase64());
    }

    void lineBreaks_data() {
        QTest::addColumn<int>("inputBytes");
        QTest::addColumn<bool>("mime");
        QTest::addColumn<QList<int>>("lineLengths");
        QTest::newRow("pem 48") << 48 << false << QList<int>{64};
        QTest::newRow("pem 49") << 49 << false << QList<int>{64, 4};
        QTest::newRow("pem 96") << 96 << false << QList<int>{64, 64};
        QTest::newRow("pem 97") << 97 << false << QList<int>{64, 64, 4};
        QTest::newRow("mime 57") << 57 << true << QList<int>{76};
        QTest::newRow("mime 58") << 58 << true << QList<int>{76, 4};
        QTest::newRow("mime 120") << 120 << true << QList<int>{76, 76, 8};
        QTest::newRow("mime 171") << 171 << true << QList<int>{76, 76, 76};
        QTest::newRow("empty") << 0 << true << QList<int>{0};
    }
    void lineBreaks() {
        QFETCH(int, inputBytes);
        QFETCH(bool, mime);
        QFETCH(QList<int>, lineLengths);
        const std::string in(size_t(inputBytes), '\x5a');
        const std::string out = mime ? Base64::encodeMime(in) : Base64::encodePem(in);
        const std::string same =
            mime ? Base64::encodeMime(reinterpret_cast<const uint8_t*>(in.data()), in.size())
                 : Base64::encodePem(reinterpret_cast<const uint8_t*>(in.data()), in.size());
        QCOMPARE(same, out);
        QList<int> lengths;
        for (const QString& line : QString::fromStdString(out).split('\n'))
            lengths.append(int(line.size()));
        QCOMPARE(lengths, lineLengths);
    }
};

QTEST_GUILESS_MAIN(TestBase64)
#include "tst_base64.moc"
