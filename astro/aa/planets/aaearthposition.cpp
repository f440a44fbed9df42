#include "astro/aa/planets/aaearthposition.h"

#include "astro/aa/tables/aavsop87terms_earthb.h"

namespace Ko {

double AAEarthPosition::HelioLongitudeJ2000(bool bHighPrecision, double JD) {
    return AAVSOP87::LongitudeDegrees(bHighPrecision ? AAVSOP87Terms_EarthB::L(JD)
                                                     : AAVSOP87Terms_EarthB::L_TRUNCATED(JD));
}

double AAEarthPosition::HelioLatitudeJ2000(bool bHighPrecision, double JD) {
    return AAVSOP87::LatitudeDegrees(bHighPrecision ? AAVSOP87Terms_EarthB::B(JD)
                                                    : AAVSOP87Terms_EarthB::B_TRUNCATED(JD));
}

} // namespace Ko
