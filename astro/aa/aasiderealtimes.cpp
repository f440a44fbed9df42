#include "astro/aa/aasiderealtimes.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aadate.h"
#include "astro/aa/aanutationterms.h"

#include <cmath>

namespace Ko {

double AASiderealTimes::GreenwichMean(double JD) {
    // The polynomial is taken at the day's 0 h and the time of day added at the sidereal rate,
    // so that T's rounding stays out of the fast-running term.
    const AADate date(JD, true);
    const AACalendarDate c = date.ToCalendar();
    const AADate midnight(c.Year, c.Month, static_cast<double>(c.Day), 0, 0, 0,
                          date.InGregorianCalendar());
    const double T = (midnight.Julian() - 2451545) / 36525;
    const double degrees = 100.46061837 + 36000.770053608 * T + 0.000387933 * T * T -
                           T * T * T / 38710000 +
                           1.00273790935 * (15.0 * c.Hour + c.Minute / 4.0 + c.Second / 240.0);
    return AACoordinateTransformation::MapTo0To24Range(degrees / 15.0);
}

double AASiderealTimes::GreenwichApparent(double JD) {
    const double obliquity =
        AANutationTerms::MeanObliquity(JD) + AANutationTerms::InObliquity(JD) / 3600.0;
    const double equationOfEquinoxes =
        AANutationTerms::InLongitude(JD) *
        std::cos(AACoordinateTransformation::DegreesToRadians(obliquity)) / 54000.0;
    return AACoordinateTransformation::MapTo0To24Range(GreenwichMean(JD) + equationOfEquinoxes);
}

} // namespace Ko
