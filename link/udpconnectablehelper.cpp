#include "link/udpconnectablehelper.h"

#include "base/backgroundwork.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/iconnectionsettings.h"
#include "link/ikodevice.h"
#include "link/iudpbroadcaster.h"
#include "link/iudpkodevicefactory.h"
#include "link/mountcmd.h"

#include <algorithm>
#include <set>

namespace Ko {

namespace {

// The model id is the top byte of the 24-bit version.
bool modelAccepted(const IConnectableHelper::ModelFilter& filter, uint32_t version) {
    return !filter || filter(static_cast<uint8_t>((version >> 16) & 0xFF));
}

} // namespace

UDPConnectableHelper::UDPConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                           std::shared_ptr<IUDPBroadcaster> broadcaster,
                                           std::shared_ptr<IUDPKoDeviceFactory> factory)
    : m_settings(std::move(settings)), m_broadcaster(std::move(broadcaster)),
      m_factory(std::move(factory)) {}

std::shared_ptr<UDPConnectableHelper> UDPConnectableHelper::self() {
    auto held = weak_from_this().lock();
    KO_ASSERT(held != nullptr);
    return held;
}

QVariant UDPConnectableHelper::devicesList() {
    const auto found = foundDevices();
    if (!found.hasValue())
        return QVariant();
    QVariantList list;
    for (const auto& device : found.value())
        list.append(QVariant::fromValue(
            IConnectableSearchResult(QString::fromStdString(device.address), QString())));
    return list;
}

Nullable<std::vector<UDPConnectableHelper::FoundDevice>>
UDPConnectableHelper::foundDevices() const {
    std::lock_guard lock(m_mutex);
    return m_found;
}

void UDPConnectableHelper::setFound(Nullable<std::vector<FoundDevice>> found) {
    {
        std::lock_guard lock(m_mutex);
        m_found = std::move(found);
    }
    emit devicesListChanged();
}

void UDPConnectableHelper::startConnect() {
    bool idle = false;
    if (!m_searching.compare_exchange_strong(idle, true)) {
        Log("UDPConnectableHelper: a search is running, start ignored");
        return;
    }
    // Dropped here already, not only on the search thread, so that a selectDevice right after
    // this call cannot connect to a row of the previous search beside the new one.
    {
        std::lock_guard lock(m_mutex);
        m_found.reset();
    }
    runInBackground("UDP mount search", [helper = self()] { helper->bg_startConnect(); });
}

void UDPConnectableHelper::selectDevice(int index) {
    FoundDevice device;
    {
        std::lock_guard lock(m_mutex);
        if (!m_found.hasValue() || index < 0 ||
            static_cast<size_t>(index) >= m_found.value().size())
            return;
        device = m_found.value()[static_cast<size_t>(index)];
    }
    runInBackground("UDP mount connect", [helper = self(), device] {
        helper->connectTo(device.localAddress, device.address, std::string());
    });
}

void UDPConnectableHelper::setModelFilter(ModelFilter filter) {
    std::lock_guard lock(m_mutex);
    m_modelFilter = std::move(filter);
}

void UDPConnectableHelper::setHandler(SetupHandler handler) {
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void UDPConnectableHelper::setEmulatorEnabled(bool) {}

void UDPConnectableHelper::bg_startConnect() {
    setFound({});
    emit statusChanged(true, QString(), QString());

    if (!m_settings->searchIP()) {
        m_searching.store(false);
        connectTo(std::string(), m_settings->fixedIP(), std::string());
        return;
    }

    emit statusChanged(true, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Searching")), QString());
    ModelFilter filter;
    {
        std::lock_guard lock(m_mutex);
        filter = m_modelFilter;
    }
    std::vector<FoundDevice> found = search(filter);
    setFound(found);
    m_searching.store(false);

    if (found.size() == 1) {
        const FoundDevice& device = found.front();
        connectTo(device.localAddress, device.address, device.broadcastAddress);
    } else {
        emit statusChanged(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Search finished")),
                           QString());
    }
}

std::vector<UDPConnectableHelper::FoundDevice>
UDPConnectableHelper::search(const ModelFilter& filter) {
    const CBytes probe = MountCmd::encode(MountCmd(0, 'e'));
    const auto replies = m_broadcaster->broadcast(probe);

    std::vector<FoundDevice> candidates;
    bool defaultAddressAnswered = false;
    for (const auto& reply : replies) {
        if (reply.senderAddress == kDefaultMountAddress)
            defaultAddressAnswered = true;
        const uint32_t version = MountCmd::parseVersion(reply.data);
        if (version < 0x1000000u)
            continue;
        if (!modelAccepted(filter, version))
            continue;
        candidates.push_back({reply.senderAddress, reply.broadcastAddress, reply.localAddress});
    }
    if (!defaultAddressAnswered && probeDefaultAddress(filter))
        candidates.push_back({kDefaultMountAddress, kDefaultMountBroadcast, std::string()});

    std::vector<FoundDevice> unique;
    std::set<std::string> seen;
    for (auto& candidate : candidates) {
        if (seen.insert(candidate.address).second)
            unique.push_back(std::move(candidate));
    }
    std::sort(unique.begin(), unique.end(),
              [](const FoundDevice& a, const FoundDevice& b) { return a.address < b.address; });
    return unique;
}

// A mount on its own access point may not answer broadcasts; ask it directly once.
bool UDPConnectableHelper::probeDefaultAddress(const ModelFilter& filter) {
    const auto graph =
        m_factory->create(std::string(), UDPAddress{kDefaultMountAddress, kDefaultMountBroadcast});
    const auto version = graph.device->readVersion(0);
    if (!version.isOk())
        return false;
    return modelAccepted(filter, version.value());
}

void UDPConnectableHelper::connectTo(const std::string& localAddress, const std::string& address,
                                     const std::string& broadcast) {
    emit statusChanged(true, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connecting")), QString());
    const auto graph = m_factory->create(localAddress, UDPAddress{address, broadcast});
    SetupHandler handler;
    {
        std::lock_guard lock(m_mutex);
        handler = m_handler;
    }
    if (handler)
        handler(
            {graph.koConverser, graph.device, graph.converserTimeout, graph.converser, address});
}

} // namespace Ko
