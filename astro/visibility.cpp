#include "astro/visibility.h"

#include "astro/iastrocalc.h"
#include "base/clock.h"
#include "base/ilocation.h"

#include <cmath>
#include <ctime>

namespace Ko {

namespace {

constexpr double kDegPerRad = 57.29577951308232;
// sin(-34'): the altitude of a star's centre at rising, refraction included.
constexpr double kSinStandardAltitude = -0.009890618735694245;
// Solar hours per sidereal hour.
constexpr float kSiderealToSolar = 0.99726852f;
// Solar hours per degree of hour angle (0.99726852 / 15).
constexpr float kHoursPerDegree = 0.066484568f;

float reduceHours(float h) {
    if (h >= 24.0f)
        return h - 24.0f;
    if (h < 0.0f)
        return h + 24.0f;
    return h;
}

} // namespace

Visibility::Visibility(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroCalc> astroCalc,
                       std::shared_ptr<IClock> clock)
    : m_location(std::move(location)), m_astroCalc(std::move(astroCalc)),
      m_clock(std::move(clock)) {}

int Visibility::circumpolarTest(float latitudeDeg, float decDeg) {
    if (latitudeDeg >= 0) {
        if (decDeg >= 0)
            return 90.0f - decDeg <= latitudeDeg ? 1 : 0;
        return decDeg + 90.0f <= latitudeDeg ? -1 : 0;
    }
    if (decDeg < 0)
        return decDeg + 90.0f <= -latitudeDeg ? 1 : 0;
    return 90.0f - decDeg <= -latitudeDeg ? -1 : 0;
}

float Visibility::siderealHours(int64_t lstSeconds) {
    float h = static_cast<float>(lstSeconds) / 3600.0f;
    while (h >= 24.0f)
        h -= 24.0f;
    return h;
}

int Visibility::computeTimes(float latitudeDeg, float raDeg, float decDeg, int64_t lstSeconds,
                             float clockHours, float& rise, float& transit, float& set,
                             bool& staysAbove) {
    const double phi = latitudeDeg / kDegPerRad;
    const double delta = decDeg / kDegPerRad;
    const float numerator =
        static_cast<float>(kSinStandardAltitude - std::sin(delta) * std::sin(phi));
    const float cosH0 = static_cast<float>(numerator / (std::cos(delta) * std::cos(phi)));
    if (cosH0 > 1.0f || cosH0 < -1.0f) {
        staysAbove = cosH0 < -1.0f;
        return -1;
    }
    const float h0Deg = static_cast<float>(std::acos(cosH0) * kDegPerRad);

    float d = raDeg / 15.0f - siderealHours(lstSeconds);
    if (d > 12.0f)
        d -= 24.0f;
    if (d < -12.0f)
        d += 24.0f;
    transit = reduceHours(d * kSiderealToSolar + clockHours);
    const float halfArc = h0Deg * kHoursPerDegree;
    rise = reduceHours(transit - halfArc);
    set = reduceHours(transit + halfArc);
    return 1;
}

RiseTransitSetResult Visibility::riseTransitSet(const U_ASTRO_COORD& coord) const {
    const float ra = static_cast<float>(coord.a * kDegPerRad);
    const float dec = static_cast<float>(coord.b * kDegPerRad);
    const float latitude = static_cast<float>(m_location->latitudeRad() * kDegPerRad);
    const auto lstSeconds =
        static_cast<int64_t>(m_astroCalc->localSiderealRad() * 86400.0 / 6.283185307179586);

    // The local clock of the injected instant, so that the times follow the clock the rest of
    // the system runs on.
    const std::time_t now = unixMsToTimeT(m_clock->nowMs());
    std::tm local{};
    localtime_r(&now, &local);
    const float clockHours = static_cast<float>(local.tm_hour) +
                             static_cast<float>(local.tm_min) / 60.0f +
                             static_cast<float>(local.tm_sec) / 3600.0f;

    RiseTransitSetResult result;
    switch (circumpolarTest(latitude, dec)) {
    case 1:
        result.state = Circumpolar;
        return result;
    case -1:
        result.state = NeverRises;
        return result;
    default:
        break;
    }

    float rise = 0, transit = 0, set = 0;
    bool staysAbove = false;
    if (computeTimes(latitude, ra, dec, lstSeconds, clockHours, rise, transit, set, staysAbove) <
        0) {
        // Within about 34' of the geometric limit the standard altitude is never crossed:
        // report what the object does rather than times that were never computed.
        result.state = staysAbove ? Circumpolar : NeverRises;
        return result;
    }
    result.riseHours = rise;
    result.transitHours = transit;
    result.setHours = set;
    return result;
}

} // namespace Ko
