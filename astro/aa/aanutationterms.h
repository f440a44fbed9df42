#pragma once

namespace Ko {

// Obliquity of the ecliptic and the IAU 1980 nutation (its 63 largest periodic terms). T is
// counted in Julian centuries from J2000.0 of the Julian Day given.
// Threads: any thread.
class AANutationTerms {
public:
    // Laskar's polynomial, degrees; good to 0.01" within 1000 years of J2000.
    static double MeanObliquity(double JD);
    // Arcseconds.
    static double InLongitude(double JD);
    static double InObliquity(double JD);
    // Mean obliquity plus the nutation in obliquity, degrees.
    static double TrueObliquity(double JD);
    // The Sun's mean anomaly, degrees in [0, 360).
    static double SunMeanAnomaly(double JD);
};

} // namespace Ko
