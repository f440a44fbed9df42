#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "model/mountmode.h"

#include <mutex>

namespace Ko {

// The connected mount's mode for the whole program: set by the connection session before it
// publishes a mount, emptied when the mount goes. Readable from any thread; m_mutex guards the
// value. `changed` fires on the writer's thread after every write, outside the lock.
// Threads: any thread.
class MountModeContainer {
public:
    MountModeContainer() = default;
    MountModeContainer(const MountModeContainer&) = delete;
    MountModeContainer& operator=(const MountModeContainer&) = delete;

    eventpp::CallbackList<void()> changed;

    // Empty while no mount is connected.
    Nullable<MountMode_::E> mountMode() const;
    void setMountMode(const Nullable<MountMode_::E>& mode);

private:
    mutable std::mutex m_mutex;
    Nullable<MountMode_::E> m_mode;
};

} // namespace Ko
