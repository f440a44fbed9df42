#include "link/mountaxistimecontainer.h"

namespace Ko {

MountAxisTimeContainer::MountAxisTimeContainer() {
    for (auto& slot : m_slots)
        slot.store(AxisAngleTime{});
}

AxisAngleTime MountAxisTimeContainer::get(AXISID axis) const {
    return m_slots[axisSlot(axis)].load(std::memory_order_acquire);
}

void MountAxisTimeContainer::store(AXISID axis, AxisAngleTime value) {
    auto& slot = m_slots[axisSlot(axis)];
    AxisAngleTime expected = slot.load(std::memory_order_relaxed);
    while (!slot.compare_exchange_weak(expected, value, std::memory_order_release,
                                       std::memory_order_relaxed)) {
    }
}

void MountAxisTimeContainer::set(AXISID axis, AxisAngleTime value) {
    store(axis, value);
    changed();
}

void MountAxisTimeContainer::setBoth(AxisAngleTime axis1, AxisAngleTime axis2) {
    store(0, axis1);
    store(1, axis2);
    changed();
}

} // namespace Ko
