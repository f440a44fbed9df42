#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Elements of an elliptical orbit: semi-major axis a (AU), eccentricity e, inclination i,
// argument of perihelion w and longitude of the ascending node omega (degrees) referred to the
// equinox of the Julian Day JDEquinox, and the Julian Day T of perihelion.
struct AAEllipticalObjectElements {
    double a = 0;
    double e = 0;
    double i = 0;
    double w = 0;
    double omega = 0;
    double JDEquinox = 0;
    double T = 0;
};

// Where a body on a Keplerian orbit stands. Rectangular vectors in AU, angles in degrees, right
// ascensions in hours, light times in days. The true geocentric place is where the body is at
// the instant; the astrometric one where it is seen, a light time earlier. Equatorial values
// refer to the mean equator and equinox of the elements.
struct AAEllipticalObjectDetails {
    AA3DCoordinate HeliocentricRectangularEquatorial;
    AA3DCoordinate HeliocentricRectangularEcliptical;
    double HeliocentricEclipticLongitude = 0;
    double HeliocentricEclipticLatitude = 0;
    double TrueGeocentricRA = 0;
    double TrueGeocentricDeclination = 0;
    double TrueGeocentricDistance = 0;
    double TrueGeocentricLightTime = 0;
    double AstrometricGeocentricRA = 0;
    double AstrometricGeocentricDeclination = 0;
    double AstrometricGeocentricDistance = 0;
    double AstrometricGeocentricLightTime = 0;
    double Elongation = 0;
    double PhaseAngle = 0;
};

// The orientation and time of an orbit, whatever its shape.
struct AAOrbitOrientation {
    double i = 0;
    double w = 0;
    double omega = 0;
    double JDEquinox = 0;
};

// A point of an orbit: radius vector r (AU) and true anomaly v (radians).
struct AAOrbitPoint {
    double r = 0;
    double v = 0;
};

// The bodies whose places the planet routine computes.
enum class AAEllipticalObject {
    MERCURY = 1,
    VENUS = 2,
    MARS = 3,
    JUPITER = 4,
    SATURN = 5,
    URANUS = 6,
    NEPTUNE = 7,
    PLUTO = 8,
};

// A planet's apparent geocentric place of date: ecliptic longitude in [0, 360) and latitude
// (degrees), distance (AU) and light time (days) of the place seen, right ascension in [0, 24)
// and declination.
struct AAEllipticalPlanetaryDetails {
    double ApparentGeocentricLongitude = 0;
    double ApparentGeocentricLatitude = 0;
    double ApparentGeocentricDistance = 0;
    double ApparentLightTime = 0;
    double ApparentGeocentricRA = 0;
    double ApparentGeocentricDeclination = 0;
};

// Threads: any thread.
class AAElliptical {
public:
    // A planet's apparent place at a Julian Day (Dynamical Time): light time, the FK5 system,
    // nutation and aberration. Any other value of object stops the program.
    static AAEllipticalPlanetaryDetails Calculate(double JD, AAEllipticalObject object,
                                                  bool bHighPrecision);

    // Geocentric place of a body on an elliptical orbit (e below 1; 1 or more gives NaN) at a
    // Julian Day (Dynamical Time), with the Sun's place in the given precision.
    static AAEllipticalObjectDetails
    Calculate(double JD, const AAEllipticalObjectElements& elements, bool bHighPrecision);

    // g + 5 log10(delta) + k log10(r): a comet's magnitude from its absolute magnitude g, slope
    // k and distances (AU) from the Earth and the Sun.
    static double CometBrightness(double g, double delta, double k, double r);

    // Mean daily motion (degrees per day) on an orbit of semi-major axis a (AU).
    static double MeanMotionFromSemiMajorAxis(double a);
    // Orbital speeds, km/s: at radius vector r on an orbit of semi-major axis a (AU), and at
    // perihelion and aphelion of an orbit of eccentricity e.
    static double InstantaneousVelocity(double r, double a);
    static double VelocityAtPerihelion(double e, double a);
    static double VelocityAtAphelion(double e, double a);

    // The geocentric place of any orbit, given where on it the body is at a time: pointAt(ctx,
    // JD0) returns the radius vector and true anomaly at JD0. Two passes, the second a light
    // time earlier.
    static AAEllipticalObjectDetails
    CalculateFromOrbit(double JD, const AAOrbitOrientation& orientation, bool bHighPrecision,
                       AAOrbitPoint (*pointAt)(const void* ctx, double JD0), const void* ctx);
};

} // namespace Ko
