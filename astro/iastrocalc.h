#pragma once

#include "astro/coordtype.h"

#include <array>
#include <cstdint>
#include <utility>

namespace Ko {

// Sky coordinates at the stored site. Angles are radians, longitude positive west, azimuth 0 at
// north and positive towards east.
// Threads: any thread.
class IAstroCalc {
public:
    using AnglePair = std::pair<double, double>;

    virtual ~IAstroCalc() = default;

    // Not reduced: negative before JD 2451544.223.
    virtual double greenwichSiderealRad() const = 0;
    // In [0, 2pi).
    virtual double localSiderealRad() const = 0;
    virtual AnglePair hourAngleDecToAzAlt(double hourAngle, double declination) const = 0;
    virtual AnglePair azAltToHourAngleDec(double azimuth, double altitude) const = 0;
    virtual double altitudeOf(double hourAngle, double declination) const = 0;
    virtual CoordFrames allFramesAt(const U_ASTRO_COORD& from, CoordType to,
                                    double julianDate) const = 0;
    virtual CoordFrames allFramesNow(const U_ASTRO_COORD& from, CoordType to) const = 0;
    // A fixed star keeps its position of date while the horizontal and hour-angle frames move on
    // by offsetMs.
    virtual U_ASTRO_COORD convertAt(const U_ASTRO_COORD& from, CoordType to,
                                    int64_t offsetMs) const = 0;
    virtual U_ASTRO_COORD convertNow(const U_ASTRO_COORD& from, CoordType to) const = 0;
    // raRate in seconds of time per year, decRate in seconds of arc per year.
    virtual CoordFrames allFramesFromJ2000(double ra, double dec, double raRate, double decRate,
                                           CoordType to) const = 0;
    // pi minus the pole star's hour angle, not reduced: the polar-scope dial angle.
    virtual double poleStarHourAngle() const = 0;
    // In [-pi, pi).
    virtual double poleStarHourAngleAt() const = 0;
    // (dial angle, distance from the south celestial pole) of four stars near that pole.
    virtual std::array<AnglePair, 4> southPoleStars() const = 0;
    // In [0, pi]; the frame types are not looked at.
    virtual double angularSeparation(const U_ASTRO_COORD& p, const U_ASTRO_COORD& q) const = 0;

    // The same for plain (longitude-like, latitude-like) pairs, such as (ra, dec) or two axis
    // angles.
    double angularSeparation(const AnglePair& p, const AnglePair& q) const {
        return angularSeparation(U_ASTRO_COORD{p.first, p.second, CoordType::RDJ2000},
                                 U_ASTRO_COORD{q.first, q.second, CoordType::RDJ2000});
    }
};

} // namespace Ko
