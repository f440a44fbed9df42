#pragma once

#include "base/nullable.h"

#include <QObject>
#include <QVariant>

namespace Ko {

struct LocationSensorState_ {
    Q_GADGET
public:
    enum E : int {
        NoSensor = 0,
        NoPermission = 1,
        Waiting = 2,
        HasSignal = 3,
        NoSignalAlways = 4,
        NoSignalForNow = 5,
    };
    Q_ENUM(E)
};

// One position fix. Longitude is positive WEST, as everywhere in the site data.
struct LocationSensorReading {
    Q_GADGET
    Q_PROPERTY(double longitudeRad MEMBER longitudeRad)
    Q_PROPERTY(double latitudeRad MEMBER latitudeRad)
public:
    double longitudeRad = 0;
    double latitudeRad = 0;

    bool operator==(const LocationSensorReading&) const = default;
};

// The device's own geographic position. `changed` follows every change of
// active, state or reading, and every fix even when it repeats the last one.
// Threads: main thread only.
class ILocationSensor : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY changed)
    Q_PROPERTY(Ko::LocationSensorState_::E state READ state NOTIFY changed)
    // A LocationSensorReading while a fix is held, undefined otherwise.
    Q_PROPERTY(QVariant reading READ readingVariant NOTIFY changed)
public:
    using QObject::QObject;

    virtual bool active() const = 0;
    virtual void setActive(bool on) = 0;
    virtual LocationSensorState_::E state() const = 0;
    virtual Nullable<LocationSensorReading> reading() const = 0;

    QVariant readingVariant() const {
        const auto r = reading();
        return r.hasValue() ? QVariant::fromValue(r.value()) : QVariant();
    }

signals:
    void changed();
};

} // namespace Ko

Q_DECLARE_METATYPE(Ko::LocationSensorReading)
