#pragma once

namespace Ko {

// Greenwich sidereal time, hours in [0, 24), from a Julian Day read as Universal Time.
// Threads: any thread.
class AASiderealTimes {
public:
    static double GreenwichMean(double JD);
    // The mean time corrected by the equation of the equinoxes (nutation in right ascension).
    static double GreenwichApparent(double JD);
};

} // namespace Ko
