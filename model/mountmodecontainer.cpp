#include "model/mountmodecontainer.h"

namespace Ko {

Nullable<MountMode_::E> MountModeContainer::mountMode() const {
    std::lock_guard lock(m_mutex);
    return m_mode;
}

void MountModeContainer::setMountMode(const Nullable<MountMode_::E>& mode) {
    {
        std::lock_guard lock(m_mutex);
        m_mode = mode;
    }
    changed();
}

} // namespace Ko
