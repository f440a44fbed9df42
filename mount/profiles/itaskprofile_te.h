#pragma once

#include "mount/profiles/iuserobject.h"

#include <memory>

namespace Ko {

// A terrestrial user object: a fixed pair of mount axis angles in degrees, for landmarks.
// Threads: main thread only.
class ITaskProfile_TE : public IUserObject {
    Q_OBJECT
    Q_PROPERTY(double axis1 READ axis1 WRITE setAxis1 NOTIFY valueChanged)
    Q_PROPERTY(double axis2 READ axis2 WRITE setAxis2 NOTIFY valueChanged)
public:
    using IUserObject::IUserObject;

    virtual double axis1() const = 0;
    virtual double axis2() const = 0;
    // Each setter emits valueChanged, also for an unchanged value.
    virtual void setAxis1(double degrees) = 0;
    virtual void setAxis2(double degrees) = 0;

signals:
    void valueChanged();
    void readError();
    // Never emitted: axis targets skip the altitude limits. Kept so both kinds look alike to QML.
    void altError();
};

class ITaskProfile_TE_Factory {
public:
    virtual ~ITaskProfile_TE_Factory() = default;
    // A record with the defaults: empty name, 0°, 0°.
    virtual std::shared_ptr<ITaskProfile_TE> create() const = 0;
};

} // namespace Ko
