#pragma once

#include <array>
#include <cstdint>

namespace Ko {

// The main field at one place, nanotesla, and where the synthesis evaluated it.
struct GeoMagField {
    float x = 0;                  // north
    float y = 0;                  // east
    float z = 0;                  // down
    float geocentricLatitude = 0; // rad
    float longitude = 0;          // rad, east positive
    float radius = 0;             // km from the Earth's centre
};

// The World Magnetic Model 2010 (degree and order 12, epoch 2010.0) in single precision, with its
// linear secular variation extrapolated to any date.
// Threads: any thread (stateless).
class GeoMag {
public:
    static constexpr int kDegree = 12;
    // Row n - 1 for the degree n = 1..12, column the order m = 0..12 (zero where m > n).
    using CoefficientTable = std::array<std::array<float, kDegree + 1>, kDegree>;
    // Gauss coefficients (nT) and their secular variation (nT per year).
    static const CoefficientTable kG;
    static const CoefficientTable kH;
    static const CoefficientTable kGDot;
    static const CoefficientTable kHDot;

    // Schmidt semi-normalised associated Legendre functions P[n][m] and their derivatives by the
    // colatitude, n and m up to 12.
    struct LegendreTable {
        std::array<std::array<float, kDegree + 1>, kDegree + 1> p{};
        std::array<std::array<float, kDegree + 1>, kDegree + 1> dp{};
    };

    struct Geocentric {
        float latitude = 0; // rad
        float radius = 0;   // km
    };

    // latitudeDeg is geodetic on the WGS84 ellipsoid, heightMeters above it. nowMs counts from
    // 1970 like the clock.
    static void computeField(GeoMagField& out, int64_t nowMs, float latitudeDeg,
                             float longitudeDegEast, float heightMeters);
    // East positive, degrees.
    static float declinationDeg(const GeoMagField& field);
    static void legendre(float colatitude, LegendreTable& work);
    // Geodetic latitude (rad) and height (km) to geocentric latitude and radius.
    static Geocentric toGeocentric(float latitude, float heightKm);
    // 1 January 2010 00:00:00 of the device's time zone, in milliseconds since 1970.
    static int64_t epochMs();
};

} // namespace Ko
