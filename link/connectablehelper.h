#pragma once

#include "link/iconnectablehelper.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace Ko {

class IConnectionSettings;
class IKoDevice;

// The one connect helper the connection procedure talks to: every call goes to the helper of the
// connection type stored at the time of the call, so a change on the settings page needs no
// rebuild. The transport helpers' reports all come out of this object.
// Threads: any thread.
class ConnectableHelper : public IConnectableHelper {
    Q_OBJECT
public:
    // The emulated mount: no search, no thread; the handler runs inside startConnect.
    class EmulatorConnectableHelper : public IConnectableHelper {
    public:
        QVariant devicesList() override;
        void startConnect() override;
        void selectDevice(int index) override;
        void setModelFilter(ModelFilter filter) override;
        void setHandler(SetupHandler handler) override;
        void setEmulatorEnabled(bool enabled) override;

        virtual std::shared_ptr<IKoDevice> createEmulatedDevice();

    private:
        std::mutex m_mutex;
        SetupHandler m_handler;
    };

    // The serial and Bluetooth LE helpers may be empty (platform without them); the UDP helper
    // is required, it takes every call no other helper can.
    ConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                      std::shared_ptr<IConnectableHelper> udpHelper,
                      std::shared_ptr<IConnectableHelper> serialHelper,
                      std::shared_ptr<IConnectableHelper> bleHelper);

    QVariant devicesList() override;
    void startConnect() override;
    void selectDevice(int index) override;
    void setModelFilter(ModelFilter filter) override;
    void setHandler(SetupHandler handler) override;
    void setEmulatorEnabled(bool enabled) override;

    // The helper the next call goes to.
    std::shared_ptr<IConnectableHelper> pickedHelper() const;

private:
    void relaySignals(IConnectableHelper* helper);

    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<IConnectableHelper> m_udpHelper;
    const std::shared_ptr<IConnectableHelper> m_serialHelper;
    const std::shared_ptr<IConnectableHelper> m_bleHelper;
    const std::shared_ptr<IConnectableHelper> m_emulatorHelper;
    std::atomic<bool> m_emulatorEnabled{true};
};

} // namespace Ko
