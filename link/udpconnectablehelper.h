#pragma once

#include "base/nullable.h"
#include "link/iconnectablehelper.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Ko {

class IConnectionSettings;
class IUDPBroadcaster;
class IUDPKoDeviceFactory;

// Finds mounts on the local networks by broadcasting the version inquiry (or takes the fixed
// address), lets the user pick one when several answer, and sets up the UDP link to it.
// Threads: any thread; its work runs on background jobs of its own, each holding the helper alive,
// so create it with std::make_shared.
class UDPConnectableHelper : public IConnectableHelper,
                             public std::enable_shared_from_this<UDPConnectableHelper> {
    Q_OBJECT
public:
    struct FoundDevice {
        std::string address;
        std::string broadcastAddress;
        // Empty: any interface.
        std::string localAddress;

        bool operator==(const FoundDevice&) const = default;
    };

    UDPConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                         std::shared_ptr<IUDPBroadcaster> broadcaster,
                         std::shared_ptr<IUDPKoDeviceFactory> factory);

    QVariant devicesList() override;
    // Ignored while a search is still running: the running one reports to the latest handler.
    void startConnect() override;
    void selectDevice(int index) override;
    void setModelFilter(ModelFilter filter) override;
    void setHandler(SetupHandler handler) override;
    void setEmulatorEnabled(bool enabled) override;

    // A copy of the found list; empty before the first search and while one runs.
    Nullable<std::vector<FoundDevice>> foundDevices() const;

private:
    std::shared_ptr<UDPConnectableHelper> self();
    void bg_startConnect();
    std::vector<FoundDevice> search(const ModelFilter& filter);
    bool probeDefaultAddress(const ModelFilter& filter);
    void connectTo(const std::string& localAddress, const std::string& address,
                   const std::string& broadcast);
    void setFound(Nullable<std::vector<FoundDevice>> found);

    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<IUDPBroadcaster> m_broadcaster;
    const std::shared_ptr<IUDPKoDeviceFactory> m_factory;

    // The search thread writes the found list while the user-interface thread reads it.
    mutable std::mutex m_mutex;
    ModelFilter m_modelFilter;
    SetupHandler m_handler;
    Nullable<std::vector<FoundDevice>> m_found;
    std::atomic<bool> m_searching{false};
};

} // namespace Ko
