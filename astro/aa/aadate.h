#pragma once

namespace Ko {

// A calendar date and time of day as the library splits a Julian Day.
struct AACalendarDate {
    long Year = 0;
    long Month = 0;
    long Day = 0;
    long Hour = 0;
    long Minute = 0;
    double Second = 0;
};

// A Julian Day with the calendar it is told in. The Gregorian flag holds only when the caller
// asked for the Gregorian calendar and the day is 1582 October 15.0 (JD 2299160.5) or later;
// before that the Julian calendar applies whatever was asked.
class AADate {
public:
    AADate() = default;
    // The date in the Julian or Gregorian calendar; day, hour, minute and second may carry
    // fractions. Months 1 and 2 count as months 13 and 14 of the previous year.
    AADate(long year, long month, double day, double hour, double minute, double second,
           bool gregorian);
    // A Julian Day told in the Gregorian calendar if asked and possible.
    AADate(double JD, bool gregorian);

    double Julian() const { return m_julian; }
    bool InGregorianCalendar() const { return m_gregorian; }

    // Year, month, whole day, hour and minute, and seconds with their fraction; the minute is
    // never rounded up, so a day's last microseconds read 23:59:59.99...
    AACalendarDate ToCalendar() const;

    // The library's integer part: the floor of x (INT(-2.0) is -2, INT(-2.5) is -3).
    static double INT(double x);

private:
    double m_julian = 0;
    bool m_gregorian = false;
};

} // namespace Ko
