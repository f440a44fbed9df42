#pragma once

#include "base/ilocationsensor.h"

#include <functional>

class QGeoPositionInfoSource;

namespace Ko {

// The position through the platform's positioning service. A missing service leaves the sensor
// inactive; source errors become states, and an error keeps the last fix.
// Threads: main thread only.
class QtLocationSensor : public ILocationSensor {
    Q_OBJECT
public:
    // Makes the position source, with the given parent, or returns null when there is none.
    using SourceFactory = std::function<QGeoPositionInfoSource*(QObject* parent)>;

    // Uses the platform's default source.
    explicit QtLocationSensor(QObject* parent = nullptr);
    explicit QtLocationSensor(SourceFactory factory, QObject* parent = nullptr);
    ~QtLocationSensor() override;

    bool active() const override;
    void setActive(bool on) override;
    LocationSensorState_::E state() const override;
    Nullable<LocationSensorReading> reading() const override;

    class D;

private:
    SourceFactory m_factory;
    D* const d;
};

} // namespace Ko
