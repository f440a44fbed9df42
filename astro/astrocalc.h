#pragma once

#include "astro/iastrocalc.h"

#include <memory>

namespace Ko {

class ILocation;
class IAstroClock;
struct CLocation;

// The one calculator of sky coordinates along the frame chain
// RDJ2000 -> RDJNow -> HDTrue -> AZTrue -> AZObsv -> HDObsv, at the site of ILocation and the
// time of IAstroClock. It keeps no state of its own.
// Threads: any thread.
class AstroCalc : public IAstroCalc {
public:
    AstroCalc(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroClock> clock);

    double greenwichSiderealRad() const override;
    double localSiderealRad() const override;
    AnglePair hourAngleDecToAzAlt(double hourAngle, double declination) const override;
    AnglePair azAltToHourAngleDec(double azimuth, double altitude) const override;
    double altitudeOf(double hourAngle, double declination) const override;
    CoordFrames allFramesAt(const U_ASTRO_COORD& from, CoordType to,
                            double julianDate) const override;
    CoordFrames allFramesNow(const U_ASTRO_COORD& from, CoordType to) const override;
    U_ASTRO_COORD convertAt(const U_ASTRO_COORD& from, CoordType to,
                            int64_t offsetMs) const override;
    U_ASTRO_COORD convertNow(const U_ASTRO_COORD& from, CoordType to) const override;
    CoordFrames allFramesFromJ2000(double ra, double dec, double raRate, double decRate,
                                   CoordType to) const override;
    double poleStarHourAngle() const override;
    double poleStarHourAngleAt() const override;
    std::array<AnglePair, 4> southPoleStars() const override;
    double angularSeparation(const U_ASTRO_COORD& p, const U_ASTRO_COORD& q) const override;
    using IAstroCalc::angularSeparation;

    // The steps of the chain, usable on their own.
    static double greenwichSiderealAt(double julianDate);
    static double localSiderealAt(double julianDate, double longitude);
    static double raToHourAngleStep(double ra, double julianDate, double longitude);
    static double hourAngleToRaStep(double hourAngle, double julianDate, double longitude);
    static AnglePair raDecToHourAngleDecStep(const AnglePair& raDec, double julianDate,
                                             double longitude);
    static AnglePair hourAngleDecToRaDecStep(const AnglePair& hourAngleDec, double julianDate,
                                             double longitude);
    static AnglePair precessStep(double ra, double dec, double raRate, double decRate,
                                 double julianDate);
    static AnglePair unprecessStep(double ra, double dec, double raRate, double decRate,
                                   double julianDate);
    // Where the refraction formulas break down, far below the horizon, no correction is applied.
    static AnglePair refractStep(double az, double alt, double altitudeMeter,
                                 double temperatureCelsius);
    static AnglePair unrefractStep(double az, double alt, double altitudeMeter,
                                   double temperatureCelsius);
    static AnglePair hourAngleDecToAzAltStep(double hourAngle, double dec, double latitude);
    static double altitudeStep(double hourAngle, double dec, double latitude);
    static AnglePair azAltToHourAngleDecStep(double az, double alt, double latitude);
    static double poleStarRaAt(double julianDate);
    static double poleStarScopeAngleAt(double julianDate, double longitude);
    static std::array<AnglePair, 4> southPoleStarsAt(double julianDate, double longitude);
    static double angularSeparationOf(const U_ASTRO_COORD& p, const U_ASTRO_COORD& q);

    // The chain driver: fills the frames from from.type to `to`, in either direction. Types
    // outside RDJ2000..HDObsv are a programming error.
    static CoordFrames CoordsCalc(const U_ASTRO_COORD& from, CoordType to, const CLocation& site,
                                  double julianDate, double raRate, double decRate);

private:
    static CoordFrames CoordsCalc_Forward(const U_ASTRO_COORD& from, CoordType to,
                                          const CLocation& site, double julianDate, double raRate,
                                          double decRate);
    static CoordFrames CoordsCalc_Backward(const U_ASTRO_COORD& from, CoordType to,
                                           const CLocation& site, double julianDate, double raRate,
                                           double decRate);

    std::shared_ptr<ILocation> m_location;
    std::shared_ptr<IAstroClock> m_clock;
};

} // namespace Ko
