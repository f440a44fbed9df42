#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"

#include <mutex>
#include <utility>

namespace Ko {

// The axis angles (axis 1, axis 2; radians) that the running GoTo commands, empty when none. The
// slew-to task stores a target before every move and the mount empties it when a GoTo starts and
// ends; whoever changes it fires `changed` afterwards. The value is replaced and read whole, so a
// reader on another thread sees either the old or the new target.
// Threads: any thread.
class SlewToTargetMAContainer {
public:
    using AnglePair = std::pair<double, double>;

    Nullable<AnglePair> target() const {
        std::lock_guard lock(m_mutex);
        return m_target;
    }
    void setTarget(Nullable<AnglePair> target) {
        std::lock_guard lock(m_mutex);
        m_target = std::move(target);
    }

    eventpp::CallbackList<void()> changed;

private:
    mutable std::mutex m_mutex;
    Nullable<AnglePair> m_target;
};

} // namespace Ko
