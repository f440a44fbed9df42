#include "align/polaraligner.h"

#include "align/alignpairs.h"
#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "base/ilocation.h"
#include "model/ialigner.h"
#include "model/ialignmentdatacontainer.h"
#include "mount/altrange.h"

#include <cmath>

namespace Ko {

PolarAligner::PolarAligner(std::shared_ptr<AltRange> altRange, std::shared_ptr<ILocation> location,
                           std::shared_ptr<IAstroCalc> astroCalc,
                           std::shared_ptr<IAlignmentDataContainer> container,
                           std::shared_ptr<IAligner> aligner)
    : m_altRange(std::move(altRange)), m_location(std::move(location)),
      m_astroCalc(std::move(astroCalc)), m_container(std::move(container)),
      m_aligner(std::move(aligner)) {}

uint8_t PolarAligner::rateStar(double ha, double dec) const {
    if (m_container->alignedStarCount() < 2)
        return 0;
    const auto [maz, mel] = m_container->polarAxisError();
    const auto hidesShift = [&](std::pair<double, double> shifted) {
        return std::abs(shifted.second - dec) < kLeastVisibleShift &&
               std::cos(dec) * std::abs(wrapToPi(shifted.first - ha)) < kLeastVisibleShift;
    };
    // An error counts by its size: a polar axis too low is as far off as one too high.
    if (std::abs(mel) >= kLeastError && hidesShift(shiftElevation(ha, dec, mel)))
        return 0;
    if (std::abs(maz) >= kLeastError && hidesShift(shiftAzimuth(ha, dec, maz)))
        return 0;
    return 5;
}

std::pair<double, double> PolarAligner::shiftElevation(double ha, double dec, double el) const {
    // Raising the axis moves it towards the pole of its own hemisphere.
    const double e = m_location->location().latitudeRad >= 0 ? el : -el;
    return {ha - e * std::sin(ha) * std::tan(dec), dec - e * std::cos(ha)};
}

std::pair<double, double> PolarAligner::shiftAzimuth(double ha, double dec, double az) const {
    const auto [a, h] = m_astroCalc->hourAngleDecToAzAlt(ha, dec);
    return m_astroCalc->azAltToHourAngleDec(a + az, h);
}

bool PolarAligner::applyCorrection(double mel, double maz, bool isElevation) {
    if (!m_container->hasValue())
        return false;
    const ALIGNMENT_DATA data = m_container->get();
    std::vector<ALIGNMENT_PAIR> pairs = data.pairs;
    if (pairs.empty() || pairs.size() != data.objNames.size())
        return false;
    for (ALIGNMENT_PAIR& p : pairs) {
        const auto [ha, dec] =
            isElevation ? shiftElevation(p.ha, p.dec, -mel) : shiftAzimuth(p.ha, p.dec, -maz);
        p.ha = ha;
        p.dec = dec;
    }
    return alignPairs(*m_aligner, data.objNames, pairs);
}

} // namespace Ko
