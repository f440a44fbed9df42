#pragma once

#include "base/cbytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Ko {

// One field of a remote request or reply, held as text that never contains a comma and typed
// only when read. The readers throw std::logic_error "Read null Nullable" on a text that is not
// such a number; callers check with isType first.
// Threads: any thread (a value type).
class VtmArgument {
public:
    std::string text;

    // std::invalid_argument "VtmArgument" when text holds a comma.
    static VtmArgument fromString(const std::string& text);
    static VtmArgument fromInt(int value);
    static VtmArgument fromLong(int64_t value);
    static VtmArgument fromDouble(double value);

    int toInt() const;
    int64_t toLong() const;
    double toDouble() const;

    bool isInt() const;
    bool isLong() const;
    bool isDouble() const;
    bool isString() const { return true; }
    // 'd' double, 'i' 32-bit integer, 'l' 64-bit integer, 's' any text; other letters never.
    bool isType(char type) const;

    // Cuts at every comma, keeping every byte and every empty field; no bytes give no field.
    static std::vector<VtmArgument> splitList(const char* data, size_t length);
    static std::vector<VtmArgument> splitText(const std::string& text);
    static std::vector<VtmArgument> splitBytes(const CBytes& bytes);
};

} // namespace Ko
