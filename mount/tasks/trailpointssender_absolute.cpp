#include "mount/tasks/trailpointssender_absolute.h"

#include "base/cancellable.h"
#include "base/clock.h"
#include "link/iconnectionsettings.h"
#include "link/ikomcommand.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace Ko {

namespace {

// Ends the no-resend override when the send returns or throws.
class ResendOverride {
public:
    explicit ResendOverride(IConnectionSettings& settings) : m_settings(settings) {
        m_settings.setResendCountOverride(0);
    }
    ~ResendOverride() { m_settings.setResendCountOverride({}); }
    ResendOverride(const ResendOverride&) = delete;
    ResendOverride& operator=(const ResendOverride&) = delete;

private:
    IConnectionSettings& m_settings;
};

} // namespace

TrailPointsSender_Absolute::TrailPointsSender_Absolute(
    std::shared_ptr<IClock> clock, std::shared_ptr<IConnectionSettings> settings,
    std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IKoMCommand> command)
    : m_clock(std::move(clock)), m_settings(std::move(settings)),
      m_cancellable(std::move(cancellable)), m_command(std::move(command)) {}

CmdRetType_::E TrailPointsSender_Absolute::send(const TrailPointsSegment& segment,
                                                uint32_t startIndex, const Progress& progress) {
    CmdRetType_::E r;
    {
        ResendOverride noResends(*m_settings);
        r = sendPoints(segment, startIndex, progress);
    }
    return r == CmdRetType_::Ok ? m_command->stopExtendedMotion() : r;
}

CmdRetType_::E TrailPointsSender_Absolute::readFreeSlots(uint16_t* free) {
    for (;;) {
        const CmdRetType_::E r = m_command->readTargetStatus(free);
        if (r != CmdRetType_::Timeout)
            return r;
        if (m_cancellable->isCancelled())
            return CmdRetType_::Cancel;
    }
}

CmdRetType_::E TrailPointsSender_Absolute::sendPoints(const TrailPointsSegment& segment,
                                                      uint32_t startIndex,
                                                      const Progress& progress) {
    const int capacity = m_command->lastTargetStatus();
    uint16_t free = 0;
    if (const CmdRetType_::E r = readFreeSlots(&free); r != CmdRetType_::Ok)
        return r;

    TrailPointsCursor cursor(segment, startIndex);
    std::array<int64_t, kLatencyWindow> latency{};
    bool measured = false;
    size_t latencySlot = 0;
    const int64_t fullWaitMs = std::max<int64_t>(kMinWaitMs, segment.intervalUs * 3 / 2000);
    for (;;) {
        // Twice the mean round trip ahead of now, in whole milliseconds.
        const int64_t sendAhead =
            std::accumulate(latency.begin(), latency.end(), int64_t{0}) * 2 / kLatencyWindow;
        TrailPointsCursor::Point point;
        if (!cursor.nextPointAt(m_clock->nowMs() + sendAhead, &point))
            break;
        if (free == 0) {
            while (free == 0) {
                if (m_cancellable->sleep(fullWaitMs))
                    return CmdRetType_::Cancel;
                if (const CmdRetType_::E r = readFreeSlots(&free); r != CmdRetType_::Ok)
                    return r;
            }
            // Time has moved on: pick the point again.
            continue;
        }
        cursor.markUsed(point.index);
        const int64_t sentAt = m_clock->nowMs();
        uint16_t status = 0;
        const CmdRetType_::E r = m_command->sendTimedTarget(
            point.timeMs, segment.points[point.index], {}, nullptr, nullptr, &status);
        if (r == CmdRetType_::Timeout)
            continue; // that point is lost; the stream goes on with the next one due
        if (r != CmdRetType_::Ok)
            return r;
        const int64_t roundTrip = m_clock->nowMs() - sentAt;
        if (!measured) {
            latency.fill(roundTrip);
            measured = true;
        } else {
            latency[latencySlot] = roundTrip;
            latencySlot = (latencySlot + 1) % kLatencyWindow;
        }
        if (progress)
            progress({TrailPointsDetailedState_::Tracking,
                      static_cast<unsigned>(segment.firstIndex + point.index + 1)});
        free = status;
    }
    return drain(segment, capacity);
}

CmdRetType_::E TrailPointsSender_Absolute::drain(const TrailPointsSegment& segment, int capacity) {
    const int64_t intervalMs = segment.intervalUs / 1000;
    for (;;) {
        uint16_t free = 0;
        if (const CmdRetType_::E r = readFreeSlots(&free); r != CmdRetType_::Ok)
            return r;
        const int queued = capacity - free;
        if (queued <= 1)
            return CmdRetType_::Ok;
        const int64_t waitMs = std::max(kMinWaitMs, (queued < 3 ? 2 : queued) * intervalMs);
        if (m_cancellable->sleep(waitMs))
            return CmdRetType_::Cancel;
    }
}

} // namespace Ko
