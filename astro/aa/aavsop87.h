#pragma once

#include <cstddef>
#include <cstdint>

namespace Ko {

// One periodic term A cos(B + C t): amplitude (radians or AU), phase (radians), frequency
// (radians per Julian millennium).
struct AAVSOP87Term {
    double A;
    double B;
    double C;
};

// The terms multiplied by one power of time.
struct AAVSOP87Series {
    const AAVSOP87Term* pTerms;
    int32_t nTerms;
};

// Sums a VSOP87 coordinate: a table holds one series per power of t, t in Julian millennia from
// J2000.0 (the Julian Day used as it comes, Dynamical Time). The tables themselves are constant
// data in the AAVSOP87Terms_* classes.
// Threads: any thread.
class AAVSOP87 {
public:
    // The coordinate; an angle (bAngle) is reduced into [0, 2 pi). No series gives 0.
    static double Calculate(double JD, const AAVSOP87Series* pTable, size_t nTables, bool bAngle);
    // Its rate per day, never reduced.
    static double Calculate_Dash(double JD, const AAVSOP87Series* pTable, size_t nTables);

    // A heliocentric longitude in radians as degrees in [0, 360).
    static double LongitudeDegrees(double radians);
    // A heliocentric latitude in radians as degrees in [-90, 90].
    static double LatitudeDegrees(double radians);
};

} // namespace Ko
