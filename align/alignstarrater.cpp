#include "align/alignstarrater.h"

#include "align/alignstarrules.h"
#include "mount/imount.h"
#include "mount/imountconnection.h"

namespace Ko {

AlignStarRater::AlignStarRater(std::shared_ptr<AltRange> altRange,
                               std::shared_ptr<IAstroCalc> astroCalc,
                               std::shared_ptr<IMountConnection> mountConnection)
    : m_altRange(std::move(altRange)), m_astroCalc(std::move(astroCalc)),
      m_mountConnection(std::move(mountConnection)) {}

template <class Rate>
int8_t AlignStarRater::withRules(Rate&& rate) const {
    // Held for the call: the connection may let the mount go meanwhile.
    const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
    if (!mount)
        return 0;
    return rate(AlignStarRules(*m_astroCalc, mount->mountMode()));
}

bool AlignStarRater::canRate() const {
    return m_mountConnection->sharedMount() != nullptr;
}

int8_t AlignStarRater::rateFirstStar(const CoordPair& star) const {
    return withRules([&](const AlignStarRules& rules) { return rules.rateFirstStar(star); });
}

int8_t AlignStarRater::rateSecondStar(const CoordPair& first, const CoordPair& candidate,
                                      int starCount) const {
    return withRules([&](const AlignStarRules& rules) {
        return rules.rateSecondStar(first, candidate, starCount);
    });
}

int8_t AlignStarRater::rateThirdStar(const CoordPair& first, const CoordPair& second,
                                     const CoordPair& candidate) const {
    return withRules(
        [&](const AlignStarRules& rules) { return rules.rateThirdStar(first, second, candidate); });
}

} // namespace Ko
