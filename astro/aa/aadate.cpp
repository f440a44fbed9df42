#include "astro/aa/aadate.h"

#include <cmath>

namespace Ko {

namespace {

// 1582 October 15.0, the first day of the Gregorian calendar.
constexpr double kGregorianStart = 2299160.5;

} // namespace

double AADate::INT(double x) {
    // Truncating x - 1 for every negative x would put a negative whole number one too low and
    // shift, for example, dates before the year -4716 by a day.
    return std::floor(x);
}

AADate::AADate(long year, long month, double day, double hour, double minute, double second,
               bool gregorian) {
    double y = static_cast<double>(year);
    double m = static_cast<double>(month);
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    double b = 0;
    if (gregorian) {
        const double a = INT(y / 100.0);
        b = 2 - a + INT(a / 4.0);
    }
    m_julian = INT(365.25 * (y + 4716)) + INT(30.6001 * (m + 1)) + day + hour / 24.0 +
               minute / 1440.0 + second / 86400.0 + b - 1524.5;
    m_gregorian = gregorian && m_julian >= kGregorianStart;
}

AADate::AADate(double JD, bool gregorian)
    : m_julian(JD), m_gregorian(gregorian && JD >= kGregorianStart) {}

AACalendarDate AADate::ToCalendar() const {
    const double jd = m_julian + 0.5;
    const double z = INT(jd);
    const double f = jd - z;
    double a = z;
    if (m_gregorian) {
        const double alpha = INT((z - 1867216.25) / 36524.25);
        a = z + 1 + alpha - INT(alpha / 4.0);
    }
    const double b = a + 1524;
    const double c = INT((b - 122.1) / 365.25);
    const double d = INT(365.25 * c);
    const double e = INT((b - d) / 30.6001);
    const double dayWithFraction = b - d - INT(30.6001 * e) + f;

    AACalendarDate date;
    date.Month = static_cast<long>(e < 14 ? e - 1 : e - 13);
    date.Year = static_cast<long>(date.Month > 2 ? c - 4716 : c - 4715);
    date.Day = static_cast<long>(dayWithFraction);
    date.Hour = static_cast<long>(INT(24 * f));
    date.Minute = static_cast<long>(INT(1440 * (f - date.Hour / 24.0)));
    date.Second = 86400 * (f - date.Hour / 24.0 - date.Minute / 1440.0);
    return date;
}

} // namespace Ko
