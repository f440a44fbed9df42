#pragma once

#include "astro/coordtype.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace Ko {

// Where the device itself points: azimuth from true north and altitude, from the compass and
// the tilt sensor.
// Threads: main thread only.
class IOriSensor : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasReading READ hasReading NOTIFY sensorChanged)
    Q_PROPERTY(QString azAltString READ azAltString NOTIFY sensorChanged)
public:
    using Callback = std::function<void(const U_ASTRO_COORD&)>;

    using QObject::QObject;

    // The callback receives the next complete reading (a azimuth, b altitude, radians; the type
    // carries nothing). False, and every pending callback dropped, when a sensor cannot start.
    virtual bool readOnce(Callback callback) = 0;
    // While on, sensorChanged follows every 500 ms.
    Q_INVOKABLE virtual void requestPeriodicUpdate(bool value) = 0;
    virtual bool hasReading() const = 0;
    // (0, 0) without a reading; the azimuth is not wrapped.
    virtual U_ASTRO_COORD reading() const = 0;
    // Empty without a reading.
    virtual std::string azAltText() const = 0;
    virtual QString azAltString() const = 0;

signals:
    void sensorChanged();
};

} // namespace Ko
