#include "align/alignstarrules.h"

#include "astro/angleutil.h"
#include "astro/iastrocalc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace Ko {

namespace {

constexpr double k10Deg = 0.17453292519943295;
constexpr double k15Deg = 0.2617993877991494;
constexpr double k20Deg = 0.3490658503988659;
constexpr double k30Deg = 0.5235987755982988;
constexpr double k60Deg = 1.0471975511965976;
constexpr double k75Deg = 1.3089969389957472;
constexpr double k160Deg = 2.792526803190927;

// A second star of a three-star alignment should sit at nearly the first star's declination (or
// altitude): the smaller the spread s of 1/cos, the better.
int8_t sameBandGrade(double s) {
    if (s < 0.1)
        return 5;
    if (s < 0.3)
        return 4;
    if (s < 0.6)
        return 3;
    if (s < 0.8)
        return 2;
    return 0;
}

// Outside 20..160 degrees of separation a pair says nothing about the model's tilt terms.
bool inWindow(double x) {
    return x >= k20Deg && x <= k160Deg;
}

// The grade of a spread m: 5 above limits[0], 4 above limits[1], down to 1 above limits[4]; 0
// otherwise.
int8_t gradeAbove(double m, const std::array<double, 5>& limits) {
    for (size_t i = 0; i < limits.size(); ++i)
        if (m > limits[i])
            return static_cast<int8_t>(5 - i);
    return 0;
}

// Third-star spread limits; the altitude-azimuth scale has no grade 1.
constexpr std::array<double, 5> kEqThirdLimits = {5.5, 3.5, 2.0, 1.0, 0.5};
constexpr std::array<double, 5> kAzThirdLimits = {0.8452, 0.6793, 0.3789, 0.1855,
                                                  std::numeric_limits<double>::infinity()};

bool westOfMeridian(double hourAngle) {
    return hourAngle >= 0;
}

} // namespace

bool AlignStarRules::passesCandidateTest(const CoordPair& star) const {
    const double altitude = m_astroCalc.altitudeOf(star.a, star.b);
    if (!(altitude > k15Deg))
        return false;
    if (m_mode == MountMode_::EQ)
        return std::abs(star.b) < k75Deg;
    return altitude < k60Deg;
}

CoordPair AlignStarRules::azAlt(const CoordPair& star) const {
    const auto [az, alt] = m_astroCalc.hourAngleDecToAzAlt(star.a, star.b);
    return {az, alt};
}

int8_t AlignStarRules::rateFirstStar(const CoordPair& star) const {
    return passesCandidateTest(star) ? 5 : 0;
}

int8_t AlignStarRules::rateSecondStar(const CoordPair& first, const CoordPair& candidate,
                                      int starCount) const {
    if (!passesCandidateTest(candidate))
        return 0;
    double s = 0;
    if (m_mode == MountMode_::EQ) {
        if (westOfMeridian(first.a) != westOfMeridian(candidate.a))
            return 0;
        if (std::abs(wrapToPi(first.b + candidate.b)) < k10Deg)
            return 0;
        if (std::abs(wrapToPi(first.a - candidate.a)) < k30Deg)
            return 0;
        s = std::abs(1 / std::cos(first.b) - 1 / std::cos(candidate.b));
    } else {
        const CoordPair h1 = azAlt(first);
        const CoordPair h2 = azAlt(candidate);
        if (std::abs(wrapToPi(h1.a - h2.a)) < k30Deg)
            return 0;
        s = std::abs(1 / std::cos(h1.b) - 1 / std::cos(h2.b));
    }
    return starCount == 3 ? sameBandGrade(s) : int8_t(5);
}

int8_t AlignStarRules::rateThirdStar(const CoordPair& first, const CoordPair& second,
                                     const CoordPair& candidate) const {
    if (!passesCandidateTest(candidate))
        return 0;
    if (m_mode == MountMode_::EQ) {
        if (westOfMeridian(first.a) == westOfMeridian(candidate.a))
            return 0;
        const auto spread = [&](const CoordPair& k) {
            const double x = std::abs(wrapToPi(candidate.a + std::numbers::pi - k.a));
            if (!inWindow(x))
                return 0.0;
            return std::abs(1 / std::cos(std::numbers::pi - candidate.b) - 1 / std::cos(k.b));
        };
        return gradeAbove(std::max(spread(first), spread(second)), kEqThirdLimits);
    }
    const CoordPair h3 = azAlt(candidate);
    const auto spread = [&](const CoordPair& k) {
        const CoordPair hk = azAlt(k);
        if (!inWindow(std::abs(wrapToPi(h3.a - hk.a))))
            return 0.0;
        return std::abs(1 / std::cos(h3.b) - 1 / std::cos(hk.b));
    };
    const double s1 = spread(first);
    const double s2 = spread(second);
    const CoordPair& reference = s1 < s2 ? first : second;
    if (m_astroCalc.angularSeparation(IAstroCalc::AnglePair{reference.a, reference.b},
                                      IAstroCalc::AnglePair{candidate.a, candidate.b}) <= k30Deg)
        return 0;
    return gradeAbove(std::max(s1, s2), kAzThirdLimits);
}

} // namespace Ko
