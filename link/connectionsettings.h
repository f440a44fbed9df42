#pragma once

#include "base/kvcachedsetting.h"
#include "link/iconnectionsettings.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace Ko {

class IKVStore;

// Threads: any thread.
class ConnectionSettings : public IConnectionSettings {
    Q_OBJECT
public:
    explicit ConnectionSettings(std::shared_ptr<IKVStore> kvStore, QObject* parent = nullptr);

    DualModeChoice_::E dualModeChoice() const override;
    void setDualModeChoice(DualModeChoice_::E v) override;
    bool connectAtLaunch() const override;
    void setConnectAtLaunch(bool v) override;
    ConnectionType_::E type() const override;
    void setType(ConnectionType_::E v) override;
    int readTimeoutMs_other() const override;
    void setReadTimeoutMs_other(int v) override;
    int maxRetryCount() const override;
    void setMaxRetryCount(int v) override;
    int resendCount() const override;
    void setResendCountOverride(Nullable<int> v) override;
    bool searchIP() const override;
    void setSearchIP(bool v) override;
    std::string fixedIP() const override;
    void setFixedIP(const std::string& v) override;
    bool serialPortSupported() const override;
    bool serialPortNeedsPortName() const override;
    std::vector<std::string> foundSerialPorts() const override;
    void detectSerialPorts() override;
    std::string serialPortName() const override;
    void setSerialPortName(const std::string& v) override;
    int discoveryTimeoutMs_BLE() const override;
    void setDiscoveryTimeoutMs_BLE(int v) override;
    int readTimeoutMs_BLE() const override;
    void setReadTimeoutMs_BLE(int v) override;

private:
    template <class T>
    void write(KVCachedSetting<T>& item, const T& v);

    KVCachedSetting<DualModeChoice_::E> m_dualModeChoice;
    KVCachedSetting<bool> m_connectAtLaunch;
    KVCachedSetting<ConnectionType_::E> m_type;
    // The key names of these two look swapped; stored files rely on them as they are.
    KVCachedSetting<int> m_readTimeoutMs_other;
    KVCachedSetting<int> m_maxRetryCount;
    // Below 0: no override.
    std::atomic<int> m_resendCountOverride{-1};
    KVCachedSetting<bool> m_searchIP;
    KVCachedString m_fixedIP;
    KVCachedString m_serialPortName;
    KVCachedSetting<int> m_discoveryTimeoutMs_BLE;
    KVCachedSetting<int> m_readTimeoutMs_BLE;
    mutable std::mutex m_portsMutex;
    std::vector<std::string> m_foundSerialPorts;
};

// Makes the enumerations known to QML as the elements ConnectionType and DualModeChoice.
void registerConnectionSettingsQmlTypes(const char* uri, int versionMajor, int versionMinor);
} // namespace Ko
