#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Ko {

// The byte vector that carries every mount command, reply, datagram and encoded record. A value
// type with the interface of std::vector<uint8_t>; bytes added by a resize are zero.
// Threads: any thread (a value type).
class CBytes : public std::vector<uint8_t> {
public:
    using std::vector<uint8_t>::vector;
    CBytes() = default;
    CBytes(std::vector<uint8_t> v) : std::vector<uint8_t>(std::move(v)) {}

    static CBytes fromData(const void* data, size_t length);
    static CBytes fromStdString(const std::string& s);
    static CBytes fromCString(const char* s);
    static CBytes slice(const CBytes& source, size_t first, size_t last);
    static CBytes fromPartialData(const CBytes& source, size_t start, size_t count);

    void appendBytes(const CBytes& other);
    void appendData(const void* data, size_t n);
    void appendCString(const char* s);
    std::string toStdString() const;
};

} // namespace Ko
