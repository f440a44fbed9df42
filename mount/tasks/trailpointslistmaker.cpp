#include "mount/tasks/trailpointslistmaker.h"

#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "base/clock.h"
#include "model/ialignment.h"

#include <atomic>
#include <cmath>

namespace Ko {

namespace {
std::atomic<double> g_autoFlipMeridianAbsDeg{5.0};
} // namespace

TrailPointsListMaker::TrailPointsListMaker(std::shared_ptr<IAlignment> alignment,
                                           std::shared_ptr<IAstroCalc> astroCalc,
                                           TrailPointsParam&& param, int64_t runStartMs)
    : m_alignment(std::move(alignment)), m_astroCalc(std::move(astroCalc)),
      m_param(std::move(param)), m_runStartMs(runStartMs) {}

double TrailPointsListMaker::autoFlipMeridianAbsDeg() {
    return g_autoFlipMeridianAbsDeg.load();
}

void TrailPointsListMaker::setAutoFlipMeridianAbsDeg(double deg) {
    g_autoFlipMeridianAbsDeg.store(deg);
}

const std::vector<TrailPointsSegment>& TrailPointsListMaker::segments() {
    if (m_segments.empty())
        m_segments = makeSegments();
    return m_segments;
}

std::pair<double, double> TrailPointsListMaker::skyPoint(size_t k) const {
    const auto pair = m_param.pointRad(k);
    switch (m_param.frame) {
    case 0:
    case 1: {
        const CoordType from = m_param.frame == 0 ? CoordType::RDJ2000 : CoordType::RDJNow;
        const double jd = unixMsToJulianDate(m_param.pointTimeMs(k));
        const U_ASTRO_COORD c = m_astroCalc
                                    ->allFramesAt({pair.first, pair.second, from},
                                                  CoordType::HDObsv, jd)[CoordType::HDObsv]
                                    .value();
        return {c.a, c.b};
    }
    case 2:
        return pair;
    default:
        return {0.0, 0.0};
    }
}

std::vector<TrailPointsSegment> TrailPointsListMaker::makeSegments() const {
    const size_t n = m_param.points.size();
    // A negative threshold would end every segment before its own first point.
    const double limit = std::abs(autoFlipMeridianAbsDeg()) * kDeg;
    std::vector<std::pair<double, double>> sky(n);
    for (size_t k = 0; k < n; ++k)
        sky[k] = skyPoint(k);

    std::vector<TrailPointsSegment> segments;
    size_t k = 0;
    while (k < n) {
        const auto h0 = sky[k];
        // The way the path runs in hour angle; a path that never moves is taken as running west
        // with the sky.
        bool increasing = true;
        for (size_t j = k + 1; j < n; ++j)
            if (sky[j].first != h0.first) {
                increasing = sky[j].first > h0.first;
                break;
            }
        const auto first = m_alignment->skyToAxesWithSide(h0, increasing);
        const auto start = m_alignment->createTrailPointsStart(first);
        const bool canFlip = m_alignment->canAutoFlip();

        TrailPointsSegment segment;
        segment.intervalUs = m_param.intervalUs;
        segment.firstIndex = k;
        segment.startTimeMs =
            m_runStartMs + static_cast<int64_t>(uint64_t{m_param.intervalUs} * k / 1000);
        auto previous = first;
        size_t j = k;
        for (; j < n; ++j) {
            const double ha = sky[j].first;
            // The first point always belongs to its segment, so every segment takes at least one.
            const bool crossed = (h0.first >= 0 && ha < -limit) || (h0.first < 0 && ha > limit);
            if (j > k && canFlip && crossed)
                break;
            previous = m_alignment->skyToAxesWithStart(sky[j], previous, *start);
            segment.points.push_back(previous);
        }
        segments.push_back(std::move(segment));
        k = j;
    }
    return segments;
}

} // namespace Ko
