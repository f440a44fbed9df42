#pragma once

#include <string>
#include <utility>

namespace Ko {

// The pointing-accuracy correction table: sky positions (observed hour angle, declination;
// radians) shifted by the correction point recorded nearest to them. Both lookups return the
// position unchanged when no point applies.
// Threads: any thread.
class IPAE {
public:
    using AnglePair = std::pair<double, double>;

    virtual ~IPAE() = default;

    // A point pairing the true sky position (tha, tdec) with the one the model computed from the
    // axes at that moment (cha, cdec).
    virtual void add(std::string name, double tha, double tdec, double cha, double cdec) = 0;
    // The position to send through the model so that the mount ends on the true position.
    virtual AnglePair lookup(AnglePair position) = 0;
    // The true position of a position computed by the model.
    virtual AnglePair lookupShifted(AnglePair position) = 0;
};

} // namespace Ko
