#include "server/pmsharing.h"

#include "base/ishortmessagesink.h"
#include "base/log.h"
#include "link/iudpbroadcaster.h"
#include "model/ialignmentdatacontainer.h"
#include "model/ipermountdata.h"
#include "model/transportalignmentdata.h"
#include "mount/imountconnection.h"
#include "server/vtmargument.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <exception>
#include <list>
#include <utility>

namespace Ko {

namespace {

constexpr char kModelMethod[] = "AlignmentDataGet";
constexpr char kNameMethod[] = "ServerDeviceNameGet";

std::string modelTimeText(const Nullable<int64_t>& ms) {
    if (!ms.hasValue())
        return {};
    const std::time_t seconds = std::time_t(ms.value() / 1000);
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return {};
    char text[32];
    return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) ? text : "";
}

std::string versionText(const std::array<uint8_t, 3>& v) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%02X", v[0], v[1], v[2]);
    return text;
}

void sendTranslated(IShortMessageSink& sink, const char* text) {
    sink.sendShortMessage(QCoreApplication::translate("mount", text).toUtf8().constData());
}

} // namespace

PMSharing::PMSharing(std::shared_ptr<IAlignmentDataContainer> alignmentData,
                     std::shared_ptr<IMountConnection> mountConnection,
                     std::shared_ptr<IPerMountData> perMountData,
                     std::shared_ptr<IUDPBroadcaster> broadcaster,
                     std::shared_ptr<IShortMessageSink> messages, uint16_t port)
    : m_alignmentData(std::move(alignmentData)), m_mountConnection(std::move(mountConnection)),
      m_perMountData(std::move(perMountData)), m_broadcaster(std::move(broadcaster)),
      m_messages(std::move(messages)), m_port(port) {}

PMSharing::~PMSharing() {
    stopClient();
}

void PMSharing::setServing(bool on) {
    if (m_serving == on)
        return;
    m_serving = on;
    updateThreads();
    emit valueChanged();
}

void PMSharing::setActive(bool value) {
    m_active = value;
    updateThreads();
    if (!value)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_peerModels.clear();
    }
    emit listChanged();
}

void PMSharing::updateThreads() {
    const bool wanted = m_active && !m_serving;
    if (wanted == m_client.joinable())
        return;
    if (!wanted) {
        stopClient();
        return;
    }
    m_stopSignal = std::promise<void>();
    m_client = std::thread(&PMSharing::clientTask_entry, this, m_stopSignal.get_future());
}

void PMSharing::stopClient() {
    if (!m_client.joinable())
        return;
    m_stopSignal.set_value();
    m_client.join();
}

void PMSharing::clientTask_entry(std::future<void> clientStop) {
    const std::list<CBytes> requests{CBytes::fromCString(kModelMethod),
                                     CBytes::fromCString(kNameMethod)};
    // Each cycle sends both requests, then waits here: the next cycle follows 3 s later, a stop
    // ends the wait at once.
    const auto isDone = [&clientStop] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kCycleMs);
        return clientStop.wait_until(until) == std::future_status::ready;
    };
    m_broadcaster->broadcastUntil(m_port, requests, isDone,
                                  [this](const auto& result) { return onBroadcastResult(result); });
}

bool PMSharing::onBroadcastResult(const UDPBroadcasterResult& result) {
    bool changed = false;
    // Answers come from the network: one that cannot be read is dropped and the search goes on.
    try {
        changed = takeAnswer(result);
    } catch (const std::exception& e) {
        Log("PMSharing: answer from %s dropped: %s", result.senderAddress.c_str(), e.what());
    }
    if (changed)
        emit listChanged();
    return false;
}

bool PMSharing::takeAnswer(const UDPBroadcasterResult& result) {
    const std::vector<VtmArgument> fields = VtmArgument::splitBytes(result.data);
    if (fields.size() != 3 || fields[0].text != "Ok")
        return false;
    const std::string& method = fields[1].text;
    const std::string& value = fields[2].text;
    if (method == kNameMethod) {
        std::lock_guard lock(m_mutex);
        std::string& name = m_deviceNames[result.senderAddress];
        if (name == value)
            return false;
        name = value;
        return true;
    }
    if (method != kModelMethod)
        return false;
    const Nullable<SavedAlignment> saved = TransportAlignmentData::unpack(value);
    if (!saved.hasValue())
        return false;
    std::lock_guard lock(m_mutex);
    for (const PeerModel& peer : m_peerModels)
        if (peer.address == result.senderAddress && peer.saved.data.muta == saved.value().data.muta)
            return false;
    if (m_peerModels.size() >= kMaxRows)
        return false;
    m_peerModels.push_back({result.senderAddress, saved.value()});
    return true;
}

std::vector<AstroListUIItem> PMSharing::list() const {
    std::lock_guard lock(m_mutex);
    std::vector<AstroListUIItem> rows;
    rows.reserve(m_peerModels.size());
    for (const PeerModel& peer : m_peerModels) {
        AstroListUIItem row;
        row.isEnableListItem = true;
        row.a = peer.saved.mountMode != 0 ? "AZ" : "EQ";
        row.b = peer.address;
        const auto name = m_deviceNames.find(peer.address);
        if (name != m_deviceNames.end())
            row.b += " " + name->second;
        row.c = versionText(peer.saved.mcVersion);
        row.d = modelTimeText(peer.saved.data.muta);
        rows.push_back(std::move(row));
    }
    return rows;
}

void PMSharing::loadItem(int index) {
    SavedAlignment saved;
    {
        std::lock_guard lock(m_mutex);
        if (index < 0 || size_t(index) >= m_peerModels.size())
            return;
        saved = m_peerModels[size_t(index)].saved;
    }
    if (m_mountConnection->connected()) {
        if (!m_alignmentData->isSavedDataForMount(saved)) {
            sendTranslated(*m_messages,
                           QT_TRANSLATE_NOOP("mount", "Pointing model does not match mount"));
            return;
        }
        m_alignmentData->loadSavedData(saved);
        sendTranslated(*m_messages, QT_TRANSLATE_NOOP("mount", "Pointing model loaded"));
        return;
    }
    // No mount: the model's mount becomes the last connected one, so the model is its own.
    const uint32_t version =
        uint32_t(saved.mcVersion[2]) << 16 | uint32_t(saved.mcVersion[1]) << 8 | saved.mcVersion[0];
    m_perMountData->setConnectedMount(saved.mountMode, version, saved.mountKind);
    m_alignmentData->loadSavedData(saved);
}

} // namespace Ko
