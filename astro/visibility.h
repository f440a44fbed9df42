#pragma once

#include "astro/ivisibility.h"

#include <memory>

namespace Ko {

class ILocation;
class IAstroCalc;
class IClock;

// Rise, transit and set of a star at the stored site, in single precision, for the standard
// altitude of -34 arc-minutes. The transit is the one nearest to now (within 12 sidereal
// hours); the times are hours of the local clock of the given clock's instant. Each call reads
// site, sidereal time and clock anew.
// Threads: any thread.
class Visibility : public IVisibility {
public:
    Visibility(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroCalc> astroCalc,
               std::shared_ptr<IClock> clock);

    RiseTransitSetResult riseTransitSet(const U_ASTRO_COORD& coord) const override;

    // +1 circumpolar, -1 never rises, 0 rises and sets by the geometric horizon. Degrees.
    static int circumpolarTest(float latitudeDeg, float decDeg);
    // 1 when the times were computed. -1 when the object never crosses the standard altitude;
    // staysAbove then tells whether it stays above it (the hour-angle cosine is below -1) or
    // below it (above +1), and the times are left alone.
    static int computeTimes(float latitudeDeg, float raDeg, float decDeg, int64_t lstSeconds,
                            float clockHours, float& rise, float& transit, float& set,
                            bool& staysAbove);
    // The local sidereal time in hours, reduced below 24.
    static float siderealHours(int64_t lstSeconds);

private:
    std::shared_ptr<ILocation> m_location;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<IClock> m_clock;
};

} // namespace Ko
