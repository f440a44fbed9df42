#include "model/matrix3.h"

#include <cmath>
#include <utility>

namespace Ko {

namespace {

// Pivots at or below this count as zero.
constexpr double kSingularPivot = 1e-6;

bool usablePivot(double p) {
    // Written so that a NaN pivot is refused as well.
    return std::fabs(p) > kSingularPivot;
}

} // namespace

Matrix3 diagonal(double d) {
    Matrix3 m;
    m(0, 0) = m(1, 1) = m(2, 2) = d;
    return m;
}

Matrix3& operator+=(Matrix3& a, const Matrix3& b) {
    for (size_t i = 0; i < a.e.size(); ++i)
        a.e[i] += b.e[i];
    return a;
}

Matrix3& operator*=(Matrix3& a, const Matrix3& b) {
    Matrix3 p;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p(r, c) = a(r, 0) * b(0, c) + a(r, 1) * b(1, c) + a(r, 2) * b(2, c);
    a = p;
    return a;
}

Matrix3& operator*=(Matrix3& a, double s) {
    for (double& x : a.e)
        x *= s;
    return a;
}

Vector3 operator*(const Matrix3& a, const Vector3& v) {
    return {a(0, 0) * v.x + a(0, 1) * v.y + a(0, 2) * v.z,
            a(1, 0) * v.x + a(1, 1) * v.y + a(1, 2) * v.z,
            a(2, 0) * v.x + a(2, 1) * v.y + a(2, 2) * v.z};
}

void transpose(Matrix3& a) {
    std::swap(a(0, 1), a(1, 0));
    std::swap(a(0, 2), a(2, 0));
    std::swap(a(1, 2), a(2, 1));
}

void setColumn(Matrix3& a, int c, const Vector3& v) {
    a(0, c) = v.x;
    a(1, c) = v.y;
    a(2, c) = v.z;
}

double det(const Matrix3& a) {
    return a(0, 0) * a(1, 1) * a(2, 2) + a(0, 1) * a(1, 2) * a(2, 0) + a(0, 2) * a(1, 0) * a(2, 1) -
           a(0, 2) * a(1, 1) * a(2, 0) - a(0, 0) * a(1, 2) * a(2, 1) - a(0, 1) * a(1, 0) * a(2, 2);
}

void swapRows(Matrix3& a, int i, int j) {
    for (int c = 0; c < 3; ++c)
        std::swap(a(i, c), a(j, c));
}

void addRow(Matrix3& a, int i, int j, double f) {
    for (int c = 0; c < 3; ++c)
        a(i, c) += f * a(j, c);
}

void scaleRow(Matrix3& a, int i, double f) {
    for (int c = 0; c < 3; ++c)
        a(i, c) *= f;
}

// Gauss-Jordan with partial pivoting on a working copy; the inverse grows in r from the identity.
int invert(Matrix3& a) {
    Matrix3 w = a;
    Matrix3 r = diagonal(1);
    auto bothSwap = [&](int i, int j) {
        swapRows(w, i, j);
        swapRows(r, i, j);
    };
    auto bothAdd = [&](int i, int j, double f) {
        addRow(w, i, j, f);
        addRow(r, i, j, f);
    };

    int p = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(w(i, 0)) > std::fabs(w(p, 0)))
            p = i;
    if (p != 0)
        bothSwap(0, p);
    const double p0 = w(0, 0);
    if (!usablePivot(p0))
        return 1;
    bothAdd(1, 0, -w(1, 0) / p0);
    bothAdd(2, 0, -w(2, 0) / p0);

    if (std::fabs(w(2, 1)) > std::fabs(w(1, 1)))
        bothSwap(1, 2);
    const double p1 = w(1, 1);
    if (!usablePivot(p1))
        return 1;
    bothAdd(2, 1, -w(2, 1) / p1);

    const double p2 = w(2, 2);
    if (!usablePivot(p2))
        return 1;
    bothAdd(1, 2, -w(1, 2) / p2);
    bothAdd(0, 2, -w(0, 2) / p2);
    bothAdd(0, 1, -w(0, 1) / p1);
    scaleRow(r, 0, 1 / p0);
    scaleRow(r, 1, 1 / p1);
    scaleRow(r, 2, 1 / p2);

    if (p0 * p1 * p2 == 0.0)
        return 1;
    a = r;
    return 0;
}

} // namespace Ko
