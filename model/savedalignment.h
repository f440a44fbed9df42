#pragma once

#include "base/ilocation.h"
#include "model/alignmentdata.h"

#include <array>
#include <cstdint>

namespace Ko {

// A pointing model together with the mount it was made on and the site it was made at: what is
// kept per mount, exported and shared between devices.
// Threads: any thread (a value type).
struct SavedAlignment {
    // The 24-bit motor-controller version, least significant byte first.
    std::array<uint8_t, 3> mcVersion{};
    // A MountMode_::E value.
    int32_t mountMode = 0;
    // 2 or 3 for a real mount (AZ, EQ), 7 or 6 for the emulated one.
    int32_t mountKind = 0;
    ALIGNMENT_DATA data;
    CLocation location;

    bool operator==(const SavedAlignment&) const = default;
};

} // namespace Ko
