#pragma once

#include "base/callbacklist.h"
#include "link/ikodevice.h"

#include <atomic>
#include <cstdint>

namespace Ko {

// One axis reading: the angle in radians and the IClock time of the read in milliseconds.
struct AxisAngleTime {
    double angle = 0.0;
    int64_t timeMs = 0;

    bool operator==(const AxisAngleTime&) const = default;
};
static_assert(sizeof(AxisAngleTime) == 16);

// The last angle of each axis with the time it was taken, shared by everything of one connected
// mount. Each pair is replaced and read as one 16-byte atomic unit, so any thread may read at any
// time without seeing an angle with another reading's time.
// Threads: any thread.
class MountAxisTimeContainer {
public:
    MountAxisTimeContainer();
    MountAxisTimeContainer(const MountAxisTimeContainer&) = delete;
    MountAxisTimeContainer& operator=(const MountAxisTimeContainer&) = delete;

    AxisAngleTime get(AXISID axis) const;
    // Replace one axis's reading, then fire `changed`.
    void set(AXISID axis, AxisAngleTime value);
    // Replace both (axis 1 first), then fire `changed` once.
    void setBoth(AxisAngleTime axis1, AxisAngleTime axis2);

    eventpp::CallbackList<void()> changed;

private:
    void store(AXISID axis, AxisAngleTime value);

    std::atomic<AxisAngleTime> m_slots[2];
};

} // namespace Ko
