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
// Threads: any thread.
class AADate {
public:
    AADate() = default;
    // The date in the Julian or Gregorian calendar; day, hour, minute and second may carry
    // fractions. Months 1 and 2 count as months 13 and 14 of the previous year.
    AADate(long year, long month, double day, double hour, double minute, double second,
           bool gregorian);
    // A Julian Day told in the Gregorian calendar if asked and possible.
    AADate(double JD, bool gregorian);

    // Re-sets the value; the flag follows the constructor's rule.
    void Set(double JD, bool gregorian);
    // Re-sets only the flag, from the stored day.
    void SetInGregorianCalendar(bool gregorian);

    double Julian() const { return m_julian; }
    bool InGregorianCalendar() const { return m_gregorian; }

    // Year, month, whole day, hour and minute, and seconds with their fraction; the minute is
    // never rounded up, so a day's last microseconds read 23:59:59.99...
    AACalendarDate ToCalendar() const;
    long Year() const { return ToCalendar().Year; }
    long Month() const { return ToCalendar().Month; }
    long Day() const { return ToCalendar().Day; }
    long Hour() const { return ToCalendar().Hour; }
    long Minute() const { return ToCalendar().Minute; }
    double Second() const { return ToCalendar().Second; }

    // The Julian Day of a date without building a value.
    static double DateToJD(long year, long month, double day, bool gregorian);

    // Julian calendar: every fourth year; Gregorian: centuries only when divisible by 400.
    static bool IsLeap(long year, bool gregorian);
    bool IsLeap() const;
    // Month 1 to 12; another month stops the program.
    static long DaysInMonth(long Month, bool leap);
    long DaysInMonth() const;
    long DaysInYear() const;

    // 0 Sunday to 6 Saturday.
    long DayOfWeek() const;
    // Days since January 0.0 of the year, with the fraction: 1 for January 1.0.
    static double DayOfYear(double JD, long year, bool gregorian);
    double DayOfYear() const;
    // Day of month and month (Year and time left 0) of a whole day of the year.
    static AACalendarDate DaysOfYearToDayAndMonth(long dayOfYear, bool leap);

    // The same day told in the other calendar (year, month and day; time left 0). Days before
    // 1582 October 15 have no Gregorian date here and stay Julian.
    static AACalendarDate JulianToGregorian(long year, long month, long day);
    static AACalendarDate GregorianToJulian(long year, long month, long day);

    // The library's integer part: the floor of x (INT(-2.0) is -2, INT(-2.5) is -3).
    static double INT(double x);

private:
    double m_julian = 0;
    bool m_gregorian = false;
};

} // namespace Ko
