#pragma once

#include <QObject>

namespace Ko {

// The part of the per-mount data that the mount link reads: the user's speed fine-adjustment
// factor, by which rate slews are scaled. Callers clamp it themselves, so any value is accepted.
// Threads: any thread.
class IPerMountDataBasic : public QObject {
    Q_OBJECT
    Q_PROPERTY(double speedFineAdjustmentFactor READ speedFineAdjustmentFactor WRITE
                   setSpeedFineAdjustmentFactor NOTIFY speedChanged)
public:
    using QObject::QObject;

    virtual double speedFineAdjustmentFactor() const = 0;
    virtual void setSpeedFineAdjustmentFactor(double factor) = 0;

signals:
    void speedChanged();
};

} // namespace Ko
