#pragma once

#include "link/cmdret.h"
#include "mount/tasks/trailpoints.h"

#include <cstdint>
#include <functional>

namespace Ko {

// Feeds one segment of a trail to the mount, from point startIndex on, at the points' times.
// Blocks the task thread until the segment is done, a command fails, or the thread's token is
// cancelled (Cancel). progress may be empty.
// Threads: a task's own thread.
class ITrailPointsSender {
public:
    using Progress = std::function<void(const TrailPointsProgress&)>;

    virtual ~ITrailPointsSender() = default;
    virtual CmdRetType_::E send(const TrailPointsSegment& segment, uint32_t startIndex,
                                const Progress& progress) = 0;
};

} // namespace Ko
