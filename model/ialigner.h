#pragma once

#include "model/alignmentdata.h"

#include <string>
#include <vector>

namespace Ko {

// Solves the pointing model from one, two or three aligned stars and hands it to the alignment
// data container. A solve that fails stores nothing.
// Threads: any thread, one call at a time.
class IAligner {
public:
    virtual ~IAligner() = default;

    // Stores the default model of the connected mount's mode and site, keeping CH and NP.
    virtual void reapply() = 0;
    // Each takes exactly as many names as pairs; true when the model was solved and stored.
    virtual bool align1(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1) = 0;
    virtual bool align2(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1,
                        const ALIGNMENT_PAIR& p2) = 0;
    virtual bool align3(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1,
                        const ALIGNMENT_PAIR& p2, const ALIGNMENT_PAIR& p3) = 0;
};

} // namespace Ko
