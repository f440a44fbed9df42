#include "astro/aa/aasunposition.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aafk5frame.h"
#include "astro/aa/planets/aaearthposition.h"

#include <cmath>

namespace Ko {

AA3DCoordinate AASunPosition::EquatorialXYZ(double JD, double JDEquinox, bool bHighPrecision) {
    using CT = AACoordinateTransformation;
    const double longitude = CT::DegreesToRadians(
        CT::MapTo0To360Range(AAEarthPosition::HelioLongitudeJ2000(bHighPrecision, JD) + 180));
    const double latitude =
        CT::DegreesToRadians(-AAEarthPosition::HelioLatitudeJ2000(bHighPrecision, JD));
    const double R = AAEarthPosition::HelioRadius(bHighPrecision, JD);
    const AA3DCoordinate ecliptic{R * std::cos(latitude) * std::cos(longitude),
                                  R * std::cos(latitude) * std::sin(longitude),
                                  R * std::sin(latitude)};
    return AAFK5Frame::FromVsopOfEquinox(ecliptic, JDEquinox);
}

} // namespace Ko
