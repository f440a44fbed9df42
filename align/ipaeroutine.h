#pragma once

#include "mount/mounttarget.h"

namespace Ko {

// A GoTo followed by the centring of its target and a pointing-accuracy point.
// Threads: main thread only for start; each point is measured on a task's own thread.
class IPAERoutine {
public:
    virtual ~IPAERoutine() = default;

    // Returns at once; the centering page follows when the GoTo ends Ok.
    virtual void start(const MountTarget& target) = 0;
};

} // namespace Ko
