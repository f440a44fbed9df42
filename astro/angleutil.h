#pragma once

#include <cstdint>
#include <string>

namespace Ko {

// Threads: any thread.
constexpr double kPi = 3.141592653589793;
constexpr double k2Pi = 6.283185307179586;
// One degree in radians.
constexpr double kDeg = kPi / 180.0;
// One minute and one second of arc in radians.
constexpr double kArcmin = kDeg / 60.0;
constexpr double kArcsec = kDeg / 3600.0;

// Reduces to [0, 2pi).
double wrapTo2Pi(double a);
// Reduces to [-pi, pi); exactly pi gives -pi.
double wrapToPi(double a);
// The angle in [base, base + 2pi) that equals target modulo 2pi, so that a sequence of readings
// can be unwrapped next to the previous one.
double wrapDiffTo2Pi(double base, double target);
// Half-way cases go away from zero: 2.5 gives 3, -2.5 gives -3.
int64_t roundHalfAway(double x);

// An angle split into magnitudes; the sign stands apart (0 for zero and for a NaN).
struct SexagesimalParts {
    int32_t sign = 0;
    double whole = 0;
    double minutes = 0;
    double seconds = 0;
};

// The sign of the text is that of the value as shown: 0 when every part reads zero.
struct SexagesimalText {
    int32_t sign = 0;
    std::string whole;
    std::string minutes;
    std::string seconds;
};

// Precision modes 1 to 6:
//   1: whole, minutes, seconds to 0.1   2: whole, minutes, seconds to 1
//   3: whole, minutes to 0.1            4: whole, minutes to 1
//   5: whole units to 0.1               6: whole units to 1
// degrees chooses degrees over hours. Seconds carry into minutes and minutes into the whole
// units, but the whole units never wrap (24 hours and 360 degrees stay).
SexagesimalParts splitAngleSexagesimal(bool degrees, int mode, double angleRad);
SexagesimalText formatAngleText(bool degrees, int mode, double angleRad);

// value with the given decimals, zero-filled in front to at least minIntDigits characters before
// the decimal point. Always uses '.' whatever the process locale.
std::string formatFixed(unsigned minIntDigits, int decimals, double value);

} // namespace Ko
