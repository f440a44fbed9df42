#include "model/transportalignmentdata.h"

#include "base/base64.h"
#include "base/byteutil.h"
#include "base/koassert.h"
#include "base/tlvrecord.h"

#include <QString>

#include <array>
#include <cmath>
#include <stdexcept>

namespace Ko::TransportAlignmentData {

namespace {

constexpr uint32_t tag(const char (&t)[5]) {
    return TlvRecord::tagOf(t);
}

constexpr char kDigestKey[] = "pelgrint";
// The program's own piece of every cipher key, in front of the package's digest. Packages decode
// only between programs that share it.
constexpr char kCipherKeyPiece[] = "qv7K";
static_assert(sizeof(kCipherKeyPiece) == 5, "the key piece is four characters");

constexpr size_t kPairBytes = 32;
constexpr size_t kMatrixBytes = 72;
// The envelope's format version must stay below this to be read.
constexpr uint32_t kVersionLimit = 0x10000;
// A model record that says only that it had an alignment type, not which, counts as a two-star
// model.
constexpr int32_t kAssumedAlignmentType = 2;

class Rc4 {
public:
    Rc4(const uint8_t* key, size_t length) {
        for (int i = 0; i < 256; ++i)
            m_s[size_t(i)] = uint8_t(i);
        uint8_t j = 0;
        for (size_t i = 0; i < 256; ++i) {
            j = uint8_t(j + m_s[i] + key[i % length]);
            std::swap(m_s[i], m_s[j]);
        }
    }

    uint8_t next() {
        m_i = uint8_t(m_i + 1);
        m_j = uint8_t(m_j + m_s[m_i]);
        std::swap(m_s[m_i], m_s[m_j]);
        return m_s[uint8_t(m_s[m_i] + m_s[m_j])];
    }

private:
    std::array<uint8_t, 256> m_s{};
    uint8_t m_i = 0;
    uint8_t m_j = 0;
};

// Enciphers and deciphers alike: the key is the program's piece followed by the digest.
void applyCipher(const CBytes& iv, uint8_t* data, size_t length) {
    KO_ASSERT(iv.size() == Size_iv);
    std::array<uint8_t, 4 + Size_iv> key{};
    std::copy(kCipherKeyPiece, kCipherKeyPiece + 4, key.begin());
    std::copy(iv.begin(), iv.end(), key.begin() + 4);
    Rc4 rc4(key.data(), key.size());
    for (size_t k = 0; k < length; ++k)
        data[k] ^= rc4.next();
}

CBytes matrixBytes(const Matrix3& m) {
    CBytes out;
    for (double v : m.e)
        out.appendBytes(ByteUtil::DoubleBytesLE(v));
    return out;
}

Matrix3 matrixOf(const CBytes& b) {
    Matrix3 m;
    for (size_t i = 0; i < 9; ++i)
        m.e[i] = ByteUtil::BytesLE_Double(CBytes::fromPartialData(b, 8 * i, 8));
    return m;
}

// The wide-string list cannot carry bytes that are not UTF-8; they become U+FFFD.
std::string validUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size())).toStdString();
}

TlvRecord nameList(const std::vector<std::string>& names, bool wide) {
    TlvRecord r;
    for (const auto& n : names) {
        if (wide)
            r.setWString(TlvRecord::kRepeatableTag, validUtf8(n));
        else
            r.setString(TlvRecord::kRepeatableTag, n);
    }
    r.setInt32(tag("cnt "), int32_t(names.size()));
    return r;
}

TlvRecord modelRecord(const ALIGNMENT_DATA& d) {
    TlvRecord r;
    r.setBytes(tag("mxhm"), matrixBytes(d.mxhm));
    r.setBytes(tag("mxmh"), matrixBytes(d.mxmh));
    r.setDouble(tag("cpid"), d.cpid);
    r.setDouble(tag("cpch"), d.cpch);
    r.setDouble(tag("cpnp"), d.cpnp);
    r.setInt32(tag("qual"), d.qual);
    if (d.dtma.hasValue())
        r.setInt32(tag("dtma"), d.dtma.value());
    if (d.muta.hasValue())
        r.setInt64(tag("muta"), d.muta.value());
    CBytes pairs;
    for (const auto& p : d.pairs)
        for (double v : {p.ha, p.dec, p.axis1, p.axis2})
            pairs.appendBytes(ByteUtil::DoubleBytesLE(v));
    r.setBytes(tag("pars"), pairs);
    r.setRecord(tag("obn8"), nameList(d.objNames, false));
    r.setRecord(tag("obns"), nameList(d.objNames, true));
    r.setInt32(tag("dela"), d.dtma.hasValue() ? 1 : 0);
    return r;
}

