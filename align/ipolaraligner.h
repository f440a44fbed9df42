#pragma once

#include <cstdint>
#include <utility>

namespace Ko {

// The geometry of polar alignment: how a star moves when the polar axis is corrected by the error
// the pointing model measured, whether that movement is large enough to watch, and the re-solve of
// the stored model once the user has made a correction. Angles are radians; star positions are
// observed (hour angle, declination).
// Threads: any thread; applyCorrection one solve at a time.
class IPolarAligner {
public:
    virtual ~IPolarAligner() = default;

    // 5 when the star shows the correction clearly enough, else 0.
    virtual uint8_t rateStar(double ha, double dec) const = 0;
    virtual std::pair<double, double> shiftElevation(double ha, double dec, double el) const = 0;
    virtual std::pair<double, double> shiftAzimuth(double ha, double dec, double az) const = 0;
    // Re-solves the stored model as if the elevation (isElevation) or azimuth error had been
    // corrected; false when there is nothing to re-solve or the solver rejects it.
    virtual bool applyCorrection(double mel, double maz, bool isElevation) = 0;
};

} // namespace Ko
