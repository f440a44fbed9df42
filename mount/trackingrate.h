#pragma once

#include "link/ikodevice.h"

#include <cstdint>

namespace Ko {

// The rate at which the mount follows the sky. Also the `kind` of a sky object, so values outside
// the three named ones reach the mount and must be handled.
// Threads: any thread.
enum class TrackingRate : uint32_t { Sidereal = 0, Lunar = 1, Solar = 2 };

// rad/s of the sky's westward motion at the rate; 0 for any value but the three named ones.
constexpr double trackingBaseRate(TrackingRate rate) {
    switch (rate) {
    case TrackingRate::Sidereal:
        return kSiderealRate;
    case TrackingRate::Lunar:
        return 7.023457754504344e-05;
    case TrackingRate::Solar:
        return 7.27220521664304e-05;
    }
    return 0.0;
}

} // namespace Ko
