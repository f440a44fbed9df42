#include "align/alignerhelper.h"

#include "align/alignpairs.h"
#include "align/ialignstarrater.h"
#include "astro/iastrocalc.h"
#include "astro/iastroformat.h"
#include "base/log.h"
#include "model/ialigner.h"
#include "model/ialignmentdatacontainer.h"

namespace Ko {

namespace {

// The model holds at most this many stars.
constexpr size_t kMaxStars = 3;

CoordPair skyOf(const ALIGNMENT_PAIR& p) {
    return {p.ha, p.dec};
}

} // namespace

AlignerHelper::AlignerHelper(std::shared_ptr<IAlignmentDataContainer> container,
                             std::shared_ptr<IAligner> aligner,
                             std::shared_ptr<IAlignStarRater> rater,
                             std::shared_ptr<IAstroFormat> astroFormat,
                             std::shared_ptr<IAstroCalc> astroCalc)
    : m_container(std::move(container)), m_aligner(std::move(aligner)), m_rater(std::move(rater)),
      m_astroFormat(std::move(astroFormat)), m_astroCalc(std::move(astroCalc)) {}

bool AlignerHelper::sequentialAlign(const std::string& name, const ALIGNMENT_PAIR& pair) {
    std::lock_guard lock(m_mutex);
    std::vector<ALIGNMENT_PAIR> pairs;
    std::vector<std::string> names;
    if (m_container->hasValue()) {
        const ALIGNMENT_DATA data = m_container->get();
        pairs = data.pairs;
        names = data.objNames;
    }
    // A model that came from a file or a peer is not trusted to be whole.
    if (pairs.size() != names.size() || pairs.size() > kMaxStars) {
        Log("AlignerHelper: stored model has %zu pairs and %zu names", pairs.size(), names.size());
        return false;
    }
    if (pairs.size() == kMaxStars) {
        pairs.erase(pairs.begin());
        names.erase(names.begin());
    }
    pairs.push_back(pair);
    names.push_back(name);

    bool rated = m_rater->rateFirstStar(skyOf(pairs[0])) > 0;
    if (rated && pairs.size() >= 2)
        rated = m_rater->rateSecondStar(skyOf(pairs[0]), skyOf(pairs[1]),
                                        static_cast<int>(pairs.size())) > 0;
    if (rated && pairs.size() == 3)
        rated = m_rater->rateThirdStar(skyOf(pairs[0]), skyOf(pairs[1]), skyOf(pairs[2])) > 0;
    if (!rated)
        return false;

    if (alignPairs(*m_aligner, names, pairs))
        return true;
    const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(
        U_ASTRO_COORD{pair.ha, pair.dec, CoordType::HDObsv}, CoordType::AZObsv);
    emit sequentialAlignFailed(
        QString::fromStdString(m_astroFormat->formatAzAltWholeDegrees(azAlt.a, azAlt.b)));
    return false;
}

void AlignerHelper::removeLastStar() {
    std::lock_guard lock(m_mutex);
    // The page may ask after the model changed under it (a reset, a new alignment, a shared
    // model): nothing to take out is not an error worth stopping for.
    if (!m_container->hasValue()) {
        Log("AlignerHelper: no model to remove a star from");
        return;
    }
    const ALIGNMENT_DATA data = m_container->get();
    std::vector<ALIGNMENT_PAIR> pairs = data.pairs;
    std::vector<std::string> names = data.objNames;
    if (pairs.empty() || pairs.size() != names.size() || pairs.size() > kMaxStars) {
        Log("AlignerHelper: cannot remove a star from %zu pairs and %zu names", pairs.size(),
            names.size());
        return;
    }
    if (pairs.size() == 1) {
        m_aligner->reapply();
        return;
    }
    pairs.pop_back();
    names.pop_back();
    // A rejected solve stores nothing, so the model stays the one before the call.
    if (!alignPairs(*m_aligner, names, pairs))
        Log("AlignerHelper: the remaining %zu stars were rejected; model kept", pairs.size());
}

} // namespace Ko
