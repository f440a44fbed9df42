#include "model/transportalignmentdata.h"

#include "astro/angleutil.h"
#include "base/base64.h"
#include "base/byteutil.h"
#include "base/tlvrecord.h"

#include <QTest>

#include <cmath>

#include <array>
#include <functional>
#include <tuple>

using namespace Ko;
namespace T = Ko::TransportAlignmentData;

namespace {

constexpr uint32_t tag(const char (&t)[5]) {
    return TlvRecord::tagOf(t);
}

SavedAlignment sample() {
    SavedAlignment s;
    s.mcVersion = {3, 2, 1};
    s.mountMode = 0;
    s.mountKind = 3;
    s.location.longitudeRad = -0.12;
    s.location.latitudeRad = 0.9;
    s.location.altitudeMeter = 312.5;
    s.location.temperatureCelsius = -5.5;
    ALIGNMENT_DATA& d = s.data;
    for (size_t i = 0; i < 9; ++i) {
        d.mxhm.e[i] = 0.1 * double(i) - 0.3;
        d.mxmh.e[i] = 0.7 - 0.05 * double(i);
    }
    d.cpid = 0.01;
    d.cpch = -0.002;
    d.cpnp = 0.0007;
    d.qual = 4;
    d.dtma = 3;
    d.muta = 1700000000123;
    d.pairs = {{0.1, 0.2, 0.3, 0.4}, {-1.1, 0.5, 2.9, 1.7}, {2.0, -0.4, -0.6, 0.8}};
    d.objNames = {"Vega", "Alnaïr", "ε Eri"};
    return s;
}

// What a reader gives back: the mode and site are the package's, and the site is never mock.
SavedAlignment asRead(SavedAlignment s) {
    s.location.mockLatitude = false;
    s.data.mountMode = s.mountMode;
    s.data.location = s.location;
    return s;
}

CBytes doubles(std::initializer_list<double> values) {
    CBytes out;
    for (double v : values)
        out.appendBytes(ByteUtil::DoubleBytesLE(v));
    return out;
}

// An inner record laid out by hand as the format tables it; change may alter the model record
// and the inner record before they are serialised.
using Change = std::function<void(TlvRecord& inner, TlvRecord& model)>;

CBytes innerRecord(const Change& change) {
    TlvRecord model;
    model.setBytes(tag("mxhm"), doubles({1, 0, 0, 0, 1, 0, 0, 0, 1}));
    model.setBytes(tag("mxmh"), doubles({1, 0, 0, 0, 1, 0, 0, 0, 1}));
    model.setDouble(tag("cpid"), 0.25);
    model.setBytes(tag("pars"), doubles({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8}));
    TlvRecord names;
    names.setString(TlvRecord::kRepeatableTag, "Deneb");
    names.setString(TlvRecord::kRepeatableTag, "Altair");
    names.setInt32(tag("cnt "), 2);
    model.setRecord(tag("obn8"), names);
    TlvRecord site;
    site.setDouble(tag("llat"), 0.5);
    TlvRecord inner;
    inner.setInt32(tag("mdmv"), 0x030201);
    inner.setInt32(tag("mdmm"), 1);
    inner.setInt32(tag("mdmi"), 2);
    change(inner, model);
    if (!inner.hasTag(tag("mdad")))
        inner.setBytes(tag("mdad"), model.serialize());
    inner.setBytes(tag("mdlc"), site.serialize());
    return inner.serialize();
}

std::string sealed(const Change& change, int32_t version = 0) {
    const CBytes b = T::Envelope_Seal(innerRecord(change), version);
    return Base64::encodeBytes(b.data(), b.size(), false);
}

// The same envelope enciphered under a key piece of another program.
std::string sealedUnderOtherPiece() {
    CBytes payload = innerRecord([](TlvRecord&, TlvRecord&) {});
    const CBytes digest = T::computeDigest(payload);
    payload.appendBytes(digest);
    std::array<uint8_t, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[size_t(i)] = uint8_t(i);
    CBytes key = CBytes::fromCString("zq0B");
    key.appendBytes(digest);
    uint8_t j = 0;
    for (size_t i = 0; i < 256; ++i) {
        j = uint8_t(j + s[i] + key[i % key.size()]);
        std::swap(s[i], s[j]);
    }
    uint8_t a = 0, b = 0;
    for (auto& byte : payload) {
        a = uint8_t(a + 1);
        b = uint8_t(b + s[a]);
        std::swap(s[a], s[b]);
        byte ^= s[uint8_t(s[a] + s[b])];
    }
    CBytes sealedBytes = digest;
    sealedBytes.appendBytes(payload);
    TlvRecord envelope;
    envelope.setInt32(tag("mtvr"), 0);
    envelope.setBytes(tag("dtsp"), sealedBytes);
    const CBytes e = envelope.serialize();
    return Base64::encodeBytes(e.data(), e.size(), false);
}

const Change kAsIs = [](TlvRecord&, TlvRecord&) {};

} // namespace

