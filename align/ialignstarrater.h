#pragma once

#include "catalog/astroobj.h"

#include <cstdint>

namespace Ko {

// How well a star would serve as the first, second or third star of an alignment, 0 (unsuitable)
// to 5, under the rules of the connected mount's mode. Stars are (hour angle, declination) pairs,
// radians, hour angle in [-pi, pi) and positive west. Every rating is 0 while no mount is
// connected.
// Threads: any thread.
class IAlignStarRater {
public:
    virtual ~IAlignStarRater() = default;

    virtual bool canRate() const = 0;
    virtual int8_t rateFirstStar(const CoordPair& star) const = 0;
    // starCount is the number of stars of the alignment being made; only 3 changes the rating.
    virtual int8_t rateSecondStar(const CoordPair& first, const CoordPair& candidate,
                                  int starCount) const = 0;
    virtual int8_t rateThirdStar(const CoordPair& first, const CoordPair& second,
                                 const CoordPair& candidate) const = 0;
};

} // namespace Ko
