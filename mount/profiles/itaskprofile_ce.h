#pragma once

#include "mount/profiles/iuserobject.h"

#include <QString>

#include <memory>

namespace Ko {

// A celestial user object: right ascension in hours and declination in degrees, of the J2000
// equinox or of date.
// Threads: main thread only.
class ITaskProfile_CE : public IUserObject {
    Q_OBJECT
    Q_PROPERTY(double ra READ ra WRITE setRa NOTIFY valueChanged)
    Q_PROPERTY(double dec READ dec WRITE setDec NOTIFY valueChanged)
    Q_PROPERTY(bool isJ2000 READ isJ2000 WRITE setIsJ2000 NOTIFY valueChanged)
public:
    using IUserObject::IUserObject;

    virtual double ra() const = 0;
    virtual double dec() const = 0;
    virtual bool isJ2000() const = 0;
    // Each setter emits valueChanged, also for an unchanged value.
    virtual void setRa(double hours) = 0;
    virtual void setDec(double degrees) = 0;
    virtual void setIsJ2000(bool j2000) = 0;

signals:
    void valueChanged();
    void readError();
    // The mount refused the GoTo: the object is outside the altitude limits.
    void altError();
    // The GoTo was refused before it reached the mount (too close to the Sun), for the reason the
    // user reads, translated.
    void goToRefused(const QString& reason);
};

class ITaskProfile_CE_Factory {
public:
    virtual ~ITaskProfile_CE_Factory() = default;
    // A record with the defaults: empty name, 0 h, 0°, J2000.
    virtual std::shared_ptr<ITaskProfile_CE> create() const = 0;
};

} // namespace Ko
