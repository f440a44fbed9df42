#include "astro/aa/aacoordinatetransformation.h"

#include "base/koassert.h"

#include <cmath>

namespace Ko {

namespace {

double mapToRange(double value, double turn) {
    double r = std::fmod(value, turn);
    if (r < 0)
        r += turn;
    // A tiny negative remainder plus a full turn rounds to the turn itself.
    return r >= turn ? 0.0 : r;
}

} // namespace

double AACoordinateTransformation::MapTo0To360Range(double degrees) {
    return mapToRange(degrees, 360.0);
}

double AACoordinateTransformation::MapTo0To24Range(double hours) {
    return mapToRange(hours, 24.0);
}

double AACoordinateTransformation::MapTo0To2PIRange(double radians) {
    return mapToRange(radians, 6.283185307179586);
}

double AACoordinateTransformation::MapToMinus90To90Range(double degrees) {
    if (degrees > 270.0)
        return degrees - 360.0;
    if (degrees > 90.0)
        return 180.0 - degrees;
    return degrees;
}

double AACoordinateTransformation::DMSToDegrees(double Degrees, double Minutes, double Seconds,
                                                bool positive) {
    if (positive)
        return Degrees + Minutes / 60.0 + Seconds / 3600.0;
    KO_ASSERT(Degrees >= 0);
    KO_ASSERT(Minutes >= 0);
    KO_ASSERT(Seconds >= 0);
    return -(Degrees + Minutes / 60.0 + Seconds / 3600.0);
}

} // namespace Ko
