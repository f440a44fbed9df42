#pragma once

#include <QCompass>
#include <QSensorBackend>
#include <QSensorManager>
#include <QTiltSensor>

// Compass and tilt sensor backends that the tests drive by hand, registered as the only
// backends of their types (the platform's sensor plugins are switched off in main). Each QSensor
// gets a backend of its own on its first start; the latest one of each type is at hand.
class FakeSensorBackend : public QSensorBackend {
public:
    explicit FakeSensorBackend(QSensor* sensor) : QSensorBackend(sensor) { addDataRate(1, 100); }

    void start() override {
        ++starts;
        startedDataRate = sensor()->dataRate();
        if (failStart)
            sensorStopped();
        else
            running = true;
    }
    void stop() override { running = false; }
    // The device gives up on its own, as a sensor may when the platform takes it away.
    void dropOut() {
        running = false;
        sensorStopped();
    }

    bool failStart = false;
    bool running = false;
    int starts = 0;
    int startedDataRate = 0;

protected:
    quint64 m_timestamp = 0;
};

// A backend of one reading type; push() fills the reading and hands it to the sensor.
template <class Reading>
class FakeReadingBackend : public FakeSensorBackend {
public:
    explicit FakeReadingBackend(QSensor* sensor) : FakeSensorBackend(sensor) {
        setReading<Reading>(&m_reading);
    }

protected:
    template <class Fill>
    void pushWith(Fill fill) {
        fill(m_reading);
        m_reading.setTimestamp(++m_timestamp);
        newReadingAvailable();
    }

private:
    Reading m_reading;
};

class FakeCompassBackend : public FakeReadingBackend<QCompassReading> {
public:
    using FakeReadingBackend::FakeReadingBackend;
    void push(qreal azimuthDeg) {
        pushWith([azimuthDeg](QCompassReading& r) {
            r.setAzimuth(azimuthDeg);
            r.setCalibrationLevel(1);
        });
    }
};

class FakeTiltBackend : public FakeReadingBackend<QTiltReading> {
public:
    using FakeReadingBackend::FakeReadingBackend;
    void push(qreal xRotationDeg) {
        pushWith([xRotationDeg](QTiltReading& r) { r.setXRotation(xRotationDeg); });
    }
};

class FakeSensorBackends : public QSensorBackendFactory {
public:
    static constexpr const char* kCompassId = "fake.compass";
    static constexpr const char* kTiltId = "fake.tilt";

    void registerBoth() {
        QSensorManager::registerBackend(QCompass::sensorType, kCompassId, this);
        QSensorManager::registerBackend(QTiltSensor::sensorType, kTiltId, this);
    }
    void unregisterBoth() {
        QSensorManager::unregisterBackend(QCompass::sensorType, kCompassId);
        QSensorManager::unregisterBackend(QTiltSensor::sensorType, kTiltId);
    }

    QSensorBackend* createBackend(QSensor* sensor) override {
        if (sensor->identifier() == kCompassId) {
            compass = new FakeCompassBackend(sensor);
            compass->failStart = compassFails;
            return compass;
        }
        if (sensor->identifier() == kTiltId) {
            tilt = new FakeTiltBackend(sensor);
            tilt->failStart = tiltFails;
            return tilt;
        }
        return nullptr;
    }

    // The backends of the sensors started last; owned by their sensors.
    FakeCompassBackend* compass = nullptr;
    FakeTiltBackend* tilt = nullptr;
    // Applied to backends made from now on.
    bool compassFails = false;
    bool tiltFails = false;
};
