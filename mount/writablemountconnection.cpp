#include "mount/writablemountconnection.h"

#include "link/wifimodule/iwmprogrammerplanner.h"
#include "mount/imount.h"

#include <utility>

namespace Ko {

WritableMountConnection::WritableMountConnection(QObject* parent)
    : IMountConnection(parent), m_relayTarget(std::make_shared<RelayTarget>()) {
    m_relayTarget->holder = this;
}

WritableMountConnection::~WritableMountConnection() {
    std::lock_guard lock(m_relayTarget->mutex);
    m_relayTarget->holder = nullptr;
}

bool WritableMountConnection::connected() const {
    return mount() != nullptr;
}

IMount* WritableMountConnection::mount() const {
    std::lock_guard lock(m_mutex);
    return m_mount.get();
}

IWMProgrammerPlanner* WritableMountConnection::wifi() const {
    std::lock_guard lock(m_mutex);
    return m_wifi.get();
}

std::string WritableMountConnection::wifiName() const {
    std::lock_guard lock(m_mutex);
    return m_wifiName;
}

std::shared_ptr<IMount> WritableMountConnection::sharedMount() const {
    std::lock_guard lock(m_mutex);
    return m_mount;
}

std::shared_ptr<IWMProgrammerPlanner> WritableMountConnection::sharedWifi() const {
    std::lock_guard lock(m_mutex);
    return m_wifi;
}

void WritableMountConnection::setMount(std::shared_ptr<IMount> mount) {
    std::shared_ptr<IMount> old;
    {
        std::lock_guard lock(m_mutex);
        if (mount == m_mount)
            return;
        old = std::exchange(m_mount, mount);
    }
    // Linked before anyone hears of the mount, so a subscriber that starts a GoTo at once misses
    // none of its notifications.
    if (mount)
        relayFrom(*mount);
    mountChanged();
    emit mountChanged_q();
    // The old mount may be the last reference to its graph: it goes outside the lock.
}

void WritableMountConnection::relayFrom(IMount& mount) {
    QObject::connect(&mount, &IMount::positionChanged, this, &IMountConnection::positionChanged);
    mount.slewToStateChanged.append([target = m_relayTarget] {
        std::lock_guard lock(target->mutex);
        if (target->holder)
            emit target->holder->slewToStateChanged();
    });
}

void WritableMountConnection::setWifi(std::shared_ptr<IWMProgrammerPlanner> wifi,
                                      std::string name) {
    std::shared_ptr<IWMProgrammerPlanner> old;
    {
        std::lock_guard lock(m_mutex);
        if (wifi == m_wifi)
            return;
        old = std::exchange(m_wifi, std::move(wifi));
        m_wifiName = std::move(name);
    }
    emit wifiChanged_q();
}

void WritableMountConnection::disconnect() {
    setMount(nullptr);
    std::shared_ptr<IWMProgrammerPlanner> old;
    {
        std::lock_guard lock(m_mutex);
        if (!m_wifi)
            return;
        old = std::exchange(m_wifi, nullptr);
        m_wifiName.clear();
    }
    emit wifiChanged_q();
}

} // namespace Ko
