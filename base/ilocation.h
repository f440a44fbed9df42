#pragma once

#include "base/callbacklist.h"

#include <QObject>

namespace Ko {

// The observing site. Longitude is positive WEST of Greenwich.
struct CLocation {
    Q_GADGET
    Q_PROPERTY(double longitudeRad MEMBER longitudeRad)
    Q_PROPERTY(double latitudeRad MEMBER latitudeRad)
    Q_PROPERTY(bool mockLatitude MEMBER mockLatitude)
    Q_PROPERTY(double altitudeMeter MEMBER altitudeMeter)
    Q_PROPERTY(double temperatureCelsius MEMBER temperatureCelsius)
public:
    double longitudeRad = 0;
    double latitudeRad = 0;
    // True when the user gave only the hemisphere; latitudeRad then holds +-45 degrees.
    bool mockLatitude = false;
    double altitudeMeter = 0;
    double temperatureCelsius = 10.0;

    bool operator==(const CLocation&) const = default;
};

// Threads: any thread; `changed` fires on the thread that changed the site.
class ILocation : public QObject {
    Q_OBJECT
    Q_PROPERTY(double longitudeRad READ longitudeRad NOTIFY locationChanged_q)
    Q_PROPERTY(double latitudeRad READ latitudeRad NOTIFY locationChanged_q)
    Q_PROPERTY(bool mockLatitude READ mockLatitude NOTIFY locationChanged_q)
    Q_PROPERTY(double altitudeMeter READ altitudeMeter NOTIFY locationChanged_q)
    Q_PROPERTY(double temperatureCelsius READ temperatureCelsius NOTIFY locationChanged_q)
    Q_PROPERTY(bool isNorthernHemisphere READ isNorthernHemisphere NOTIFY locationChanged_q)
public:
    using QObject::QObject;

    // Service-side subscribers; fired on the thread that changed the site, before
    // locationChanged_q.
    eventpp::CallbackList<void()> changed;

    Q_INVOKABLE virtual Ko::CLocation location() const = 0;
    // Stores the site and tells the subscribers; a site equal to the held one, field for field,
    // is neither stored nor announced.
    Q_INVOKABLE virtual void setLocation(const Ko::CLocation& l) = 0;
    virtual double longitudeRad() const = 0;
    virtual double latitudeRad() const = 0;
    virtual bool mockLatitude() const = 0;
    virtual double altitudeMeter() const = 0;
    virtual double temperatureCelsius() const = 0;

    // The equator counts as northern.
    bool isNorthernHemisphere() const { return latitudeRad() >= 0; }

signals:
    void locationChanged_q();
};

} // namespace Ko

Q_DECLARE_METATYPE(Ko::CLocation)
