#include "astro/angleutil.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace Ko {

namespace {

// The same rule as roundHalfAway, kept in double so that huge values cannot overflow an integer.
// Small negative values round to -0.0, which would print as "-0"; the integer has no such zero.
double roundHalfAwayD(double x) {
    const double r = std::trunc(x > 0 ? x + 0.5 : x - 0.5);
    return r == 0.0 ? 0.0 : r;
}

double roundToStep(double value, double step) {
    return roundHalfAwayD(value / step) * step;
}

int32_t signOf(double a) {
    return a > 0 ? 1 : (a < 0 ? -1 : 0);
}

} // namespace

double wrapTo2Pi(double a) {
    double r = a - std::floor(a / k2Pi) * k2Pi;
    if (r < 0.0 || r >= k2Pi) {
        // Beyond about 1e16 the quotient is rounded and the product can overshoot a by whole
        // turns; the exact remainder stays in range. A tiny negative input still rounds up to
        // exactly 2pi, which is taken as 0.
        r = std::fmod(a, k2Pi);
        if (r < 0.0)
            r += k2Pi;
        if (r >= k2Pi)
            r = 0.0;
    }
    return r;
}

double wrapToPi(double a) {
    const double r = wrapTo2Pi(a);
    return r < kPi ? r : r - k2Pi;
}

double wrapDiffTo2Pi(double base, double target) {
    const double rb = wrapTo2Pi(base);
    const double rt = wrapTo2Pi(target);
    const double d = rt - rb;
    return rb <= rt ? base + d : base + d + k2Pi;
}

int64_t roundHalfAway(double x) {
    if (std::isnan(x))
        return 0;
    const double r = roundHalfAwayD(x);
    // 2^63 is exactly representable; anything at or beyond it cannot be converted.
    constexpr double kLimit = 9223372036854775808.0;
    if (r >= kLimit)
        return std::numeric_limits<int64_t>::max();
    if (r < -kLimit)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

SexagesimalParts splitAngleSexagesimal(bool degrees, int mode, double angleRad) {
    SexagesimalParts p;
    p.sign = signOf(angleRad);
    if (mode < 1 || mode > 6)
        return p;

    const double u = std::fabs(angleRad) * (degrees ? 180.0 : 12.0) / kPi;
    if (!std::isfinite(u)) {
        p.whole = u;
        return p;
    }
    const double w = std::trunc(u);
    const double m = (u - w) * 60.0;
    const double mw = std::trunc(m);
    const double s = (m - mw) * 60.0;

    switch (mode) {
    case 1:
        p.whole = w;
        p.minutes = mw;
        p.seconds = roundToStep(s, 0.1);
        break;
    case 2:
        p.whole = w;
        p.minutes = mw;
        p.seconds = roundToStep(s, 1.0);
        break;
    case 3:
        p.whole = w;
        p.minutes = roundToStep(m, 0.1);
        break;
    case 4:
        p.whole = w;
        p.minutes = roundToStep(m, 1.0);
        break;
    case 5:
        p.whole = roundToStep(u, 0.1);
        break;
    default:
        p.whole = roundToStep(u, 1.0);
        break;
    }

    if (std::fabs(p.seconds - 60.0) < 0.001) {
        p.minutes += 1.0;
        p.seconds = 0.0;
    }
    if (std::fabs(p.minutes - 60.0) < 0.001) {
        p.whole += 1.0;
        p.minutes = 0.0;
    }
    return p;
}

SexagesimalText formatAngleText(bool degrees, int mode, double angleRad) {
    SexagesimalText t;
    const SexagesimalParts p = splitAngleSexagesimal(degrees, mode, angleRad);
    // The sign belongs to the value as shown: a small negative angle that reads as zero at this
    // precision would otherwise print as "-0°00′00″".
    const bool showsZero =
        mode >= 1 && mode <= 6 && p.whole == 0.0 && p.minutes == 0.0 && p.seconds == 0.0;
    t.sign = showsZero ? 0 : p.sign;
    switch (mode) {
    case 1:
        t.whole = formatFixed(0, 0, p.whole);
        t.minutes = formatFixed(2, 0, p.minutes);
        t.seconds = formatFixed(2, 1, p.seconds);
        break;
    case 2:
        t.whole = formatFixed(0, 0, p.whole);
        t.minutes = formatFixed(2, 0, p.minutes);
        t.seconds = formatFixed(2, 0, p.seconds);
        break;
    case 3:
        t.whole = formatFixed(0, 0, p.whole);
        t.minutes = formatFixed(2, 1, p.minutes);
        break;
    case 4:
        t.whole = formatFixed(0, 0, p.whole);
        t.minutes = formatFixed(2, 0, p.minutes);
        break;
    case 5:
        t.whole = formatFixed(0, 1, p.whole);
        break;
    case 6:
        t.whole = formatFixed(0, 0, p.whole);
        break;
    default:
        break;
    }
    return t;
}

std::string formatFixed(unsigned minIntDigits, int decimals, double value) {
    if (decimals < 0)
        decimals = 0;
    // Large enough for the longest double in fixed notation with the requested decimals.
    std::string buf(static_cast<size_t>(decimals) + 330, '\0');
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::fixed, decimals);
    buf.resize(static_cast<size_t>(res.ptr - buf.data()));
    // A small negative value that rounds to zero reads as zero, not as "-0.0".
    if (!buf.empty() && buf[0] == '-' && buf.find_first_not_of("0.", 1) == std::string::npos)
        buf.erase(0, 1);

    const size_t point = buf.find('.');
    const size_t intDigits = point == std::string::npos ? buf.size() : point;
    if (intDigits < minIntDigits)
        buf.insert(0, minIntDigits - intDigits, '0');
    return buf;
}

} // namespace Ko
