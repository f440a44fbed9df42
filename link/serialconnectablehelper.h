#pragma once

#include "link/iconnectablehelper.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace Ko {

class IConnectionSettings;
class ISerialKoDeviceFactory;
class ISerialPort;
class IKoDevice;

// Finds the line speed at which the mount answers, moving a mount that answers only at 9600 baud
// to 115200 when it accepts the change. False when the port refuses a speed or the mount answers
// at neither speed.
bool negotiateSerialBaud(ISerialPort& port, IKoDevice& device);

// Opens the serial port named in the settings, settles the line speed and sets up the link to
// the mount. There is no search and no list.
// Threads: any thread; its work runs on background jobs of its own, each holding the helper alive,
// so create it with std::make_shared.
class SerialConnectableHelper : public IConnectableHelper,
                                public std::enable_shared_from_this<SerialConnectableHelper> {
    Q_OBJECT
public:
    SerialConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                            std::shared_ptr<ISerialKoDeviceFactory> factory);

    QVariant devicesList() override;
    // Ignored while a connect still runs: both would open the same port.
    void startConnect() override;
    void selectDevice(int index) override;
    void setModelFilter(ModelFilter filter) override;
    void setHandler(SetupHandler handler) override;
    void setEmulatorEnabled(bool enabled) override;

    static constexpr bool serialPortSupported() { return true; }
    static constexpr bool serialPortNeedsPortName() { return true; }

    static constexpr int32_t kFastBaud = 115200;
    static constexpr int32_t kSlowBaud = 9600;

private:
    void connectSerial();

    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<ISerialKoDeviceFactory> m_factory;
    std::mutex m_mutex;
    SetupHandler m_handler;
    std::atomic<bool> m_connecting{false};
};

} // namespace Ko
