// The units of the worked examples that the algorithm tests check against, which give their
// angles in degrees and hours.
// Threads: any thread.
#pragma once

namespace Ko::Test {

// One second of arc in degrees.
inline constexpr double kArcsecInDeg = 1.0 / 3600.0;
// Light time for one astronomical unit, in days.
inline constexpr double kLightTimePerAU = 0.0057755183;

// Hours (or degrees), minutes and seconds as one number.
inline double hms(double h, double m, double s) {
    return h + m / 60.0 + s / 3600.0;
}

} // namespace Ko::Test
