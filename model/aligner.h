#pragma once

#include "model/alignment.h"
#include "model/ialigner.h"

#include <memory>

namespace Ko {

class IAlignmentDataContainer;
class IAstroCalc;
class IClock;
class ILocation;
class IPerMountData;

// The model solver. One star turns the default model about axis 1 and finds ID; two stars fit the
// whole rotation and ID; three also find CH: a secant search on CH finds the terms that one round
// of the ID and CH solves gives back unchanged, and the alternation of the two runs from there
// until both settle.
// NP is never solved: it comes from the current model. Every solve works on a record of its own
// and reaches the container only when it produced a finite model. Each star is measured against
// the default axes on the pier side its axes were read on. Not reentrant: the working record is
// unguarded, and callers (the alignment workflows) never overlap.
// Threads: any thread, one call at a time.
class Aligner : public IAligner {
public:
    // Three-star alternation: it stops when ID and CH each moved less than this in one round...
    static constexpr double kSettled = 4.848136811095359e-05;
    // ...and gives up after this many rounds.
    static constexpr int kMaxRounds = 300;

    Aligner(std::shared_ptr<IAlignmentDataContainer> container,
            std::shared_ptr<IPerMountData> perMountData, std::shared_ptr<ILocation> location,
            std::shared_ptr<IClock> clock, std::shared_ptr<IAstroCalc> astroCalc);

    void reapply() override;
    bool align1(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1) override;
    bool align2(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1,
                const ALIGNMENT_PAIR& p2) override;
    bool align3(const std::vector<std::string>& objNames, const ALIGNMENT_PAIR& p1,
                const ALIGNMENT_PAIR& p2, const ALIGNMENT_PAIR& p3) override;

private:
    bool align(const std::vector<std::string>& objNames, std::vector<ALIGNMENT_PAIR> pairs);
    bool solve(std::vector<ALIGNMENT_PAIR>& pairs, double ch, double np);
    bool solve1(const ALIGNMENT_PAIR& p);
    bool solve2(const ALIGNMENT_PAIR& p1, const ALIGNMENT_PAIR& p2);
    bool solve3(const ALIGNMENT_PAIR (&pairs)[3]);
    void resetWork(double id, double ch, double np);
    std::pair<double, double> defaultAxes(const ALIGNMENT_PAIR& p) const;

    const std::shared_ptr<IAlignmentDataContainer> m_container;
    const std::shared_ptr<IPerMountData> m_perMountData;
    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    // The record being solved, and the transform that reads it for the default axes.
    ALIGNMENT_DATA m_work;
    const std::shared_ptr<SharedAlignmentData> m_workHolder;
    Alignment m_workAlignment;
};

} // namespace Ko
