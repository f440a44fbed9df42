#pragma once

#include "astro/aa/aaelliptical.h"

namespace Ko {

// Elements of an orbit of eccentricity near 1: perihelion distance q (AU), inclination i,
// argument of perihelion w, longitude of the ascending node omega (degrees, equinox of the
// Julian Day JDEquinox), Julian Day T of perihelion and eccentricity e.
struct AANearParabolicObjectElements {
    double q = 0;
    double i = 0;
    double w = 0;
    double omega = 0;
    double JDEquinox = 0;
    double T = 0;
    double e = 1;
};

// Threads: any thread.
class AANearParabolicOrbit {
public:
    // The geocentric place, as AAElliptical::Calculate gives it for an ellipse.
    static AAEllipticalObjectDetails
    Calculate(double JD, const AANearParabolicObjectElements& elements, bool bHighPrecision);

    // Radius vector (AU) and true anomaly (radians) a time t (days) after perihelion, in one
    // step: exact for the parabola (e = 1), a series correction in 1 - e otherwise, good for
    // eccentricities close to 1 and not too far from perihelion.
    static AAOrbitPoint CalculateTrueAnomalyAndRadius(double q, double e, double t);
};

} // namespace Ko
