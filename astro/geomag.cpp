#include "astro/geomag.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace Ko {

namespace {

// WGS84 semi-axes, km.
constexpr float kA = 6378.137f;
constexpr float kB = 6356.7523142f;
constexpr float kA2 = kA * kA;
constexpr float kB2 = kB * kB;
constexpr float kA4 = kA2 * kA2;
constexpr float kB4 = kB2 * kB2;
// The model's reference radius, km.
constexpr float kReferenceRadius = 6371.2f;
constexpr double kYearMs = 31536000000.0; // 365 days: the model's year
constexpr float kPiF = 3.1415927f;
// Keeps the east component finite: it is divided by the sine of the colatitude.
constexpr float kMaxLatitudeDeg = 89.99999f;

using FactorTable = std::array<std::array<float, GeoMag::kDegree + 1>, GeoMag::kDegree + 1>;

// Factors that turn the Gauss-normalised functions of the recursion into Schmidt semi-normalised
// ones.
FactorTable schmidtFactors() {
    FactorTable s{};
    s[0][0] = 1.0f;
    for (int n = 1; n <= GeoMag::kDegree; ++n) {
        s[n][0] = s[n - 1][0] * static_cast<float>(2 * n - 1) / static_cast<float>(n);
        for (int m = 1; m <= n; ++m) {
            const float j = m == 1 ? 2.0f : 1.0f;
            s[n][m] = s[n][m - 1] *
                      std::sqrt(static_cast<float>(n - m + 1) * j / static_cast<float>(n + m));
        }
    }
    return s;
}

} // namespace

int64_t GeoMag::epochMs() {
    std::tm epoch{};
    epoch.tm_year = 2010 - 1900;
    epoch.tm_mon = 0;
    epoch.tm_mday = 1;
    epoch.tm_isdst = 0;
    return static_cast<int64_t>(std::mktime(&epoch)) * 1000;
}

GeoMag::Geocentric GeoMag::toGeocentric(float latitude, float heightKm) {
    const float c = std::cos(latitude);
    const float s = std::sin(latitude);
    const float c2 = c * c;
    const float s2 = s * s;
    const float q = std::sqrt(kA2 * c2 + kB2 * s2);
    Geocentric g;
    g.latitude = std::atan(std::tan(latitude) * (q * heightKm + kB2) / (q * heightKm + kA2));
    g.radius =
        std::sqrt(heightKm * heightKm + 2.0f * heightKm * q + (kA4 * c2 + kB4 * s2) / (q * q));
    return g;
}

void GeoMag::legendre(float colatitude, LegendreTable& work) {
    static const FactorTable schmidt = schmidtFactors();
    const float st = std::sin(colatitude);
    const float ct = std::cos(colatitude);
    auto& p = work.p;
    auto& dp = work.dp;
    p = {};
    dp = {};
    p[0][0] = 1.0f;
    for (int n = 1; n <= kDegree; ++n) {
        for (int m = 0; m <= n; ++m) {
            if (m == n) {
                p[n][n] = st * p[n - 1][n - 1];
                dp[n][n] = st * dp[n - 1][n - 1] + ct * p[n - 1][n - 1];
                continue;
            }
            const float k = n - 2 < m ? 0.0f
                                      : static_cast<float>((n - 1) * (n - 1) - m * m) /
                                            static_cast<float>((2 * n - 1) * (2 * n - 3));
            const float p2 = n - 2 < m ? 0.0f : p[n - 2][m];
            const float dp2 = n - 2 < m ? 0.0f : dp[n - 2][m];
            p[n][m] = ct * p[n - 1][m] - k * p2;
            dp[n][m] = ct * dp[n - 1][m] - st * p[n - 1][m] - k * dp2;
        }
    }
    for (int n = 0; n <= kDegree; ++n) {
        for (int m = 0; m <= n; ++m) {
            p[n][m] *= schmidt[n][m];
            dp[n][m] *= schmidt[n][m];
        }
    }
}

void GeoMag::computeField(GeoMagField& out, int64_t nowMs, float latitudeDeg,
                          float longitudeDegEast, float heightMeters) {
    const auto dt = static_cast<float>(static_cast<double>(nowMs - epochMs()) / kYearMs);
    const float latDeg = std::clamp(latitudeDeg, -kMaxLatitudeDeg, kMaxLatitudeDeg);
    const float heightKm = heightMeters / 1000.0f;
    const float lat = latDeg * kPiF / 180.0f;
    const float lon = longitudeDegEast * kPiF / 180.0f;

    const Geocentric geo = toGeocentric(lat, heightKm);
    LegendreTable leg;
    const float colatitude = kPiF / 2.0f - geo.latitude;
    legendre(colatitude, leg);

    std::array<float, kDegree + 1> ratio{};
    std::array<float, kDegree + 1> cosM{};
    std::array<float, kDegree + 1> sinM{};
    const float ar = kReferenceRadius / geo.radius;
    ratio[0] = ar * ar;
    for (int n = 1; n <= kDegree; ++n)
        ratio[n] = ratio[n - 1] * ar;
    for (int m = 0; m <= kDegree; ++m) {
        cosM[m] = std::cos(static_cast<float>(m) * lon);
        sinM[m] = std::sin(static_cast<float>(m) * lon);
    }

    // Geocentric north, east and down sums.
    float north = 0, east = 0, down = 0;
    for (int n = 1; n <= kDegree; ++n) {
        for (int m = 0; m <= n; ++m) {
            const float g = kG[n - 1][m] + dt * kGDot[n - 1][m];
            const float h = kH[n - 1][m] + dt * kHDot[n - 1][m];
            const float t = g * cosM[m] + h * sinM[m];
            north += ratio[n] * t * leg.dp[n][m];
            east += ratio[n] * static_cast<float>(m) * (g * sinM[m] - h * cosM[m]) * leg.p[n][m];
            down -= static_cast<float>(n + 1) * ratio[n] * t * leg.p[n][m];
        }
    }
    // The sums hold P[n][m] of this very colatitude, which near a pole carries most of the
    // rounding of its float: the cosine of the latitude would not cancel it.
    east /= std::sin(colatitude);

    // From the geocentric to the geodetic vertical.
    const float psi = geo.latitude - lat;
    out.x = north * std::cos(psi) - down * std::sin(psi);
    out.y = east;
    out.z = north * std::sin(psi) + down * std::cos(psi);
    out.geocentricLatitude = geo.latitude;
    out.longitude = lon;
    out.radius = geo.radius;
}

float GeoMag::declinationDeg(const GeoMagField& field) {
    return std::atan2(field.y, field.x) * 180.0f / kPiF;
}

} // namespace Ko