TlvRecord siteRecord(const CLocation& l) {
    TlvRecord r;
    r.setDouble(tag("llon"), l.longitudeRad);
    r.setDouble(tag("llat"), l.latitudeRad);
    r.setDouble(tag("lalt"), l.altitudeMeter);
    r.setDouble(tag("ltmp"), l.temperatureCelsius);
    return r;
}

std::vector<std::string> readNames(const TlvRecord& model) {
    const bool utf8 = model.hasTag(tag("obn8"));
    const TlvRecord list = model.getRecordOr(tag(utf8 ? "obn8" : "obns"), TlvRecord());
    const int count = list.getInt32Or(tag("cnt "), 0);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        const Nullable<std::string> name = utf8 ? list.getStringAt(i) : list.getWString(i);
        if (!name.hasValue())
            break;
        names.push_back(name.value());
    }
    return names;
}

Nullable<ALIGNMENT_DATA> readModel(const TlvRecord& r) {
    const Nullable<CBytes> mxhm = r.getBytes(tag("mxhm"));
    const Nullable<CBytes> mxmh = r.getBytes(tag("mxmh"));
    if (!mxhm.hasValue() || !mxmh.hasValue() || mxhm.value().size() != kMatrixBytes ||
        mxmh.value().size() != kMatrixBytes)
        return {};
    ALIGNMENT_DATA d;
    d.mxhm = matrixOf(mxhm.value());
    d.mxmh = matrixOf(mxmh.value());
    d.cpid = r.getDoubleOr(tag("cpid"), 0.0);
    d.cpch = r.getDoubleOr(tag("cpch"), 0.0);
    d.cpnp = r.getDoubleOr(tag("cpnp"), 0.0);
    d.qual = r.getInt32Or(tag("qual"), 0);
    d.dtma = r.getInt32(tag("dtma"));
    d.muta = r.getInt64(tag("muta"));
    const CBytes pairs = r.getBytesOr(tag("pars"), CBytes());
    if (pairs.size() % kPairBytes == 0) {
        for (size_t pos = 0; pos < pairs.size(); pos += kPairBytes) {
            auto at = [&](size_t k) {
                return ByteUtil::BytesLE_Double(CBytes::fromPartialData(pairs, pos + 8 * k, 8));
            };
            d.pairs.push_back({at(0), at(1), at(2), at(3)});
        }
    }
    // The model and its pairs feed every conversion and the correction table: a value that is
    // not a number would poison them all.
    bool finite = std::isfinite(d.cpid) && std::isfinite(d.cpch) && std::isfinite(d.cpnp);
    for (size_t i = 0; i < 9; ++i)
        finite = finite && std::isfinite(d.mxhm.e[i]) && std::isfinite(d.mxmh.e[i]);
    for (const ALIGNMENT_PAIR& p : d.pairs)
        finite = finite && std::isfinite(p.ha) && std::isfinite(p.dec) && std::isfinite(p.axis1) &&
                 std::isfinite(p.axis2);
    if (!finite)
        return {};
    d.objNames = readNames(r);
    d.objNames.resize(d.pairs.size());
    if (!d.dtma.hasValue() && r.getInt32Or(tag("dela"), 0) != 0)
        d.dtma = kAssumedAlignmentType;
    return d;
}

} // namespace

CBytes computeDigest(const CBytes& data) {
    Rc4 rc4(reinterpret_cast<const uint8_t*>(kDigestKey), sizeof(kDigestKey) - 1);
    CBytes digest(Size_digest, 0);
    for (size_t k = 0; k < data.size(); ++k)
        digest[k % Size_digest] ^= data[k] ^ rc4.next();
    return digest;
}

CBytes Envelope_Pack(const SavedAlignment& saved) {
    TlvRecord inner;
    const auto& v = saved.mcVersion;
    inner.setInt32(tag("mdmv"), int32_t(v[0]) << 16 | int32_t(v[1]) << 8 | int32_t(v[2]));
    inner.setInt32(tag("mdmm"), saved.mountMode);
    inner.setInt32(tag("mdmi"), saved.mountKind);
    inner.setBytes(tag("mdad"), modelRecord(saved.data).serialize());
    inner.setBytes(tag("mdlc"), siteRecord(saved.location).serialize());
    return Envelope_Seal(inner.serialize(), 0);
}

