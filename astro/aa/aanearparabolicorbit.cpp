#include "astro/aa/aanearparabolicorbit.h"

#include <cmath>

namespace Ko {

namespace {

// Gaussian gravitational constant, radians per day.
constexpr double kGauss = 0.01720209895;

} // namespace

AAOrbitPoint AANearParabolicOrbit::CalculateTrueAnomalyAndRadius(double q, double e, double t) {
    const double gamma = (1 - e) / (1 + e);
    const double W = 0.75 * kGauss * t * std::sqrt((1 + e) / (q * q * q));
    const double root = std::sqrt(W * W + 1);
    const double s = std::pow(W + root, 1.0 / 3) - std::pow(root - W, 1.0 / 3);
    const double x = s * s;
    const double g1 = gamma * x / (1 + x);
    const double g2 = g1 * x / (1 + x);
    // 2/5 x + 2/3, 37/175 x^2 + 33/35 x + 7/5 and 4/75 x^2 + 956/1125 x + 432/175.
    const double c =
        (0.4 * x + 0.6666666666666666) +
        g2 * (0.21142857142857144 * x * x + 0.9428571428571428 * x + 1.4) +
        g2 * g2 * x * (0.05333333333333334 * x * x + 0.8497777777777777 * x + 2.4685714285714284);
    const double sp = s * (1 + g1 * c);
    return {q * (1 + sp * sp) / (1 + gamma * sp * sp), 2 * std::atan(sp)};
}

AAEllipticalObjectDetails
AANearParabolicOrbit::Calculate(double JD, const AANearParabolicObjectElements& elements,
                                bool bHighPrecision) {
    const auto pointAt = [](const void* ctx, double JD0) {
        const auto& el = *static_cast<const AANearParabolicObjectElements*>(ctx);
        return CalculateTrueAnomalyAndRadius(el.q, el.e, JD0 - el.T);
    };
    return AAElliptical::CalculateFromOrbit(
        JD, {elements.i, elements.w, elements.omega, elements.JDEquinox}, bHighPrecision, pointAt,
        &elements);
}

} // namespace Ko
