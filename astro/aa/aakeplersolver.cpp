#include "astro/aa/aakeplersolver.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

double AAKeplerSolver::Solve(double M, double e, int nIterations) {
    using CT = AACoordinateTransformation;
    constexpr double kTwoPi = 6.283185307179586;
    constexpr double kPi = 3.141592653589793;

    double m = CT::DegreesToRadians(M);
    const double sign = m < 0 ? -1.0 : 1.0;
    m = sign * (std::fmod(std::fabs(m) / kTwoPi, 1.0) * kTwoPi);
    if (m < 0)
        m += kTwoPi;
    // The far half of the orbit mirrors the near one.
    double F = 1;
    if (m > kPi) {
        F = -1;
        m = kTwoPi - m;
    }
    double E = kPi / 2;
    double step = kPi / 4;
    for (int i = 0; i < nIterations; ++i) {
        if (m > E - e * std::sin(E))
            E += step;
        else
            E -= step;
        step /= 2;
    }
    return CT::RadiansToDegrees(E) * F;
}

} // namespace Ko
