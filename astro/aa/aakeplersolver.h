#pragma once

namespace Ko {

// Kepler's equation M = E - e sin E.
// Threads: any thread.
class AAKeplerSolver {
public:
    // Eccentric anomaly (degrees) for the mean anomaly M (degrees) by bisection: each iteration
    // halves the bracket, which starts a quarter turn wide, so 53 reach the resolution of a
    // double whatever e below 1. The result lies in (-180, 180]; 0 iterations give +-90.
    static double Solve(double M, double e, int nIterations);
};

} // namespace Ko
