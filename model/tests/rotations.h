#pragma once

#include "model/matrix3.h"

#include <cmath>

// Rotations by t radians about the frame axes, for building turned models in tests.
inline Ko::Matrix3 matrixRows(double a, double b, double c, double d, double e, double f, double g,
                              double h, double i) {
    Ko::Matrix3 m;
    m.e = {a, b, c, d, e, f, g, h, i};
    return m;
}

inline Ko::Matrix3 rotationX(double t) {
    return matrixRows(1, 0, 0, 0, std::cos(t), -std::sin(t), 0, std::sin(t), std::cos(t));
}

inline Ko::Matrix3 rotationY(double t) {
    return matrixRows(std::cos(t), 0, std::sin(t), 0, 1, 0, -std::sin(t), 0, std::cos(t));
}

inline Ko::Matrix3 rotationZ(double t) {
    return matrixRows(std::cos(t), -std::sin(t), 0, std::sin(t), std::cos(t), 0, 0, 0, 1);
}
