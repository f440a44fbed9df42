#pragma once

#include "align/ialignstarrater.h"

#include <memory>

namespace Ko {

class AltRange;
class IAstroCalc;
class IMountConnection;

// Rates under the rules of the mount connected at the moment of the call: a mount that connects
// or disconnects between two calls changes the answers from that call on. No state of its own;
// callable from any thread (the star lists call it on the main thread, sequential alignment on
// the server's).
// Threads: any thread.
class AlignStarRater : public IAlignStarRater {
public:
    // The altitude limits are held for the pages that show them; the rules do not use them.
    AlignStarRater(std::shared_ptr<AltRange> altRange, std::shared_ptr<IAstroCalc> astroCalc,
                   std::shared_ptr<IMountConnection> mountConnection);

    bool canRate() const override;
    int8_t rateFirstStar(const CoordPair& star) const override;
    int8_t rateSecondStar(const CoordPair& first, const CoordPair& candidate,
                          int starCount) const override;
    int8_t rateThirdStar(const CoordPair& first, const CoordPair& second,
                         const CoordPair& candidate) const override;

private:
    // Calls rate with the rules of the connected mount's mode; 0 while no mount is connected.
    template <class Rate>
    int8_t withRules(Rate&& rate) const;

    std::shared_ptr<AltRange> m_altRange;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<IMountConnection> m_mountConnection;
};

} // namespace Ko
