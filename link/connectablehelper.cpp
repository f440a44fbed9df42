#include "link/connectablehelper.h"

#include "base/koassert.h"
#include "link/emlatorkodevic.h"
#include "link/iconnectionsettings.h"

namespace Ko {

QVariant ConnectableHelper::EmulatorConnectableHelper::devicesList() {
    return QVariant();
}

void ConnectableHelper::EmulatorConnectableHelper::startConnect() {
    SetupHandler handler;
    {
        std::lock_guard lock(m_mutex);
        handler = m_handler;
    }
    if (handler)
        handler({nullptr, createEmulatedDevice(), nullptr, nullptr, std::string()});
}

void ConnectableHelper::EmulatorConnectableHelper::selectDevice(int) {}

void ConnectableHelper::EmulatorConnectableHelper::setModelFilter(ModelFilter) {}

void ConnectableHelper::EmulatorConnectableHelper::setHandler(SetupHandler handler) {
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void ConnectableHelper::EmulatorConnectableHelper::setEmulatorEnabled(bool) {}

std::shared_ptr<IKoDevice> ConnectableHelper::EmulatorConnectableHelper::createEmulatedDevice() {
    return std::make_shared<EmlatorKoDevic>();
}

ConnectableHelper::ConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                     std::shared_ptr<IConnectableHelper> udpHelper,
                                     std::shared_ptr<IConnectableHelper> serialHelper,
                                     std::shared_ptr<IConnectableHelper> bleHelper)
    : m_settings(std::move(settings)), m_udpHelper(std::move(udpHelper)),
      m_serialHelper(std::move(serialHelper)), m_bleHelper(std::move(bleHelper)),
      m_emulatorHelper(std::make_shared<EmulatorConnectableHelper>()) {
    KO_ASSERT(m_settings != nullptr);
    KO_ASSERT(m_udpHelper != nullptr);
    for (const auto& helper : {m_udpHelper, m_serialHelper, m_bleHelper}) {
        if (helper)
            relaySignals(helper.get());
    }
}

// Automatic connections: a report from a helper's worker thread is re-emitted
// on this object's thread, where the connection procedure listens.
void ConnectableHelper::relaySignals(IConnectableHelper* helper) {
    connect(helper, &IConnectableHelper::statusChanged, this, &IConnectableHelper::statusChanged);
    connect(helper, &IConnectableHelper::devicesListChanged, this,
            &IConnectableHelper::devicesListChanged);
}

std::shared_ptr<IConnectableHelper> ConnectableHelper::pickedHelper() const {
    std::shared_ptr<IConnectableHelper> helper;
    switch (m_settings->type()) {
    case ConnectionType_::UDP:
        helper = m_udpHelper;
        break;
    case ConnectionType_::Emulator:
        if (m_emulatorEnabled.load())
            helper = m_emulatorHelper;
        break;
    case ConnectionType_::Serial:
        helper = m_serialHelper;
        break;
    case ConnectionType_::BLE:
        helper = m_bleHelper;
        break;
    }
    return helper ? helper : m_udpHelper;
}

QVariant ConnectableHelper::devicesList() {
    return pickedHelper()->devicesList();
}

void ConnectableHelper::startConnect() {
    pickedHelper()->startConnect();
}

void ConnectableHelper::selectDevice(int index) {
    pickedHelper()->selectDevice(index);
}

void ConnectableHelper::setModelFilter(ModelFilter filter) {
    pickedHelper()->setModelFilter(std::move(filter));
}

void ConnectableHelper::setHandler(SetupHandler handler) {
    pickedHelper()->setHandler(std::move(handler));
}

void ConnectableHelper::setEmulatorEnabled(bool enabled) {
    m_emulatorEnabled.store(enabled);
}

} // namespace Ko
