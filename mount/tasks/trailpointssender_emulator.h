#pragma once

#include "mount/tasks/itrailpointssender.h"

#include <memory>

namespace Ko {

class IClock;
class ITCCancellable;
class MountAxisTimeContainer;

// The emulated mount's sender: at each point's time it publishes the point's axis angles as the
// mount's position, so that everything watching the position sees the mount follow the trail.
// Threads: a task's own thread.
class TrailPointsSender_Emulator : public ITrailPointsSender {
public:
    TrailPointsSender_Emulator(std::shared_ptr<IClock> clock,
                               std::shared_ptr<ITCCancellable> cancellable,
                               std::shared_ptr<MountAxisTimeContainer> container);

    CmdRetType_::E send(const TrailPointsSegment& segment, uint32_t startIndex,
                        const Progress& progress) override;

    // A point due within this is published at once rather than slept for.
    static constexpr int64_t kEarlyWakeMs = 20;
    // Between two points, so that a trail of tiny intervals does not flood the watchers.
    static constexpr int64_t kPauseMs = 100;

private:
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<MountAxisTimeContainer> m_container;
};

} // namespace Ko
