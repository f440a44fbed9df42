#include "astro/aa/aaellipsemeasures.h"

#include <cmath>

namespace Ko {

double AAEllipseMeasures::LengthOfEllipse(double e, double a) {
    constexpr double kPi = 3.141592653589793;
    const double b = a * std::sqrt(1 - e * e);
    return kPi * (3 * (a + b) - std::sqrt((a + 3 * b) * (3 * a + b)));
}

} // namespace Ko
