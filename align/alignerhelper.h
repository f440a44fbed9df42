#pragma once

#include "align/ialignerhelper.h"

#include <memory>
#include <mutex>

namespace Ko {

class IAlignmentDataContainer;
class IAligner;
class IAlignStarRater;
class IAstroFormat;
class IAstroCalc;

// Threads: any thread (the remote-control server's and the main thread call it).
class AlignerHelper : public IAlignerHelper {
    Q_OBJECT
public:
    AlignerHelper(std::shared_ptr<IAlignmentDataContainer> container,
                  std::shared_ptr<IAligner> aligner, std::shared_ptr<IAlignStarRater> rater,
                  std::shared_ptr<IAstroFormat> astroFormat, std::shared_ptr<IAstroCalc> astroCalc);

    bool sequentialAlign(const std::string& name, const ALIGNMENT_PAIR& pair) override;
    void removeLastStar() override;

private:
    std::shared_ptr<IAlignmentDataContainer> m_container;
    std::shared_ptr<IAligner> m_aligner;
    std::shared_ptr<IAlignStarRater> m_rater;
    std::shared_ptr<IAstroFormat> m_astroFormat;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    // Serialises whole read-rate-solve steps: a sync from the server and a removal from the page
    // must not interleave, and the solver takes one call at a time.
    std::mutex m_mutex;
};

} // namespace Ko
