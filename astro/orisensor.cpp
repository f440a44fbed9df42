#include "astro/orisensor.h"

#include "astro/iastroformat.h"
#include "astro/imagneticdeclination.h"

#include <QCompass>
#include <QTiltSensor>
#include <QTimer>

#include <numbers>

namespace Ko {

namespace {
constexpr int kPeriodMs = 500;
constexpr int kReadingsPerSecond = 4;
} // namespace

OriSensor::OriSensor(std::shared_ptr<IAstroFormat> format,
                     std::shared_ptr<IMagneticDeclination> declination)
    : m_format(std::move(format)), m_declination(std::move(declination)),
      m_timer(std::make_shared<QTimer>()), m_tilt(std::make_shared<QTiltSensor>()),
      m_compass(std::make_shared<QCompass>()) {
    m_timer->setInterval(kPeriodMs);
    connect(m_timer.get(), &QTimer::timeout, this, &IOriSensor::sensorChanged);
    for (QSensor* sensor :
         {static_cast<QSensor*>(m_compass.get()), static_cast<QSensor*>(m_tilt.get())}) {
        sensor->setAlwaysOn(false);
        sensor->setDataRate(kReadingsPerSecond);
    }
    connect(m_compass.get(), &QSensor::readingChanged, this, &OriSensor::onCompassReading);
    connect(m_tilt.get(), &QSensor::readingChanged, this, &OriSensor::onTiltReading);
}

OriSensor::~OriSensor() {
    // The sensors go after this body; a signal they send on the way must not reach the
    // handlers of an object that is already half gone.
    m_compass->disconnect(this);
    m_tilt->disconnect(this);
}

bool OriSensor::startSensors() {
    if (!m_compass->start())
        return false;
    if (!m_tilt->start()) {
        m_compass->stop();
        return false;
    }
    return true;
}

void OriSensor::stopSensors() {
    m_compass->stop();
    m_tilt->stop();
}

bool OriSensor::readOnce(Callback callback) {
    m_azimuthDeg.reset();
    m_tiltDeg.reset();
    if (!startSensors()) {
        m_pending.clear();
        // A sensor still running from an earlier call would otherwise run for no one.
        if (!m_periodic)
            stopSensors();
        return false;
    }
    m_pending.push_back(std::move(callback));
    return true;
}

void OriSensor::requestPeriodicUpdate(bool value) {
    m_azimuthDeg.reset();
    m_tiltDeg.reset();
    if (value) {
        m_periodic = startSensors();
        if (m_periodic)
            m_timer->start();
        return;
    }
    m_periodic = false;
    m_timer->stop();
    if (m_pending.empty())
        stopSensors();
}

bool OriSensor::hasReading() const {
    return m_azimuthDeg.hasValue() && m_tiltDeg.hasValue();
}

U_ASTRO_COORD OriSensor::reading() const {
    U_ASTRO_COORD r;
    if (!hasReading())
        return r;
    r.a = m_azimuthDeg.value() / 180.0 * std::numbers::pi;
    r.b = m_tiltDeg.value() / 180.0 * std::numbers::pi;
    return r;
}

std::string OriSensor::azAltText() const {
    if (!hasReading())
        return {};
    const U_ASTRO_COORD r = reading();
    return m_format->formatAzAltWholeDegrees(r.a, r.b);
}

QString OriSensor::azAltString() const {
    return QString::fromStdString(azAltText());
}

void OriSensor::onCompassReading() {
    const QCompassReading* r = m_compass->reading();
    if (!r)
        return;
    m_azimuthDeg = r->azimuth() + m_declination->declination();
    deliver();
}

void OriSensor::onTiltReading() {
    const QTiltReading* r = m_tilt->reading();
    if (!r)
        return;
    m_tiltDeg = r->xRotation();
    deliver();
}

void OriSensor::deliver() {
    if (!hasReading() || m_pending.empty())
        return;
    const U_ASTRO_COORD r = reading();
    // A callback may call readOnce again: it then waits for the next reading.
    std::vector<Callback> callbacks;
    callbacks.swap(m_pending);
    for (const auto& callback : callbacks)
        callback(r);
    if (!m_periodic && m_pending.empty())
        stopSensors();
}

} // namespace Ko
