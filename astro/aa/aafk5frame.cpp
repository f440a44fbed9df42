#include "astro/aa/aafk5frame.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

AA3DCoordinate AAFK5Frame::FromVsopJ2000(const AA3DCoordinate& value) {
    return {value.X + 0.000000440360 * value.Y - 0.000000190919 * value.Z,
            -0.000000479966 * value.X + 0.917482137087 * value.Y - 0.397776982902 * value.Z,
            0.397776982902 * value.Y + 0.917482137087 * value.Z};
}

AA3DCoordinate AAFK5Frame::FromVsopToB1950(const AA3DCoordinate& value) {
    return {0.999925702634 * value.X + 0.012189716217 * value.Y + 0.000011134016 * value.Z,
            -0.011179418036 * value.X + 0.917413998946 * value.Y - 0.397777041885 * value.Z,
            -0.004859003787 * value.X + 0.397747363646 * value.Y + 0.917482111428 * value.Z};
}

namespace {

// The longitude the FK5 correction is taken at, radians.
double correctionLongitude(double Longitude, double JD) {
    const double T = (JD - 2451545) / 36525;
    return AACoordinateTransformation::DegreesToRadians(Longitude - 1.397 * T - 0.00031 * T * T);
}

} // namespace

double AAFK5Frame::CorrectionInLongitude(double Longitude, double Latitude, double JD) {
    using CT = AACoordinateTransformation;
    const double lp = correctionLongitude(Longitude, JD);
    const double arcsec = -0.09033 + 0.03916 * (std::cos(lp) + std::sin(lp)) *
                                         std::tan(CT::DegreesToRadians(Latitude));
    return CT::DMSToDegrees(0, 0, arcsec);
}

double AAFK5Frame::CorrectionInLatitude(double Longitude, double JD) {
    const double lp = correctionLongitude(Longitude, JD);
    return AACoordinateTransformation::DMSToDegrees(0, 0, 0.03916 * (std::cos(lp) - std::sin(lp)));
}

AA3DCoordinate AAFK5Frame::FromVsopOfEquinox(const AA3DCoordinate& value, double JDEquinox) {
    using CT = AACoordinateTransformation;
    const AA3DCoordinate v = FromVsopJ2000(value);
    const double T = (JDEquinox - 2451545) / 36525;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double zeta =
        CT::DegreesToRadians(CT::DMSToDegrees(0, 0, 2306.2181 * T + 0.30188 * T2 + 0.017998 * T3));
    const double z =
        CT::DegreesToRadians(CT::DMSToDegrees(0, 0, 2306.2181 * T + 1.09468 * T2 + 0.018203 * T3));
    const double theta =
        CT::DegreesToRadians(CT::DMSToDegrees(0, 0, 2004.3109 * T - 0.42665 * T2 - 0.041833 * T3));

    const double cz = std::cos(zeta), sz = std::sin(zeta);
    const double cZ = std::cos(z), sZ = std::sin(z);
    const double ct = std::cos(theta), st = std::sin(theta);
    const double m[3][3] = {{cz * cZ * ct - sz * sZ, -sz * cZ * ct - cz * sZ, -cZ * st},
                            {cz * sZ * ct + sz * cZ, -sz * sZ * ct + cz * cZ, -sZ * st},
                            {cz * st, -sz * st, ct}};
    return {m[0][0] * v.X + m[0][1] * v.Y + m[0][2] * v.Z,
            m[1][0] * v.X + m[1][1] * v.Y + m[1][2] * v.Z,
            m[2][0] * v.X + m[2][1] * v.Y + m[2][2] * v.Z};
}

} // namespace Ko
