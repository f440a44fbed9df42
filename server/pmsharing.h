#pragma once

#include "base/astrolistuiitem.h"
#include "model/savedalignment.h"
#include "server/ipmsharing.h"

#include <atomic>
#include <cstdint>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Ko {

class IAlignmentDataContainer;
class IMountConnection;
class IPerMountData;
class IShortMessageSink;
class IUDPBroadcaster;
struct UDPBroadcasterResult;

// Passes a pointing model between two devices running the program on one local network. A
// device that serves answers the remote method "AlignmentDataGet" of its remote-method server
// with its model. A device whose sharing page is shown and which does not serve searches: every
// 3 s it broadcasts "AlignmentDataGet" and "ServerDeviceNameGet" to the remote-method port and
// lists every model that comes back (mode, sender and its name, controller version, model time);
// the user loads the one they pick.
//
// Threads: main thread only for setServing, setActive, loadItem, list and the destructor; any
// thread for serving (the remote-method server asks on its own). The search runs on a client thread
// that this object owns: it is stopped and joined whenever searching ends and before this object
// goes, and it leaves its pause at once when told to stop. m_mutex guards the peer list and the
// device names, which the client thread writes while the main thread reads; listChanged is emitted
// from the client thread (QML takes it queued).
class PMSharing : public IPMSharing {
    Q_OBJECT
    Q_PROPERTY(bool serving READ serving WRITE setServing NOTIFY valueChanged)
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list READ list NOTIFY listChanged)
public:
    // The remote-method server's port, which the search broadcasts to.
    static constexpr uint16_t kPort = 11881;
    static constexpr int kCycleMs = 3000;
    // A peer that keeps changing its model would otherwise grow the list without end. Rows are
    // never dropped, so that the row a confirmation names stays the same model.
    static constexpr size_t kMaxRows = 64;

    struct PeerModel {
        std::string address;
        SavedAlignment saved;
    };

    PMSharing(std::shared_ptr<IAlignmentDataContainer> alignmentData,
              std::shared_ptr<IMountConnection> mountConnection,
              std::shared_ptr<IPerMountData> perMountData,
              std::shared_ptr<IUDPBroadcaster> broadcaster,
              std::shared_ptr<IShortMessageSink> messages, uint16_t port = kPort);
    ~PMSharing() override;

    bool serving() const override { return m_serving; }
    void setServing(bool on);
    // One row per model found, in order of arrival.
    std::vector<AstroListUIItem> list() const;

    // The sharing page is shown (true) or left (false); showing it empties the list.
    Q_INVOKABLE void setActive(bool value);
    // Loads the model of a row; an index outside the list does nothing.
    Q_INVOKABLE void loadItem(int index);

signals:
    void valueChanged();
    void listChanged();

private:
    void updateThreads();
    void stopClient();
    void clientTask_entry(std::future<void> clientStop);
    bool onBroadcastResult(const UDPBroadcasterResult& result);
    // Takes one answer; true when the list changed.
    bool takeAnswer(const UDPBroadcasterResult& result);

    const std::shared_ptr<IAlignmentDataContainer> m_alignmentData;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    const std::shared_ptr<IPerMountData> m_perMountData;
    const std::shared_ptr<IUDPBroadcaster> m_broadcaster;
    const std::shared_ptr<IShortMessageSink> m_messages;
    const uint16_t m_port;

    std::atomic<bool> m_serving{false};
    bool m_active = false;

    mutable std::mutex m_mutex;
    std::vector<PeerModel> m_peerModels;
    std::map<std::string, std::string> m_deviceNames;

    // Main thread only: the running client thread and its stop signal.
    std::promise<void> m_stopSignal;
    std::thread m_client;
};

} // namespace Ko
