#pragma once

#include "base/nullable.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace Ko {

// Coordinate frames in chain order. The chain runs over RDJ2000..HDObsv; HDMount and anything
// after it belong to the mount side.
// Threads: any thread (value types).
enum class CoordType : uint32_t {
    RDJ2000 = 0, // right ascension, declination; equinox J2000
    RDJNow = 1,  // right ascension, declination of date
    HDTrue = 2,  // hour angle, declination of date
    AZTrue = 3,  // azimuth, altitude without refraction
    AZObsv = 4,  // azimuth, altitude with refraction
    HDObsv = 5,  // hour angle, declination back from the refracted horizontal frame
    HDMount = 6,
    MountAxes = 7, // the two mount axis angles themselves (park targets, terrestrial objects)
};

constexpr size_t kChainFrameCount = 6;

// One coordinate: a is right ascension, hour angle or azimuth; b is declination or altitude.
// Radians.
struct U_ASTRO_COORD {
    double a = 0;
    double b = 0;
    CoordType type = CoordType::RDJ2000;

    bool operator==(const U_ASTRO_COORD&) const = default;
};

// The result of one chain run: the frames from its start to its target are filled, the others
// are empty.
class CoordFrames {
public:
    using Entry = Nullable<U_ASTRO_COORD>;

    const Entry& operator[](CoordType t) const { return m_entries[index(t)]; }
    Entry& operator[](CoordType t) { return m_entries[index(t)]; }

private:
    static size_t index(CoordType t) {
        const auto i = static_cast<size_t>(t);
        if (i >= kChainFrameCount)
            throw std::logic_error("");
        return i;
    }

    std::array<Entry, kChainFrameCount> m_entries;
};

} // namespace Ko
