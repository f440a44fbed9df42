#include "astro/aa/aadate.h"

#include "base/koassert.h"

#include <cmath>

namespace Ko {

namespace {

// 1582 October 15.0, the first day of the Gregorian calendar.
constexpr double kGregorianStart = 2299160.5;

AACalendarDate dateOnly(const AADate& value) {
    AACalendarDate c = value.ToCalendar();
    c.Hour = c.Minute = 0;
    c.Second = 0;
    return c;
}

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

void AADate::Set(double JD, bool gregorian) {
    *this = AADate(JD, gregorian);
}

void AADate::SetInGregorianCalendar(bool gregorian) {
    m_gregorian = gregorian && m_julian >= kGregorianStart;
}

double AADate::DateToJD(long year, long month, double day, bool gregorian) {
    return AADate(year, month, day, 0, 0, 0, gregorian).Julian();
}

bool AADate::IsLeap(long year, bool gregorian) {
    if (gregorian && year % 100 == 0)
        return year % 400 == 0;
    return year % 4 == 0;
}

bool AADate::IsLeap() const {
    return IsLeap(Year(), m_gregorian);
}

long AADate::DaysInMonth(long Month, bool leap) {
    KO_ASSERT(Month >= 1 && Month <= 12);
    static constexpr long kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && leap ? 29 : kDays[Month - 1];
}

long AADate::DaysInMonth() const {
    const AACalendarDate c = ToCalendar();
    return DaysInMonth(c.Month, IsLeap(c.Year, m_gregorian));
}

long AADate::DaysInYear() const {
    return IsLeap() ? 366 : 365;
}

long AADate::DayOfWeek() const {
    // The floor and a non-negative remainder keep days before JD -1.5 in 0..6.
    const long days = static_cast<long>(INT(m_julian + 1.5));
    return ((days % 7) + 7) % 7;
}

double AADate::DayOfYear(double JD, long year, bool gregorian) {
    return JD - DateToJD(year, 1, 0, gregorian);
}

double AADate::DayOfYear() const {
    return DayOfYear(m_julian, Year(), m_gregorian);
}

AACalendarDate AADate::DaysOfYearToDayAndMonth(long dayOfYear, bool leap) {
    const long K = leap ? 1 : 2;
    AACalendarDate date;
    date.Month = dayOfYear < 32 ? 1 : static_cast<long>(INT(9.0 * (K + dayOfYear) / 275 + 0.98));
    date.Day = dayOfYear - static_cast<long>(INT(275.0 * date.Month / 9)) +
               K * static_cast<long>(INT((date.Month + 9) / 12.0)) + 30;
    return date;
}

AACalendarDate AADate::JulianToGregorian(long year, long month, long day) {
    const double JD = DateToJD(year, month, static_cast<double>(day), false);
    return dateOnly(AADate(JD, true));
}

AACalendarDate AADate::GregorianToJulian(long year, long month, long day) {
    const double JD = DateToJD(year, month, static_cast<double>(day), true);
    return dateOnly(AADate(JD, false));
}

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
