#include "link/permountdatabasic.h"

namespace Ko {

PerMountDataBasic::PerMountDataBasic(double factor, QObject* parent)
    : IPerMountDataBasic(parent), m_factor(factor) {}

double PerMountDataBasic::speedFineAdjustmentFactor() const {
    return m_factor.load();
}

void PerMountDataBasic::setSpeedFineAdjustmentFactor(double factor) {
    if (m_factor.exchange(factor) != factor)
        emit speedChanged();
}

} // namespace Ko
