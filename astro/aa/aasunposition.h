#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// The Sun as seen from the Earth's centre, from the Earth's VSOP87 position: ecliptic
// longitudes in [0, 360) and latitudes in degrees, rectangular coordinates in AU. Geometric
// places are where the Sun is; the apparent ones add nutation and aberration. High precision
// sums the complete series, low precision the truncated ones.
// Threads: any thread.
class AASunPosition {
public:
    // Ecliptic and equinox of date, and of J2000.
    static double GeometricEclipticLongitude(double JD, bool bHighPrecision);
    static double GeometricEclipticLatitude(double JD, bool bHighPrecision);
    static double GeometricEclipticLongitudeJ2000(double JD, bool bHighPrecision);
    static double GeometricEclipticLatitudeJ2000(double JD, bool bHighPrecision);
    // Of date, referred to the FK5 system.
    static double GeometricFK5EclipticLongitude(double JD, bool bHighPrecision);
    static double GeometricFK5EclipticLatitude(double JD, bool bHighPrecision);
    static double ApparentEclipticLongitude(double JD, bool bHighPrecision);
    static double ApparentEclipticLatitude(double JD, bool bHighPrecision);
    // The rate of the geometric longitude in a fixed frame, arcseconds per day.
    static double VariationGeometricEclipticLongitude(double JD);

    // Geocentric rectangular coordinates: to the mean equator and equinox of date, to the
    // ecliptic of J2000, to the FK5 equator of J2000 and to the FK4 equator of B1950.
    static AA3DCoordinate EquatorialRectangularCoordinatesMeanEquinox(double JD,
                                                                      bool bHighPrecision);
    static AA3DCoordinate EclipticRectangularCoordinatesJ2000(double JD, bool bHighPrecision);
    static AA3DCoordinate EquatorialRectangularCoordinatesJ2000(double JD, bool bHighPrecision);
    static AA3DCoordinate EquatorialRectangularCoordinatesB1950(double JD, bool bHighPrecision);
    // Geocentric equatorial rectangular coordinates (AU) referred to the mean equator and
    // equinox of JDEquinox.
    static AA3DCoordinate EquatorialXYZ(double JD, double JDEquinox, bool bHighPrecision);
};

} // namespace Ko
