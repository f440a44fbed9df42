#pragma once

#include "base/callbacklist.h"
#include "model/flippingmode.h"

#include <memory>
#include <utility>

namespace Ko {

// The pointing model applied to positions: observed hour angle and declination to the mount's two
// axis angles and back, with the three correction terms and the pier-side choice, plus axis rates
// and how far the main axis is from where it should point. All angles are radians, pairs are
// (first, second). Conversions may run on any thread at once; each reads the current model, so a
// new model takes effect at the next call. Reading a missing model (or a missing mode or site
// where one is needed) throws std::logic_error "Read null Nullable".
// Threads: any thread, several at once.
class IAlignment {
public:
    using AnglePair = std::pair<double, double>;

    // Remembers on which side a trail of points started, so that every point of it stays there.
    class TrailPointsStart {
    public:
        virtual ~TrailPointsStart() = default;
    };

    virtual ~IAlignment() = default;

    // Fired by setFlippingMode.
    eventpp::CallbackList<void()> flippingModeChanged;
    // Fired by whoever replaces the shared model; the transform itself never fires it.
    eventpp::CallbackList<void()> alignmentChanged;

    // The unwrapping reference for callers that have no axis reading.
    virtual AnglePair referenceAxes() const = 0;
    // EQ: azimuth and elevation error of the polar axis; AZ: azimuth and tilt of the vertical axis.
    virtual AnglePair axisAzElError() const = 0;
    // EQ: angle between the polar axis and the pole; AZ: tilt of the vertical axis.
    virtual double axisTilt() const = 0;
    virtual AnglePair axesToSky(AnglePair axes) const = 0;
    virtual AnglePair skyToAxes(AnglePair sky, AnglePair reference) const = 0;
    // The axis rates of a sky position moving in hour angle at rate, in the unit of rate.
    virtual AnglePair axisRates(AnglePair sky, double rate) const = 0;
    virtual FlippingMode_::E flippingMode() const = 0;
    virtual void setFlippingMode(FlippingMode_::E mode) = 0;
    virtual bool shouldFlip(AnglePair sky, FlippingMode_::E mode) const = 0;
    virtual bool isFlipped(AnglePair axes) const = 0;
    // skyToAxes with the pier side forced for this call only.
    virtual AnglePair skyToAxesWithSide(AnglePair sky, bool side) const = 0;
    virtual std::unique_ptr<TrailPointsStart> createTrailPointsStart(AnglePair axes) const = 0;
    // The trail's side, axis 1 unwrapped next to the reference and kept inside the axis limits.
    virtual AnglePair skyToAxesWithStart(AnglePair sky, AnglePair reference,
                                         const TrailPointsStart& start) const = 0;
    // An EQ model whose pier side is chosen automatically.
    virtual bool canAutoFlip() const = 0;
};

} // namespace Ko
