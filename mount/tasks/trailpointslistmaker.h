#pragma once

#include "mount/tasks/trailpoints.h"

#include <memory>
#include <vector>

namespace Ko {

class IAlignment;
class IAstroCalc;

// Turns a trail-points request into mount-axis segments, one per pier side: an equatorial mount
// whose model picks the pier side itself starts a new segment once the path has crossed the
// meridian by more than the auto-flip threshold. The list is made on first use, on the calling
// (task) thread, and kept.
// Threads: a task's own thread; the auto-flip threshold any thread.
class TrailPointsListMaker {
public:
    // runStartMs is the time of the request's point 0 for this run.
    TrailPointsListMaker(std::shared_ptr<IAlignment> alignment,
                         std::shared_ptr<IAstroCalc> astroCalc, TrailPointsParam&& param,
                         int64_t runStartMs);

    const std::vector<TrailPointsSegment>& segments();
    const TrailPointsParam& param() const { return m_param; }

    // The process-wide threshold in degrees (default 5): how far past the meridian a path may
    // run before the mount changes pier side. Its sign is ignored. Safe from any thread.
    static double autoFlipMeridianAbsDeg();
    static void setAutoFlipMeridianAbsDeg(double deg);

private:
    // Point k as observed hour angle and declination.
    std::pair<double, double> skyPoint(size_t k) const;
    std::vector<TrailPointsSegment> makeSegments() const;

    const std::shared_ptr<IAlignment> m_alignment;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const TrailPointsParam m_param;
    const int64_t m_runStartMs;
    std::vector<TrailPointsSegment> m_segments;
};

} // namespace Ko
