#include "base/qtlocationsensor.h"

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>

#include <numbers>

namespace Ko {

// Receives the source's signals, so that they can also arrive through queued connections.
class QtLocationSensor::D : public QObject {
    Q_OBJECT
public:
    explicit D(QtLocationSensor* q) : QObject(q), q(q) {}

    QGeoPositionInfoSource* source = nullptr;
    Nullable<LocationSensorReading> reading;
    LocationSensorState_::E state = LocationSensorState_::NoSignalForNow;
    QtLocationSensor* const q;

public slots:
    void error(QGeoPositionInfoSource::Error e) {
        LocationSensorState_::E next = state;
        switch (e) {
        case QGeoPositionInfoSource::NoError:
            return;
        case QGeoPositionInfoSource::AccessError:
            next = LocationSensorState_::NoPermission;
            break;
        case QGeoPositionInfoSource::ClosedError:
            next = LocationSensorState_::NoSensor;
            break;
        case QGeoPositionInfoSource::UpdateTimeoutError:
            next = LocationSensorState_::NoSignalForNow;
            break;
        default:
            next = LocationSensorState_::NoSignalAlways;
            break;
        }
        if (next == state)
            return;
        state = next;
        emit q->changed();
    }

    void positionUpdated(const QGeoPositionInfo& info) {
        const QGeoCoordinate c = info.coordinate();
        LocationSensorReading r;
        r.longitudeRad = c.longitude() / -180.0 * std::numbers::pi;
        r.latitudeRad = c.latitude() / 180.0 * std::numbers::pi;
        reading = r;
        state = LocationSensorState_::HasSignal;
        emit q->changed();
    }
};

QtLocationSensor::QtLocationSensor(QObject* parent)
    : QtLocationSensor([](QObject* p) { return QGeoPositionInfoSource::createDefaultSource(p); },
                       parent) {}

QtLocationSensor::QtLocationSensor(SourceFactory factory, QObject* parent)
    : ILocationSensor(parent), m_factory(std::move(factory)), d(new D(this)) {
    qRegisterMetaType<QGeoPositionInfo>();
    qRegisterMetaType<QGeoPositionInfoSource::Error>();
}

QtLocationSensor::~QtLocationSensor() = default;

bool QtLocationSensor::active() const {
    return d->source != nullptr;
}

void QtLocationSensor::setActive(bool on) {
    if (on == active())
        return;
    if (on) {
        QGeoPositionInfoSource* source = m_factory ? m_factory(this) : nullptr;
        if (!source)
            return;
        d->source = source;
        connect(source, &QGeoPositionInfoSource::errorOccurred, d, &D::error);
        connect(source, &QGeoPositionInfoSource::positionUpdated, d, &D::positionUpdated);
        source->startUpdates();
    } else {
        d->source->disconnect();
        delete d->source;
        d->source = nullptr;
        d->reading.reset();
        d->state = LocationSensorState_::NoSignalForNow;
    }
    emit changed();
}

LocationSensorState_::E QtLocationSensor::state() const {
    return d->state;
}

Nullable<LocationSensorReading> QtLocationSensor::reading() const {
    return d->reading;
}

} // namespace Ko

#include "qtlocationsensor.moc"
