#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Angle units and range reductions shared by the whole astronomical library, and the
// conversions between its coordinate systems. Angles are degrees and right ascensions hours
// unless a name says otherwise.
// Threads: any thread.
class AACoordinateTransformation {
public:
    static constexpr double DegreesToRadians(double degrees) {
        return degrees * 0.017453292519943295;
    }
    static constexpr double RadiansToDegrees(double radians) { return radians * 57.29577951308232; }
    static constexpr double HoursToRadians(double hours) { return hours * 0.26179938779914946; }
    static constexpr double RadiansToHours(double radians) { return radians * 3.819718634205488; }
    static constexpr double HoursToDegrees(double hours) { return hours * 15.0; }
    static constexpr double DegreesToHours(double degrees) { return degrees / 15.0; }

    // Into [0, 360) and [0, 24): the remainder, plus a full turn if it is negative.
    static double MapTo0To360Range(double degrees);
    static double MapTo0To24Range(double hours);
    // Into [0, 2 pi).
    static double MapTo0To2PIRange(double radians);
    // A latitude already in [0, 360) folded into [-90, 90]: above 270 a turn less, above 90 its
    // supplement.
    static double MapToMinus90To90Range(double degrees);

    // degrees + minutes / 60 + seconds / 3600; with positive false the negated sum, and then
    // every part must be zero or more.
    static double DMSToDegrees(double degrees, double minutes, double seconds,
                               bool positive = true);

    // Right ascension and declination to ecliptic longitude in [0, 360) and latitude, for the
    // obliquity Epsilon; and back, right ascension in [0, 24).
    static AA2DCoordinate Equatorial2Ecliptic(double Alpha, double Delta, double Epsilon);
    static AA2DCoordinate Ecliptic2Equatorial(double Lambda, double Beta, double Epsilon);
    // Local hour angle (hours) and declination to azimuth, counted from the SOUTH towards the
    // west in [0, 360), and altitude at the geographic Latitude; and back, hour angle in
    // [0, 24).
    static AA2DCoordinate Equatorial2Horizontal(double LocalHourAngle, double Delta,
                                                double Latitude);
    static AA2DCoordinate Horizontal2Equatorial(double Azimuth, double Altitude, double Latitude);
    // B1950.0 right ascension and declination to galactic longitude in [0, 360) and latitude
    // (the IAU 1958 system); and back.
    static AA2DCoordinate Equatorial2Galactic(double Alpha, double Delta);
    static AA2DCoordinate Galactic2Equatorial(double l, double b);

    // Linear combinations of x and y with coefficients from an hour angle H (hours) and two
    // angles (degrees): (sin H sin Latitude tan Delta + cos Latitude) x - cos H tan Delta y, and
    // sin H y + cos H sin b x.
    static double HourAngleLatitudeCombination(double H, double Delta, double Latitude, double x,
                                               double y);
    static double HourAngleTiltCombination(double H, double b, double x, double y);
};

} // namespace Ko