class TestTransportAlignmentData : public QObject {
    Q_OBJECT

private slots:
    // Reference: an independent implementation of the keyed digest (the stream cipher's key
    // schedule over "pelgrint", keystream folded into five bytes).
    void digest_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("digest");
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all.append(char(i));
        const QByteArray seven = all.left(7);
        QTest::newRow("empty") << QByteArray() << QByteArray::fromHex("0000000000");
        QTest::newRow("one zero") << QByteArray(1, 0) << QByteArray::fromHex("b700000000");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray::fromHex("d6259e0000");
        QTest::newRow("0..6") << seven << QByteArray::fromHex("c8abff3667");
        QTest::newRow("0..255") << all << QByteArray::fromHex("b2c922b0e1");
    }

    void digest() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, digest);
        const CBytes d = T::computeDigest(CBytes::fromData(data.constData(), size_t(data.size())));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(d.data()), qsizetype(d.size())), digest);
    }

    void roundTrip() {
        SavedAlignment solved = sample();
        SavedAlignment plain = sample();
        plain.mountMode = 1;
        plain.mountKind = 7;
        plain.data = makeDefaultAlignmentData(1, plain.location);
        plain.location.mockLatitude = true;
        for (const SavedAlignment& s : {solved, plain}) {
            const Nullable<SavedAlignment> back = T::unpack(T::pack(s));
            QVERIFY(back.hasValue());
            QCOMPARE(back.value(), asRead(s));
        }
        // A name that is not UTF-8 never stops the package; its bytes come back from the UTF-8
        // list as they were.
        solved.data.objNames[1] = std::string("Alna\xEF\xFF", 6);
        const Nullable<SavedAlignment> back = T::unpack(T::pack(solved));
        QVERIFY(back.hasValue());
        QCOMPARE(back.value().data.objNames, solved.data.objNames);
    }

    void rejected_data() {
        QTest::addColumn<std::string>("text");
        const std::string good = T::pack(sample());
        std::string broken = good;
        broken.insert(40, "\n");
        QTest::newRow("empty text") << std::string();
        QTest::newRow("not base64") << std::string("not base64!");
        QTest::newRow("broken into lines") << broken;
        QTest::newRow("base64 but no package") << std::string("aGVsbG8gd29ybGQ=");
        QTest::newRow("format version 65536") << sealed(kAsIs, 65536);
        QTest::newRow("format version -1") << sealed(kAsIs, -1);
        QTest::newRow("another program's key piece") << sealedUnderOtherPiece();
        QTest::newRow("no motor-controller version")
            << sealed([](TlvRecord& inner, TlvRecord&) { inner.setInt64(tag("mdmv"), 1); });
        QTest::newRow("model record missing")
            << sealed([](TlvRecord& inner, TlvRecord&) { inner.setInt32(tag("mdad"), 0); });
        QTest::newRow("model record malformed") << sealed([](TlvRecord& inner, TlvRecord&) {
            inner.setBytes(tag("mdad"), CBytes{1, 2, 3});
        });
        QTest::newRow("mxhm of 71 bytes") << sealed(
            [](TlvRecord&, TlvRecord& model) { model.setBytes(tag("mxhm"), CBytes(71, 0)); });
        QTest::newRow("no mxmh") << sealed(
            [](TlvRecord&, TlvRecord& model) { model.setDouble(tag("mxmh"), 1.0); });
        const double nan = std::nan(""), inf = INFINITY;
        QTest::newRow("mxhm element not a number") << sealed([&](TlvRecord&, TlvRecord& model) {
            model.setBytes(tag("mxhm"), doubles({1, 0, 0, 0, nan, 0, 0, 0, 1}));
        });
        QTest::newRow("mxmh element infinite") << sealed([&](TlvRecord&, TlvRecord& model) {
            model.setBytes(tag("mxmh"), doubles({1, 0, 0, 0, 1, 0, 0, 0, -inf}));
        });
        for (const auto& [name, term, value] : {std::tuple{"cpid", tag("cpid"), nan},
                                                {"cpch", tag("cpch"), inf},
                                                {"cpnp", tag("cpnp"), -inf}})
            QTest::addRow("%s not finite", name)
                << sealed([&](TlvRecord&, TlvRecord& model) { model.setDouble(term, value); });
        QTest::newRow("pair not a number") << sealed([&](TlvRecord&, TlvRecord& model) {
            model.setBytes(tag("pars"), doubles({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, nan, 0.8}));
        });
        TlvRecord shortSeal;
        shortSeal.setInt32(tag("mtvr"), 0);
        shortSeal.setBytes(tag("dtsp"), CBytes(5, 0));
        const CBytes s = shortSeal.serialize();
        QTest::newRow("five sealed bytes") << Base64::encodeBytes(s.data(), s.size(), false);
    }

    void rejected() {
        QFETCH(std::string, text);
        QVERIFY(!T::unpack(text).hasValue());
    }

    // Any changed byte of the sealed part, clear digest or enciphered body, is detected.
    void tamperedByte() {
        const CBytes good = T::Envelope_Pack(sample());
        QVERIFY(T::readPackage(good).hasValue());
        // mtvr entry (8 + 4 bytes), then the dtsp entry's 8 header bytes.
        for (size_t i = 20; i < good.size(); ++i) {
            CBytes bad = good;
            bad[i] ^= 0x10;
            QVERIFY2(!T::readPackage(bad).hasValue(), qPrintable(QString::number(i)));
        }
    }

    void lenientReading_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("dtma");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("format version 65535")
            << sealed(kAsIs, 65535) << -1 << 2 << QStringList{"Deneb", "Altair"};
        QTest::newRow("dela 1 reads as two stars")
            << sealed([](TlvRecord&, TlvRecord& model) { model.setInt32(tag("dela"), 1); }) << 2
            << 2 << QStringList{"Deneb", "Altair"};
        QTest::newRow("dela 0 leaves no type")
            << sealed([](TlvRecord&, TlvRecord& model) { model.setInt32(tag("dela"), 0); }) << -1
            << 2 << QStringList{"Deneb", "Altair"};
        QTest::newRow("dtma wins over dela") << sealed([](TlvRecord&, TlvRecord& model) {
            model.setInt32(tag("dtma"), 3);
            model.setInt32(tag("dela"), 1);
        }) << 3 << 2 << QStringList{"Deneb", "Altair"};
        QTest::newRow("pars of 40 bytes: no pairs, no names")
            << sealed(
                   [](TlvRecord&, TlvRecord& model) { model.setBytes(tag("pars"), CBytes(40, 0)); })
            << -1 << 0 << QStringList{};
        QTest::newRow("three pairs, two names") << sealed([](TlvRecord&, TlvRecord& model) {
            model.setBytes(tag("pars"), CBytes(96, 0));
        }) << -1 << 3 << QStringList{"Deneb", "Altair", ""};
        QTest::newRow("count beyond the names") << sealed([](TlvRecord&, TlvRecord& model) {
            TlvRecord names;
            names.setString(TlvRecord::kRepeatableTag, "Deneb");
            names.setInt32(tag("cnt "), 5);
            model.setRecord(tag("obn8"), names);
        }) << -1 << 2 << QStringList{"Deneb", ""};
        QTest::newRow("wide names only") << sealed([](TlvRecord&, TlvRecord& model) {
            TlvRecord rebuilt;
            for (const auto& e : model.entries())
                if (e.tag != tag("obn8"))
                    rebuilt.setField(e.tag, TlvFieldType(e.type), e.data);
            TlvRecord names;
            names.setWString(TlvRecord::kRepeatableTag, "Mirach");
            names.setWString(TlvRecord::kRepeatableTag, "Schédar");
            names.setInt32(tag("cnt "), 2);
            rebuilt.setRecord(tag("obns"), names);
            model = rebuilt;
        }) << -1 << 2 << QStringList{"Mirach", "Schédar"};
    }

    void lenientReading() {
        QFETCH(std::string, text);
        QFETCH(int, dtma);
        QFETCH(int, pairs);
        QFETCH(QStringList, names);
        const Nullable<SavedAlignment> s = T::unpack(text);
        QVERIFY(s.hasValue());
        const ALIGNMENT_DATA& d = s.value().data;
        QCOMPARE(d.dtma.valueOr(-1), dtma);
        QCOMPARE(int(d.pairs.size()), pairs);
        QStringList got;
        for (const auto& n : d.objNames)
            got << QString::fromStdString(n);
        QCOMPARE(got, names);
        // The identity and the defaults of what the hand-made record leaves out.
        QCOMPARE(s.value().mcVersion, (std::array<uint8_t, 3>{3, 2, 1}));
        QCOMPARE(s.value().mountMode, 1);
        QCOMPARE(d.mountMode.value(), 1);
        QCOMPARE(s.value().location.temperatureCelsius, 10.0);
        QCOMPARE(s.value().location.latitudeRad, 0.5);
        QCOMPARE(d.cpid, 0.25);
        QCOMPARE(d.cpch, 0.0);
        QVERIFY(!d.muta.hasValue());
    }
};

QTEST_GUILESS_MAIN(TestTransportAlignmentData)
#include "tst_transportalignmentdata.moc"
