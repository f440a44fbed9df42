#include "model/alignmentdata.h"

#include "model/mountmode.h"

#include <cmath>

namespace Ko {

ALIGNMENT_DATA makeDefaultAlignmentData(int32_t mountMode, const CLocation& location) {
    ALIGNMENT_DATA d;
    d.mountMode = mountMode;
    d.location = location;
    const double phi = location.latitudeRad;
    if (mountMode == MountMode_::EQ) {
        // Written so that a latitude that is not a number takes the southern form.
        if (phi >= 0) {
            d.mxhm = diagonal(1);
        } else {
            d.mxhm = diagonal(-1);
            d.mxhm(0, 0) = 1;
        }
    } else {
        const double s = std::sin(phi);
        const double c = std::cos(phi);
        d.mxhm.e = {-s, 0, c, 0, -1, 0, c, 0, s};
    }
    d.mxmh = d.mxhm;
    invert(d.mxmh);
    return d;
}

} // namespace Ko
