#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Angle units and range reductions shared by the whole astronomical library, and the
// conversions between its coordinate systems. Angles are degrees and right ascensions hours
// unless a name says otherwise.
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
};

} // namespace Ko
