#pragma once

#include "base/callbacklist.h"
#include "mount/imount.h"

#include <QObject>

#include <memory>
#include <string>

namespace Ko {

class IWMProgrammerPlanner;

// The application-wide holder of the current mount and of the access to its Wi-Fi module. Every
// service that works with the mount reaches it here and learns here that it came or went; the
// holder also relays the mount's position and GoTo-state notifications.
// mount() and wifi() do not keep what they return alive: they are for QML on the main thread.
// Services on other threads take the mount through sharedMount, which keeps it alive while they
// use it even if the connection replaces it meanwhile.
// Threads: any thread, but mount() and wifi() main thread only.
class IMountConnection : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool connected READ connected NOTIFY mountChanged_q)
    Q_PROPERTY(Ko::IMount* mount READ mount NOTIFY mountChanged_q)
    Q_PROPERTY(bool hasWifi READ hasWifi NOTIFY wifiChanged_q)
public:
    using QObject::QObject;

    // Fired on the thread that replaces the mount, before mountChanged_q.
    eventpp::CallbackList<void()> mountChanged;

    virtual bool connected() const = 0;
    // Null while no mount is connected.
    virtual IMount* mount() const = 0;
    // Null when the connection has no Wi-Fi module access.
    virtual IWMProgrammerPlanner* wifi() const = 0;
    virtual std::string wifiName() const = 0;
    // Drops the mount and the Wi-Fi access; the rest of a disconnect (mode, factory session,
    // time-out link) is the connection session's.
    virtual void disconnect() = 0;
    // Empty while no mount is connected.
    virtual std::shared_ptr<IMount> sharedMount() const = 0;
    // Empty when the connection has no Wi-Fi module access.
    virtual std::shared_ptr<IWMProgrammerPlanner> sharedWifi() const = 0;

    bool hasWifi() const { return wifi() != nullptr; }

signals:
    void mountChanged_q();
    void wifiChanged_q();
    // Relayed from the mounts the holder has held, for as long as they live.
    void positionChanged();
    void slewToStateChanged();
};

} // namespace Ko
