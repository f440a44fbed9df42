#include "astro/aa/aaminorplanetbrightness.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

double AAMinorPlanetBrightness::Calculate(double H, double r, double G, double Delta, double Beta) {
    const double tanHalf = std::tan(AACoordinateTransformation::DegreesToRadians(Beta) / 2);
    const double phi1 = std::exp(-3.33 * std::pow(tanHalf, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(tanHalf, 1.22));
    return H + 5 * std::log10(r * Delta) - 2.5 * std::log10((1 - G) * phi1 + G * phi2);
}

} // namespace Ko
