#pragma once

#include <QMetaType>
#include <QtCore/qobjectdefs.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace Ko {

// Threads: any thread (value types).

// A path for the mount to follow: sky positions one fixed interval apart from a start time.
struct TrailPointsParam {
    std::string name;
    uint32_t intervalUs = 0;
    // Time of point 0, ms since 1970.
    int64_t startTimeMs = 0;
    // (right ascension or hour angle, declination) per point.
    std::vector<std::pair<double, double>> points;
    // When false the pairs are degrees.
    bool inRadians = true;
    // 0: RA/Dec J2000; 1: RA/Dec of date; 2: observed hour angle and declination. Any other
    // value reads every point as (0, 0).
    uint32_t frame = 0;

    // The pair of point k in radians, still in the request's frame.
    std::pair<double, double> pointRad(size_t k) const;
    // The time of point k, ms since 1970. The product is taken in 64 bits, so a path may run for
    // days without the time wrapping.
    int64_t pointTimeMs(uint64_t k) const;
};

// One stretch of the path that the mount follows on one pier side, as axis angles.
struct TrailPointsSegment {
    uint32_t intervalUs = 0;
    // Index in the request of points[0].
    uint64_t firstIndex = 0;
    // Time of points[0], ms since 1970.
    int64_t startTimeMs = 0;
    // (axis 1, axis 2) in radians.
    std::vector<std::pair<double, double>> points;

    // Point j's time: the offset rounded to the nearest millisecond.
    int64_t pointTimeMs(uint64_t j) const;
};

// Which points of one segment may still be sent: never one whose time has passed, never one
// twice.
class TrailPointsCursor {
public:
    struct Point {
        uint32_t index = 0;
        int64_t timeMs = 0;
    };

    TrailPointsCursor(int64_t startTimeMs, uint32_t intervalUs, uint32_t count, uint32_t next);
    explicit TrailPointsCursor(const TrailPointsSegment& segment, uint32_t next = 0);

    // The first point due at or after t that has not been used; false when none is left. With a
    // zero interval every point is due at the start.
    bool nextPointAt(int64_t t, Point* out) const;
    // Throws std::logic_error "Used point already recorded" when k is below the next free index.
    void markUsed(uint32_t k);

    uint32_t next() const { return m_next; }
    uint32_t count() const { return m_count; }

private:
    int64_t m_startTimeMs;
    uint32_t m_intervalUs;
    uint32_t m_count;
    uint32_t m_next;
};

struct TrailPointsDetailedState_ {
    Q_GADGET
public:
    enum E : int { SlewTo = 0, Waiting = 1, Tracking = 2 };
    Q_ENUM(E)
};

// How far a trail-points run has come; donePoints counts over the whole request.
struct TrailPointsProgress {
    Q_GADGET
    Q_PROPERTY(Ko::TrailPointsDetailedState_::E state MEMBER state)
    Q_PROPERTY(unsigned donePoints MEMBER donePoints)
public:
    TrailPointsDetailedState_::E state = TrailPointsDetailedState_::SlewTo;
    unsigned donePoints = 0;

    bool operator==(const TrailPointsProgress&) const = default;
};

// The test sweep: hour angle from haStartDeg towards haEndDeg at absRateDps, one point every
// intervalMs, declination 45 degrees, in the model's own frame. A zero rate or interval, equal
// ends, or a sweep of more than kMaxSweepPoints points gives no points.
TrailPointsParam makeSweepTrailPointsParam(double absRateDps, uint32_t intervalMs,
                                           double haStartDeg, double haEndDeg);
inline constexpr size_t kMaxSweepPoints = 1'000'000;

} // namespace Ko

Q_DECLARE_METATYPE(Ko::TrailPointsProgress)
