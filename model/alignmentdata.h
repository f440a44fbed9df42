#pragma once

#include "base/ilocation.h"
#include "base/nullable.h"
#include "model/matrix3.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Ko {

// One aligned star: where it was in the sky (observed hour angle and declination) and where the
// mount's axes stood when it was centred. Radians.
// Threads: any thread (value types).
struct ALIGNMENT_PAIR {
    double ha = 0;
    double dec = 0;
    double axis1 = 0;
    double axis2 = 0;

    bool operator==(const ALIGNMENT_PAIR&) const = default;
};

// The whole pointing model. A sky direction (H, dec) is h = directionOf(H, dec), an axis
// direction (a1, a2) is m = directionOf(a1, a2); m = mxhm * h and h = mxmh * m, and the two
// matrices are kept each other's inverse. ID, CH and NP act on the mount side only.
struct ALIGNMENT_DATA {
    Matrix3 mxhm;
    Matrix3 mxmh;
    // ID: added to axis 2 on the way from the axes to the sky.
    double cpid = 0;
    // CH, collimation: axis 1 moves by CH / cos(axis 2).
    double cpch = 0;
    // NP, non-perpendicularity of the axes: axis 1 moves by NP * tan(axis 2).
    double cpnp = 0;
    // Carried unchanged; nothing computes it yet.
    int32_t qual = 0;
    // An AlignmentType_::E value; empty for the default model.
    Nullable<int32_t> dtma;
    // Solve time, ms since 1970; empty for the default model.
    Nullable<int64_t> muta;
    std::vector<ALIGNMENT_PAIR> pairs;
    // One UTF-8 name per pair, same order.
    std::vector<std::string> objNames;
    // A MountMode_::E value.
    Nullable<int32_t> mountMode;
    Nullable<CLocation> location;

    bool operator==(const ALIGNMENT_DATA&) const = default;
};

// The model that stands in before any star is aligned: the axes follow hour angle and
// declination (an equatorial mount; mirrored in the southern hemisphere) or azimuth from north
// through east and altitude (any other mode), with no correction terms.
ALIGNMENT_DATA makeDefaultAlignmentData(int32_t mountMode, const CLocation& location);

} // namespace Ko
