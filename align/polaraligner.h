#pragma once

#include "align/ipolaraligner.h"

#include <memory>

namespace Ko {

class AltRange;
class ILocation;
class IAstroCalc;
class IAlignmentDataContainer;
class IAligner;

// Polar-alignment geometry over the stored pointing model. The model's measured polar-axis error
// drives the star ratings; a correction re-solves the stored stars as if the axis had moved.
// rateStar and the shifts only read; applyCorrection must not overlap other solves.
// Threads: any thread; applyCorrection one solve at a time.
class PolarAligner : public IPolarAligner {
public:
    // Polar-axis errors below this are not worth correcting.
    static constexpr double kLeastError = 0.0011635528346628863; // 4 arcminutes
    // A star that moves less than this under the correction does not show it.
    static constexpr double kLeastVisibleShift = 0.0005817764173314432; // 2 arcminutes

    PolarAligner(std::shared_ptr<AltRange> altRange, std::shared_ptr<ILocation> location,
                 std::shared_ptr<IAstroCalc> astroCalc,
                 std::shared_ptr<IAlignmentDataContainer> container,
                 std::shared_ptr<IAligner> aligner);

    uint8_t rateStar(double ha, double dec) const override;
    std::pair<double, double> shiftElevation(double ha, double dec, double el) const override;
    std::pair<double, double> shiftAzimuth(double ha, double dec, double az) const override;
    bool applyCorrection(double mel, double maz, bool isElevation) override;

private:
    std::shared_ptr<AltRange> m_altRange;
    std::shared_ptr<ILocation> m_location;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<IAlignmentDataContainer> m_container;
    std::shared_ptr<IAligner> m_aligner;
};

} // namespace Ko
