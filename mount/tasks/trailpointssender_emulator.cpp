#include "mount/tasks/trailpointssender_emulator.h"

#include "base/cancellable.h"
#include "base/clock.h"
#include "link/mountaxistimecontainer.h"

namespace Ko {

TrailPointsSender_Emulator::TrailPointsSender_Emulator(
    std::shared_ptr<IClock> clock, std::shared_ptr<ITCCancellable> cancellable,
    std::shared_ptr<MountAxisTimeContainer> container)
    : m_clock(std::move(clock)), m_cancellable(std::move(cancellable)),
      m_container(std::move(container)) {}

CmdRetType_::E TrailPointsSender_Emulator::send(const TrailPointsSegment& segment,
                                                uint32_t startIndex, const Progress& progress) {
    TrailPointsCursor cursor(segment, startIndex);
    TrailPointsCursor::Point point;
    while (cursor.nextPointAt(m_clock->nowMs(), &point)) {
        const int64_t ahead = point.timeMs - m_clock->nowMs();
        if (ahead > kEarlyWakeMs && m_cancellable->sleep(ahead))
            return CmdRetType_::Cancel;
        cursor.markUsed(point.index);
        const int64_t now = m_clock->nowMs();
        const auto& axes = segment.points[point.index];
        m_container->setBoth({axes.first, now}, {axes.second, now});
        if (progress)
            progress({TrailPointsDetailedState_::Tracking,
                      static_cast<unsigned>(segment.firstIndex + point.index + 1)});
        if (m_cancellable->sleep(kPauseMs))
            return CmdRetType_::Cancel;
    }
    return CmdRetType_::Ok;
}

} // namespace Ko
