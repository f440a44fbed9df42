#include "catalog/sunvisibility.h"

#include "astro/iastrocalc.h"
#include "base/clock.h"
#include "catalog/isolarsystem.h"

#include <cmath>
#include <cstdlib>

namespace Ko {

namespace {

// In half a day the Sun moves about 0.5 degrees, a tenth of the guard's width.
constexpr int64_t kSunMaxAgeMs = 12LL * 3600 * 1000;

} // namespace

SunVisibility::SunVisibility(std::shared_ptr<IAstroCalc> astroCalc,
                             std::shared_ptr<ISolarSystem> solarSystem,
                             std::shared_ptr<IAstroClock> astroClock)
    : m_astroCalc(std::move(astroCalc)), m_solarSystem(std::move(solarSystem)),
      m_astroClock(std::move(astroClock)) {}

CoordPair SunVisibility::sunPosition() {
    const int64_t now = m_astroClock->nowMs();
    std::lock_guard lock(m_mutex);
    // A clock set back by more than the age counts as stale too.
    if (!m_sunValid || std::llabs(now - m_sunTimeMs) > kSunMaxAgeMs) {
        m_sun = m_solarSystem->getObject(ISolarSystem::Sun).coordNow;
        m_sunTimeMs = now;
        m_sunValid = true;
    }
    return m_sun;
}

Nullable<double> SunVisibility::isTooCloseToSun(const CoordPair& raDecNow) {
    const CoordPair sun = sunPosition();
    const double separation =
        m_astroCalc->angularSeparation(U_ASTRO_COORD{sun.a, sun.b, CoordType::RDJNow},
                                       U_ASTRO_COORD{raDecNow.a, raDecNow.b, CoordType::RDJNow});
    if (separation <= kThresholdRad || std::isnan(separation))
        return separation;
    return {};
}

bool SunVisibility::sunAboveHorizon() {
    const CoordPair sun = sunPosition();
    const U_ASTRO_COORD azAlt =
        m_astroCalc->convertNow(U_ASTRO_COORD{sun.a, sun.b, CoordType::RDJNow}, CoordType::AZTrue);
    return azAlt.b > 0.0;
}

} // namespace Ko
