#include "base/tlvrecord.h"

#include "base/byteutil.h"

#include <set>
#include <stdexcept>

namespace Ko {

namespace {

// The n-byte little-endian number at pos, read in place.
uint32_t readLE(const CBytes& b, size_t pos, size_t n) {
    uint32_t v = 0;
    for (size_t i = n; i-- > 0;)
        v = v << 8 | b[pos + i];
    return v;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

bool isScalarValue(uint32_t cp) {
    return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

[[noreturn]] void invalidUtf8() {
    throw std::range_error("wstring_convert: from_bytes error");
}

// Strict: overlong forms, surrogates, values above U+10FFFF and cut sequences are refused.
std::vector<uint32_t> decodeUtf8(const std::string& text) {
    std::vector<uint32_t> out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const uint8_t lead = uint8_t(text[i]);
        size_t extra = 0;
        uint32_t cp = lead;
        uint32_t minimum = 0;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) {
                extra = 1;
                cp = lead & 0x1F;
                minimum = 0x80;
            } else if ((lead & 0xF0) == 0xE0) {
                extra = 2;
                cp = lead & 0x0F;
                minimum = 0x800;
            } else if ((lead & 0xF8) == 0xF0) {
                extra = 3;
                cp = lead & 0x07;
                minimum = 0x10000;
            } else {
                invalidUtf8();
            }
        }
        if (i + extra >= text.size())
            invalidUtf8();
        for (size_t k = 1; k <= extra; ++k) {
            const uint8_t c = uint8_t(text[i + k]);
            if ((c & 0xC0) != 0x80)
                invalidUtf8();
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < minimum || !isScalarValue(cp))
            invalidUtf8();
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

} // namespace

Nullable<TlvRecord> TlvRecord::parse(const CBytes& bytes) {
    TlvRecord record;
    std::set<uint32_t> seen;
    size_t pos = 0;
    const size_t size = bytes.size();
    while (pos < size) {
        if (size - pos < 8)
            return {};
        const uint32_t tag = readLE(bytes, pos, 4);
        const int32_t type = bytes[pos + 4];
        const size_t length = readLE(bytes, pos + 5, 3);
        if (tag != kRepeatableTag && !seen.insert(tag).second)
            return {};
        if (length > size - pos - 8)
            return {};
        const size_t begin = pos + 8;
        record.m_entries.push_back(
            {tag, type,
             CBytes(bytes.begin() + ptrdiff_t(begin), bytes.begin() + ptrdiff_t(begin + length))});
        pos = begin + length;
    }
    return record;
}

CBytes TlvRecord::serialize() const {
    CBytes out;
    for (const auto& e : m_entries) {
        out.appendBytes(ByteUtil::IntBytesLE(int32_t(e.tag), 4));
        out.push_back(uint8_t(e.type));
        out.appendBytes(ByteUtil::IntBytesLE(int32_t(e.data.size()), 3));
        out.appendBytes(e.data);
    }
    return out;
}

bool TlvRecord::hasTag(uint32_t tag) const {
    return indexOf(tag) >= 0;
}

int TlvRecord::indexOf(uint32_t tag) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].tag == tag)
            return int(i);
    }
    return -1;
}

const TlvRecord::Entry* TlvRecord::checked(int index, TlvFieldType type, size_t size,
                                           bool testSize) const {
    if (index < 0 || size_t(index) >= m_entries.size())
        return nullptr;
    const Entry& e = m_entries[size_t(index)];
    if (e.type != int32_t(type))
        return nullptr;
    if (testSize && e.data.size() != size)
        return nullptr;
    return &e;
}

Nullable<CBytes> TlvRecord::getBytesAt(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::Bytes, 0, false))
        return e->data;
    return {};
}

Nullable<int32_t> TlvRecord::getInt32At(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::Int32, 4, true))
        return ByteUtil::BytesLE_Int(e->data);
    return {};
}

Nullable<int64_t> TlvRecord::getInt64At(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::Int64, 8, true))
        return ByteUtil::BytesLE_Long(e->data);
    return {};
}

Nullable<float> TlvRecord::getFloatAt(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::Float, 4, true))
        return ByteUtil::BytesLE_Float(e->data);
    return {};
}

Nullable<double> TlvRecord::getDoubleAt(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::Double, 8, true))
        return ByteUtil::BytesLE_Double(e->data);
    return {};
}

Nullable<TlvRecord> TlvRecord::getRecordAt(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::Record, 0, false))
        return parse(e->data);
    return {};
}

