#pragma once

#include "base/callbacklist.h"
#include "mount/imount.h"

#include <QObject>

#include <string>

namespace Ko {

class IWMProgrammerPlanner;

// The application-wide holder of the current mount and of its Wi-Fi module access. mountChanged
// runs on the thread that replaces the mount, before mountChanged_q. mount() and wifi() do not
// keep what they return alive.
class IMountConnection : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool connected READ connected NOTIFY mountChanged_q)
    Q_PROPERTY(Ko::IMount* mount READ mount NOTIFY mountChanged_q)
    Q_PROPERTY(bool hasWifi READ hasWifi NOTIFY wifiChanged_q)
public:
    using QObject::QObject;

    eventpp::CallbackList<void()> mountChanged;

    virtual bool connected() const = 0;
    // Null while no mount is connected.
    virtual IMount* mount() const = 0;
    // Null when the connection has no Wi-Fi module access.
    virtual IWMProgrammerPlanner* wifi() const = 0;
    virtual std::string wifiName() const = 0;
    // Drops the mount and the Wi-Fi access; the rest of a disconnect is the session's.
    virtual void disconnect() = 0;

    bool hasWifi() const { return wifi() != nullptr; }

signals:
    void mountChanged_q();
    void wifiChanged_q();
    void positionChanged();
    void slewToStateChanged();
};

} // namespace Ko
