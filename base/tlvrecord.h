#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Ko {

enum class TlvFieldType : int32_t {
    Bytes = 0,
    Int32 = 1,
    Int64 = 2,
    Float = 3,
    Double = 4,
    Record = 5,
    String = 6,
    WString = 7,
};

// An ordered list of tagged, typed entries. Wire form per entry: tag (uint32 LE), type (uint8),
// data length (24-bit LE), data; entries follow each other with nothing around them. Tags are
// unique within a record except kRepeatableTag. Nested records are parsed on demand.
// Threads: any thread, as any value type.
class TlvRecord {
public:
    static constexpr uint32_t kRepeatableTag = 0xFFFFFFFFu;
    static constexpr size_t kMaxDataSize = 0xFFFFFF;

    // A tag written as four characters: the number whose most significant byte is the first.
    static constexpr uint32_t tagOf(const char (&t)[5]) {
        return uint32_t(uint8_t(t[0])) << 24 | uint32_t(uint8_t(t[1])) << 16 |
               uint32_t(uint8_t(t[2])) << 8 | uint32_t(uint8_t(t[3]));
    }

    struct Entry {
        uint32_t tag = 0;
        int32_t type = 0;
        CBytes data;
    };

    static Nullable<TlvRecord> parse(const CBytes& bytes);
    CBytes serialize() const;

    const std::vector<Entry>& entries() const { return m_entries; }
    bool hasTag(uint32_t tag) const;
    int indexOf(uint32_t tag) const;

    Nullable<CBytes> getBytes(uint32_t tag) const;
    Nullable<CBytes> getBytesAt(int index) const;
    CBytes getBytesOr(uint32_t tag, const CBytes& def) const;
    Nullable<int32_t> getInt32(uint32_t tag) const;
    Nullable<int32_t> getInt32At(int index) const;
    int32_t getInt32Or(uint32_t tag, int32_t def) const;
    Nullable<int64_t> getInt64(uint32_t tag) const;
    Nullable<int64_t> getInt64At(int index) const;
    int64_t getInt64Or(uint32_t tag, int64_t def) const;
    Nullable<float> getFloat(uint32_t tag) const;
    Nullable<float> getFloatAt(int index) const;
    float getFloatOr(uint32_t tag, float def) const;
    Nullable<double> getDouble(uint32_t tag) const;
    Nullable<double> getDoubleAt(int index) const;
    double getDoubleOr(uint32_t tag, double def) const;
    Nullable<TlvRecord> getRecord(uint32_t tag) const;
    Nullable<TlvRecord> getRecordAt(int index) const;
    TlvRecord getRecordOr(uint32_t tag, const TlvRecord& def) const;
    Nullable<std::string> getString(uint32_t tag) const;
    Nullable<std::string> getStringAt(int index) const;
    std::string getStringOr(uint32_t tag, const std::string& def) const;
    // UTF-32LE data as UTF-8; absent when the data is not a whole number of valid code points.
    Nullable<std::string> getWString(int index) const;

    // Replaces type and data of an existing entry with the tag in place, else appends. Throws
    // std::length_error when the data does not fit the 24-bit length field.
    void setField(uint32_t tag, TlvFieldType type, const CBytes& bytes);
    void setBytes(uint32_t tag, const CBytes& bytes);
    void setInt32(uint32_t tag, int32_t v);
    void setInt64(uint32_t tag, int64_t v);
    void setFloat(uint32_t tag, float v);
    void setDouble(uint32_t tag, double v);
    void setRecord(uint32_t tag, const TlvRecord& record);
    void setString(uint32_t tag, const std::string& text);
    // Throws std::range_error "wstring_convert: from_bytes error" for text that is not UTF-8.
    void setWString(uint32_t tag, const std::string& text);

private:
    const Entry* checked(int index, TlvFieldType type, size_t size, bool testSize) const;

    std::vector<Entry> m_entries;
};

} // namespace Ko
