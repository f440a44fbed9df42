#include "base/cbytes.h"

#include "base/koassert.h"

#include <cstring>

namespace Ko {

CBytes CBytes::fromData(const void* data, size_t length) {
    CBytes out;
    out.appendData(data, length);
    return out;
}

CBytes CBytes::fromStdString(const std::string& s) {
    return fromData(s.data(), s.size());
}

CBytes CBytes::fromCString(const char* s) {
    return fromData(s, s ? std::strlen(s) : 0);
}

CBytes CBytes::slice(const CBytes& source, size_t first, size_t last) {
    KO_ASSERT(first <= last && last <= source.size());
    return CBytes(source.begin() + static_cast<ptrdiff_t>(first),
                  source.begin() + static_cast<ptrdiff_t>(last));
}

CBytes CBytes::fromPartialData(const CBytes& source, size_t start, size_t count) {
    KO_ASSERT(start <= source.size() && count <= source.size() - start);
    return slice(source, start, start + count);
}

void CBytes::appendBytes(const CBytes& other) {
    insert(end(), other.begin(), other.end());
}

void CBytes::appendData(const void* data, size_t n) {
    if (n == 0)
        return;
    const auto* p = static_cast<const uint8_t*>(data);
    insert(end(), p, p + n);
}

void CBytes::appendCString(const char* s) {
    if (s)
        appendData(s, std::strlen(s));
}

std::string CBytes::toStdString() const {
    return std::string(reinterpret_cast<const char*>(data()), size());
}

} // namespace Ko
