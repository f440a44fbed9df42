#pragma once

#include "model/vector3.h"

#include <array>

namespace Ko {

// A 3x3 matrix of doubles, row-major: element (r, c) at index 3 r + c. It acts on column
// vectors, so A * B applies B first. The model only ever holds rotations in it.
// Threads: any thread (a value type).
struct Matrix3 {
    std::array<double, 9> e{};

    double& operator()(int r, int c) { return e[3 * r + c]; }
    double operator()(int r, int c) const { return e[3 * r + c]; }

    bool operator==(const Matrix3&) const = default;
};

// d on the diagonal, 0 elsewhere; diagonal(1) is the identity.
Matrix3 diagonal(double d);
Matrix3& operator+=(Matrix3& a, const Matrix3& b);
// a becomes a * b.
Matrix3& operator*=(Matrix3& a, const Matrix3& b);
Matrix3& operator*=(Matrix3& a, double s);
Vector3 operator*(const Matrix3& a, const Vector3& v);
void transpose(Matrix3& a);
void setColumn(Matrix3& a, int c, const Vector3& v);
double det(const Matrix3& a);
// In place. Returns 0 on success; 1 when a pivot falls to 1e-6 or below in absolute value (or is
// not a number), leaving a unchanged. The threshold is absolute: it suits rotations, whose pivots
// are of order 1.
int invert(Matrix3& a);

void swapRows(Matrix3& a, int i, int j);
// Row i += f * row j.
void addRow(Matrix3& a, int i, int j, double f);
void scaleRow(Matrix3& a, int i, double f);

} // namespace Ko
