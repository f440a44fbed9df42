#pragma once

#include "link/ipermountdatabasic.h"

#include <atomic>

namespace Ko {

// The speed factor kept in memory only (default 1.0): stands in where no per-mount store exists.
// Threads: any thread.
class PerMountDataBasic : public IPerMountDataBasic {
    Q_OBJECT
public:
    explicit PerMountDataBasic(double factor = 1.0, QObject* parent = nullptr);

    double speedFineAdjustmentFactor() const override;
    void setSpeedFineAdjustmentFactor(double factor) override;

private:
    std::atomic<double> m_factor;
};

} // namespace Ko
