#include "model/vector3.h"

#include <algorithm>
#include <cmath>

namespace Ko {

double norm(const Vector3& v) {
    return std::sqrt(dot(v, v));
}

Vector3 normalize(const Vector3& v) {
    const double n = norm(v);
    return n == 0.0 ? v : v / n;
}

double dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 project(const Vector3& a, const Vector3& b) {
    const Vector3 u = normalize(b);
    return dot(a, u) * u;
}

Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3 operator*(double s, const Vector3& v) {
    return {s * v.x, s * v.y, s * v.z};
}

Vector3 operator/(const Vector3& v, double s) {
    return {v.x / s, v.y / s, v.z / s};
}

Vector3 directionOf(double lon, double lat) {
    const double c = std::cos(lat);
    return {c * std::cos(lon), c * std::sin(lon), std::sin(lat)};
}

std::pair<double, double> anglesOf(const Vector3& v) {
    const Vector3 u = normalize(v);
    // A unit vector's z may still round a hair past 1; asin must not turn that into NaN.
    return {std::atan2(u.y, u.x), std::asin(std::clamp(u.z, -1.0, 1.0))};
}

} // namespace Ko
