#pragma once

#include "mount/imountconnection.h"

#include <mutex>

namespace Ko {

// The one mount holder, written only by the connection session. m_mutex guards the mount, the
// Wi-Fi access and its name; notifications are sent with it released, on the writer's thread.
// A mount once held keeps relaying to the holder for as long as the mount lives.
// Threads: any thread, but mount() and wifi() main thread only.
class WritableMountConnection : public IMountConnection {
    Q_OBJECT
public:
    explicit WritableMountConnection(QObject* parent = nullptr);
    ~WritableMountConnection() override;

    bool connected() const override;
    IMount* mount() const override;
    IWMProgrammerPlanner* wifi() const override;
    std::string wifiName() const override;
    void disconnect() override;
    std::shared_ptr<IMount> sharedMount() const override;
    std::shared_ptr<IWMProgrammerPlanner> sharedWifi() const override;

    // The same mount again changes nothing and notifies nobody.
    void setMount(std::shared_ptr<IMount> mount);
    // The same access again changes nothing, not even the name.
    void setWifi(std::shared_ptr<IWMProgrammerPlanner> wifi, std::string name);

private:
    // What the mounts' relay callbacks reach; emptied when the holder goes, so that a mount that
    // outlives it relays nothing.
    struct RelayTarget {
        std::mutex mutex;
        WritableMountConnection* holder = nullptr;
    };

    void relayFrom(IMount& mount);

    const std::shared_ptr<RelayTarget> m_relayTarget;
    mutable std::mutex m_mutex;
    std::shared_ptr<IMount> m_mount;
    std::shared_ptr<IWMProgrammerPlanner> m_wifi;
    std::string m_wifiName;
};

} // namespace Ko
