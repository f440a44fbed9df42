#pragma once

#include <utility>

namespace Ko {

// A direction or displacement in one of the model's frames. Pure value operations: nothing here
// allocates or keeps state.
// Threads: any thread (a value type).
struct Vector3 {
    double x = 0;
    double y = 0;
    double z = 0;

    bool operator==(const Vector3&) const = default;
};

double norm(const Vector3& v);
// A zero vector comes back unchanged instead of turning into NaN.
Vector3 normalize(const Vector3& v);
double dot(const Vector3& a, const Vector3& b);
Vector3 cross(const Vector3& a, const Vector3& b);
// The component of a along b; a zero b is taken as it is (the result is then zero).
Vector3 project(const Vector3& a, const Vector3& b);

Vector3 operator+(const Vector3& a, const Vector3& b);
Vector3 operator-(const Vector3& a, const Vector3& b);
Vector3 operator*(double s, const Vector3& v);
// Plain floating-point division: s = 0 gives infinities or NaN.
Vector3 operator/(const Vector3& v, double s);

// The unit vector of a direction given by a longitude-like angle lon and a latitude-like angle
// lat: (cos lat cos lon, cos lat sin lon, sin lat).
Vector3 directionOf(double lon, double lat);
// (lon, lat) of v after normalising; lon from atan2, lat from asin, in radians.
std::pair<double, double> anglesOf(const Vector3& v);

} // namespace Ko
