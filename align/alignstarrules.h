#pragma once

#include "catalog/astroobj.h"
#include "model/mountmode.h"

#include <cstdint>

namespace Ko {

class IAstroCalc;

// The alignment-star rating rules of one mount mode; the rater picks them by the connected mount.
// Equatorial mounts want the stars spread in hour angle on fixed sides of the meridian and away
// from the pole; altitude-azimuth mounts want them spread in azimuth and below the zenith region.
// Stars are (hour angle, declination) pairs in radians.
// Threads: any thread.
class AlignStarRules {
public:
    AlignStarRules(const IAstroCalc& astroCalc, MountMode_::E mode)
        : m_astroCalc(astroCalc), m_mode(mode) {}

    int8_t rateFirstStar(const CoordPair& star) const;
    int8_t rateSecondStar(const CoordPair& first, const CoordPair& candidate, int starCount) const;
    int8_t rateThirdStar(const CoordPair& first, const CoordPair& second,
                         const CoordPair& candidate) const;

private:
    bool passesCandidateTest(const CoordPair& star) const;
    CoordPair azAlt(const CoordPair& star) const;

    const IAstroCalc& m_astroCalc;
    MountMode_::E m_mode;
};

} // namespace Ko
