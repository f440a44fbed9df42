#include "link/connectionsettings.h"

#include "base/ikvstore.h"
#include "link/qtserialport.h"
#include "link/serialconnectablehelper.h"

#include <QQmlEngine>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace Ko {

namespace {
// Absolute value without overflow for the one int that has no positive counterpart.
int absolute(int v) {
    return v == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(v);
}
} // namespace

ConnectionSettings::ConnectionSettings(std::shared_ptr<IKVStore> kvStore, QObject* parent)
    : IConnectionSettings(parent),
      m_dualModeChoice(kvStore, "connect_multi_mountmode", DualModeChoice_::PromptMode),
      m_connectAtLaunch(kvStore, "connect_at_start", false),
      m_type(kvStore, "cxn.commtype", ConnectionType_::UDP),
      m_readTimeoutMs_other(kvStore, "cxn.resends", 200),
      m_maxRetryCount(kvStore, "cxn.timeoutms", 2), m_searchIP(kvStore, "cxn.dosearch", true),
      m_fixedIP(kvStore, "cxn.ip", "192.168.4.1"), m_serialPortName(kvStore, "cxn.serialname", ""),
      m_discoveryTimeoutMs_BLE(kvStore, "cxn.discoverytimeoutms_ble", 500),
      m_readTimeoutMs_BLE(kvStore, "cxn.timeoutms_ble", 1000) {}

template <class T>
void ConnectionSettings::write(KVCachedSetting<T>& item, const T& v) {
    if (item.set(v))
        emit valueChanged();
}

DualModeChoice_::E ConnectionSettings::dualModeChoice() const {
    return m_dualModeChoice.value();
}
void ConnectionSettings::setDualModeChoice(DualModeChoice_::E v) {
    write(m_dualModeChoice, v);
}

bool ConnectionSettings::connectAtLaunch() const {
    return m_connectAtLaunch.value();
}
void ConnectionSettings::setConnectAtLaunch(bool v) {
    write(m_connectAtLaunch, v);
}

ConnectionType_::E ConnectionSettings::type() const {
    const ConnectionType_::E stored = m_type.value();
    if (stored == ConnectionType_::Serial && !serialPortSupported())
        return ConnectionType_::UDP;
    return stored;
}
void ConnectionSettings::setType(ConnectionType_::E v) {
    write(m_type, v);
}

int ConnectionSettings::readTimeoutMs_other() const {
    return absolute(m_readTimeoutMs_other.value());
}
void ConnectionSettings::setReadTimeoutMs_other(int v) {
    write(m_readTimeoutMs_other, v);
}

int ConnectionSettings::maxRetryCount() const {
    return absolute(m_maxRetryCount.value());
}
void ConnectionSettings::setMaxRetryCount(int v) {
    write(m_maxRetryCount, v);
}
int ConnectionSettings::resendCount() const {
    const int o = m_resendCountOverride.load();
    return o >= 0 ? o : maxRetryCount();
}
void ConnectionSettings::setResendCountOverride(Nullable<int> v) {
    m_resendCountOverride.store(v.hasValue() ? std::max(0, v.value()) : -1);
}

bool ConnectionSettings::searchIP() const {
    return m_searchIP.value();
}
void ConnectionSettings::setSearchIP(bool v) {
    write(m_searchIP, v);
}

std::string ConnectionSettings::fixedIP() const {
    return m_fixedIP.value();
}
void ConnectionSettings::setFixedIP(const std::string& v) {
    write(m_fixedIP, v);
}

bool ConnectionSettings::serialPortSupported() const {
    return SerialConnectableHelper::serialPortSupported();
}
bool ConnectionSettings::serialPortNeedsPortName() const {
    return SerialConnectableHelper::serialPortNeedsPortName();
}

std::vector<std::string> ConnectionSettings::foundSerialPorts() const {
    std::lock_guard lock(m_portsMutex);
    return m_foundSerialPorts;
}

void ConnectionSettings::detectSerialPorts() {
    auto ports = serialPortNames();
    {
        std::lock_guard lock(m_portsMutex);
        m_foundSerialPorts = std::move(ports);
    }
    emit foundSerialPortsChanged();
}

std::string ConnectionSettings::serialPortName() const {
    return m_serialPortName.value();
}
void ConnectionSettings::setSerialPortName(const std::string& v) {
    write(m_serialPortName, v);
}

int ConnectionSettings::discoveryTimeoutMs_BLE() const {
    return absolute(m_discoveryTimeoutMs_BLE.value());
}
void ConnectionSettings::setDiscoveryTimeoutMs_BLE(int v) {
    write(m_discoveryTimeoutMs_BLE, v);
}

int ConnectionSettings::readTimeoutMs_BLE() const {
    return absolute(m_readTimeoutMs_BLE.value());
}
void ConnectionSettings::setReadTimeoutMs_BLE(int v) {
    write(m_readTimeoutMs_BLE, v);
}

void registerConnectionSettingsQmlTypes(const char* uri, int versionMajor, int versionMinor) {
    qmlRegisterUncreatableMetaObject(ConnectionType_::staticMetaObject, uri, versionMajor,
                                     versionMinor, "ConnectionType", "enumeration only");
    qmlRegisterUncreatableMetaObject(DualModeChoice_::staticMetaObject, uri, versionMajor,
                                     versionMinor, "DualModeChoice", "enumeration only");
}
} // namespace Ko
