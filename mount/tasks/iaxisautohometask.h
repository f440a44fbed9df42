#pragma once

#include "link/cmdret.h"

namespace Ko {

// The home search of one axis, run on a thread of the auto-home task.
// Threads: a task's own thread.
class IAxisAutoHomeTask {
public:
    virtual ~IAxisAutoHomeTask() = default;
    virtual CmdRetType_::E run() = 0;
};

} // namespace Ko