Nullable<std::string> TlvRecord::getStringAt(int index) const {
    if (const Entry* e = checked(index, TlvFieldType::String, 0, false))
        return std::string(e->data.begin(), e->data.end());
    return {};
}

Nullable<std::string> TlvRecord::getWString(int index) const {
    const Entry* e = checked(index, TlvFieldType::WString, 0, false);
    if (!e || e->data.size() % 4 != 0)
        return {};
    std::string out;
    for (size_t pos = 0; pos < e->data.size(); pos += 4) {
        const uint32_t cp = readLE(e->data, pos, 4);
        if (!isScalarValue(cp))
            return {};
        appendUtf8(out, cp);
    }
    return out;
}

Nullable<CBytes> TlvRecord::getBytes(uint32_t tag) const {
    return getBytesAt(indexOf(tag));
}
Nullable<int32_t> TlvRecord::getInt32(uint32_t tag) const {
    return getInt32At(indexOf(tag));
}
Nullable<int64_t> TlvRecord::getInt64(uint32_t tag) const {
    return getInt64At(indexOf(tag));
}
Nullable<float> TlvRecord::getFloat(uint32_t tag) const {
    return getFloatAt(indexOf(tag));
}
Nullable<double> TlvRecord::getDouble(uint32_t tag) const {
    return getDoubleAt(indexOf(tag));
}
Nullable<TlvRecord> TlvRecord::getRecord(uint32_t tag) const {
    return getRecordAt(indexOf(tag));
}
Nullable<std::string> TlvRecord::getString(uint32_t tag) const {
    return getStringAt(indexOf(tag));
}

CBytes TlvRecord::getBytesOr(uint32_t tag, const CBytes& def) const {
    return getBytes(tag).valueOr(def);
}
int32_t TlvRecord::getInt32Or(uint32_t tag, int32_t def) const {
    return getInt32(tag).valueOr(def);
}
int64_t TlvRecord::getInt64Or(uint32_t tag, int64_t def) const {
    return getInt64(tag).valueOr(def);
}
float TlvRecord::getFloatOr(uint32_t tag, float def) const {
    return getFloat(tag).valueOr(def);
}
double TlvRecord::getDoubleOr(uint32_t tag, double def) const {
    return getDouble(tag).valueOr(def);
}
TlvRecord TlvRecord::getRecordOr(uint32_t tag, const TlvRecord& def) const {
    return getRecord(tag).valueOr(def);
}
std::string TlvRecord::getStringOr(uint32_t tag, const std::string& def) const {
    return getString(tag).valueOr(def);
}

void TlvRecord::setField(uint32_t tag, TlvFieldType type, const CBytes& bytes) {
    // A longer length would be cut to 24 bits on the wire and corrupt every following entry.
    if (bytes.size() > kMaxDataSize)
        throw std::length_error("TlvRecord: data too long");
    if (tag != kRepeatableTag) {
        const int i = indexOf(tag);
        if (i >= 0) {
            m_entries[size_t(i)].type = int32_t(type);
            m_entries[size_t(i)].data = bytes;
            return;
        }
    }
    m_entries.push_back({tag, int32_t(type), bytes});
}

void TlvRecord::setBytes(uint32_t tag, const CBytes& bytes) {
    setField(tag, TlvFieldType::Bytes, bytes);
}
void TlvRecord::setInt32(uint32_t tag, int32_t v) {
    setField(tag, TlvFieldType::Int32, ByteUtil::IntBytesLE(v, 4));
}
void TlvRecord::setInt64(uint32_t tag, int64_t v) {
    setField(tag, TlvFieldType::Int64, ByteUtil::LongBytesLE(v, 8));
}
void TlvRecord::setFloat(uint32_t tag, float v) {
    setField(tag, TlvFieldType::Float, ByteUtil::FloatBytesLE(v));
}
void TlvRecord::setDouble(uint32_t tag, double v) {
    setField(tag, TlvFieldType::Double, ByteUtil::DoubleBytesLE(v));
}
void TlvRecord::setRecord(uint32_t tag, const TlvRecord& record) {
    setField(tag, TlvFieldType::Record, record.serialize());
}
void TlvRecord::setString(uint32_t tag, const std::string& text) {
    setField(tag, TlvFieldType::String, CBytes(text.begin(), text.end()));
}
void TlvRecord::setWString(uint32_t tag, const std::string& text) {
    CBytes data;
    for (uint32_t cp : decodeUtf8(text))
        data.appendBytes(ByteUtil::IntBytesLE(int32_t(cp), 4));
    setField(tag, TlvFieldType::WString, data);
}

} // namespace Ko
