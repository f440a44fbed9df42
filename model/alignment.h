#pragma once

#include "base/nullable.h"
#include "link/ikodevice.h"
#include "model/ialignment.h"
#include "model/sharedalignmentdata.h"

#include <atomic>
#include <memory>

namespace Ko {

class IMountAxisLimit;

// The pointing-model transform over the shared model holder. It keeps only the flipping mode
// (atomic, so any thread may read it while the user changes it); everything else is read from
// one snapshot of the record per call, so a model replaced meanwhile takes effect at the next
// call and never half-way through one. Conversions may run on any number of threads; a pier side
// forced for one call travels down that call only.
// Threads: any thread, several at once.
class Alignment : public IAlignment {
public:
    // limits may be null: axis 1 then has no travel limits.
    Alignment(std::shared_ptr<SharedAlignmentData> data, std::shared_ptr<IMountAxisLimit> limits);

    class TrailPointsStart_Internal : public TrailPointsStart {
    public:
        // Whether the trail started on the flipped side; empty for an AZ model.
        Nullable<bool> flipped;
    };

    AnglePair referenceAxes() const override;
    AnglePair axisAzElError() const override;
    double axisTilt() const override;
    AnglePair axesToSky(AnglePair axes) const override;
    AnglePair skyToAxes(AnglePair sky, AnglePair reference) const override;
    AnglePair axisRates(AnglePair sky, double rate) const override;
    FlippingMode_::E flippingMode() const override;
    void setFlippingMode(FlippingMode_::E mode) override;
    bool shouldFlip(AnglePair sky, FlippingMode_::E mode) const override;
    bool isFlipped(AnglePair axes) const override;
    AnglePair skyToAxesWithSide(AnglePair sky, bool side) const override;
    std::unique_ptr<TrailPointsStart> createTrailPointsStart(AnglePair axes) const override;
    AnglePair skyToAxesWithStart(AnglePair sky, AnglePair reference,
                                 const TrailPointsStart& start) const override;
    bool canAutoFlip() const override;

    // Axis 2 of an EQ model lives in [-pi/2, 3pi/2): an angle below that range gets a turn added.
    // Any other axis or mode passes the angle through.
    double normalizeAxisAngle(AXISID axis, double angle) const;

    // The axes of a sky position under the model's rotation alone, without ID, CH and NP: for an
    // EQ model on the side that mode picks (axis 2 in [-pi/2, 3pi/2)), for any other mode the
    // plain rotation. The solver measures its stars against these.
    AnglePair uncorrectedSkyToAxes(AnglePair sky, FlippingMode_::E mode) const;

private:
    SharedAlignmentData::Snapshot model() const { return m_data->snapshot(); }
    AnglePair skyToAxesOnSide(const ALIGNMENT_DATA& d, AnglePair sky, AnglePair reference,
                              const Nullable<bool>& side) const;

    const std::shared_ptr<SharedAlignmentData> m_data;
    const std::shared_ptr<IMountAxisLimit> m_limits;
    std::atomic<FlippingMode_::E> m_flippingMode{FlippingMode_::Auto};
};

} // namespace Ko