CBytes Envelope_Seal(const CBytes& innerRecord, int32_t formatVersion) {
    CBytes payload = innerRecord;
    const CBytes digest = computeDigest(payload);
    KO_ASSERT(digest.size() == Size_digest);
    payload.appendBytes(digest);
    applyCipher(digest, payload.data(), payload.size());

    CBytes sealed = digest;
    sealed.appendBytes(payload);
    TlvRecord envelope;
    envelope.setInt32(tag("mtvr"), formatVersion);
    envelope.setBytes(tag("dtsp"), sealed);
    return envelope.serialize();
}

std::string pack(const SavedAlignment& saved) {
    const CBytes bytes = Envelope_Pack(saved);
    return Base64::encodeBytes(bytes.data(), bytes.size(), false);
}

Nullable<SavedAlignment> readPackage(const CBytes& bytes) {
    const Nullable<TlvRecord> envelope = TlvRecord::parse(bytes);
    if (!envelope.hasValue())
        return {};
    const Nullable<int32_t> version = envelope.value().getInt32(tag("mtvr"));
    if (!version.hasValue() || uint32_t(version.value()) >= kVersionLimit)
        return {};
    const Nullable<CBytes> sealed = envelope.value().getBytes(tag("dtsp"));
    if (!sealed.hasValue() || sealed.value().size() < Size_iv + 1)
        return {};
    const CBytes iv = CBytes::slice(sealed.value(), 0, Size_iv);
    CBytes payload = CBytes::slice(sealed.value(), Size_iv, sealed.value().size());
    applyCipher(iv, payload.data(), payload.size());
    if (payload.size() < Size_digest + 1)
        return {};
    const CBytes inner = CBytes::slice(payload, 0, payload.size() - Size_digest);
    if (computeDigest(inner) != CBytes::slice(payload, inner.size(), payload.size()))
        return {};

    const Nullable<TlvRecord> record = TlvRecord::parse(inner);
    if (!record.hasValue())
        return {};
    const TlvRecord& r = record.value();
    const Nullable<int32_t> mcv = r.getInt32(tag("mdmv"));
    const Nullable<int32_t> mode = r.getInt32(tag("mdmm"));
    const Nullable<int32_t> kind = r.getInt32(tag("mdmi"));
    if (!mcv.hasValue() || !mode.hasValue() || !kind.hasValue())
        return {};
    const Nullable<CBytes> modelBytes = r.getBytes(tag("mdad"));
    const Nullable<CBytes> siteBytes = r.getBytes(tag("mdlc"));
    if (!modelBytes.hasValue() || !siteBytes.hasValue())
        return {};
    const Nullable<TlvRecord> modelRec = TlvRecord::parse(modelBytes.value());
    const Nullable<TlvRecord> siteRec = TlvRecord::parse(siteBytes.value());
    if (!modelRec.hasValue() || !siteRec.hasValue())
        return {};

    SavedAlignment saved;
    const uint32_t v = uint32_t(mcv.value());
    saved.mcVersion = {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
    saved.mountMode = mode.value();
    saved.mountKind = kind.value();
    const TlvRecord& s = siteRec.value();
    saved.location.longitudeRad = s.getDoubleOr(tag("llon"), 0.0);
    saved.location.latitudeRad = s.getDoubleOr(tag("llat"), 0.0);
    saved.location.altitudeMeter = s.getDoubleOr(tag("lalt"), 0.0);
    saved.location.temperatureCelsius = s.getDoubleOr(tag("ltmp"), 10.0);
    saved.location.mockLatitude = false;
    Nullable<ALIGNMENT_DATA> model = readModel(modelRec.value());
    if (!model.hasValue())
        return {};
    saved.data = std::move(model.value());
    saved.data.mountMode = saved.mountMode;
    saved.data.location = saved.location;
    return saved;
}

Nullable<SavedAlignment> unpack(const std::string& text) {
    CBytes bytes;
    try {
        bytes = CBytes::fromStdString(Base64::decode(text, false));
    } catch (const std::runtime_error&) {
        // Not base64: no package, like any other defect.
    }
    return readPackage(bytes);
}

} // namespace Ko::TransportAlignmentData
