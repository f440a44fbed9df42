#pragma once

namespace Ko {

// Measures of an ellipse of eccentricity e and semi-major axis a.
// Threads: any thread.
class AAEllipseMeasures {
public:
    // The circumference, by Ramanujan's approximation (in the unit of a; exact for a circle,
    // within some 1e-4 of the length for e up to 0.99).
    static double LengthOfEllipse(double e, double a);
};

} // namespace Ko
