#include "mount/tasks/trailpoints.h"

#include "astro/angleutil.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Ko {

std::pair<double, double> TrailPointsParam::pointRad(size_t k) const {
    const auto& p = points.at(k);
    return inRadians ? p : std::pair{p.first * kDeg, p.second * kDeg};
}

int64_t TrailPointsParam::pointTimeMs(uint64_t k) const {
    return startTimeMs + static_cast<int64_t>(uint64_t{intervalUs} * k / 1000);
}

int64_t TrailPointsSegment::pointTimeMs(uint64_t j) const {
    return startTimeMs + static_cast<int64_t>((uint64_t{intervalUs} * j + 500) / 1000);
}

TrailPointsCursor::TrailPointsCursor(int64_t startTimeMs, uint32_t intervalUs, uint32_t count,
                                     uint32_t next)
    : m_startTimeMs(startTimeMs), m_intervalUs(intervalUs), m_count(count), m_next(next) {}

TrailPointsCursor::TrailPointsCursor(const TrailPointsSegment& segment, uint32_t next)
    : TrailPointsCursor(segment.startTimeMs, segment.intervalUs,
                        static_cast<uint32_t>(segment.points.size()), next) {}

bool TrailPointsCursor::nextPointAt(int64_t t, Point* out) const {
    uint64_t k = 0;
    if (t > m_startTimeMs && m_intervalUs > 0) {
        const double due =
            std::trunc(static_cast<double>(t - m_startTimeMs) / (m_intervalUs * 0.001));
        // Anything at or past the end is simply "none left".
        k = due >= m_count ? m_count : static_cast<uint64_t>(due);
    }
    k = std::max<uint64_t>(k, m_next);
    if (k >= m_count)
        return false;
    out->index = static_cast<uint32_t>(k);
    out->timeMs = m_startTimeMs + static_cast<int64_t>(k * m_intervalUs / 1000);
    return true;
}

void TrailPointsCursor::markUsed(uint32_t k) {
    if (k < m_next)
        throw std::logic_error("Used point already recorded");
    m_next = k + 1;
}

TrailPointsParam makeSweepTrailPointsParam(double absRateDps, uint32_t intervalMs,
                                           double haStartDeg, double haEndDeg) {
    TrailPointsParam param;
    param.name = "Test target";
    param.intervalUs = intervalMs * 1000;
    param.inRadians = true;
    param.frame = 2;
    const double a = haStartDeg * kDeg;
    const double b = haEndDeg * kDeg;
    const double step = std::copysign(std::abs(absRateDps) * kDeg * intervalMs / 1000.0, b - a);
    if (!(std::abs(step) > 0))
        return param;
    const double n = std::trunc((b - a) / step);
    if (!(n > 0) || n > static_cast<double>(kMaxSweepPoints))
        return param;
    param.points.reserve(static_cast<size_t>(n));
    for (size_t i = 0; i < static_cast<size_t>(n); ++i)
        param.points.emplace_back(a + static_cast<double>(i) * step, kPi / 4);
    return param;
}

} // namespace Ko
