#include "astro/aa/aavsop87.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "base/koassert.h"

#include <cmath>

namespace Ko {

namespace {

constexpr double kDaysPerMillennium = 365250;

double millennia(double JD) {
    return (JD - 2451545) / kDaysPerMillennium;
}

} // namespace

double AAVSOP87::Calculate(double JD, const AAVSOP87Series* pTable, size_t nTables, bool bAngle) {
    KO_ASSERT(pTable != nullptr);
    const double t = millennia(JD);
    double value = 0;
    double tn = 1;
    for (size_t i = 0; i < nTables; ++i) {
        double sum = 0;
        const AAVSOP87Series& series = pTable[i];
        for (int32_t j = 0; j < series.nTerms; ++j) {
            const AAVSOP87Term& term = series.pTerms[j];
            sum += term.A * std::cos(term.B + term.C * t);
        }
        value += sum * tn;
        tn *= t;
    }
    return bAngle ? AACoordinateTransformation::MapTo0To2PIRange(value) : value;
}

double AAVSOP87::Calculate_Dash(double JD, const AAVSOP87Series* pTable, size_t nTables) {
    KO_ASSERT(pTable != nullptr);
    const double t = millennia(JD);
    double value = 0;
    double tnMinus1 = 0; // t^(i-1), with the i = 0 factor of no account
    double tn = 1;
    for (size_t i = 0; i < nTables; ++i) {
        double sum = 0;
        double sumDash = 0;
        const AAVSOP87Series& series = pTable[i];
        for (int32_t j = 0; j < series.nTerms; ++j) {
            const AAVSOP87Term& term = series.pTerms[j];
            const double angle = term.B + term.C * t;
            sum += term.A * std::cos(angle);
            sumDash -= term.A * term.C * std::sin(angle);
        }
        value += static_cast<double>(i) * tnMinus1 * sum + tn * sumDash;
        tnMinus1 = tn;
        tn *= t;
    }
    return value / kDaysPerMillennium;
}

double AAVSOP87::LongitudeDegrees(double radians) {
    return AACoordinateTransformation::MapTo0To360Range(
        AACoordinateTransformation::RadiansToDegrees(radians));
}

double AAVSOP87::LatitudeDegrees(double radians) {
    return AACoordinateTransformation::MapToMinus90To90Range(LongitudeDegrees(radians));
}

} // namespace Ko
