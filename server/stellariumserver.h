#pragma once

#include "server/mountgatedserver.h"

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class ThreadPool;

namespace Ko {

class ClientConnection;
class ClientSocket;
class EndingState;
class IAstroCalc;
class WriteBatch;
class IAstroClock;
class ICatalogSettings;

// The planetarium position server on TCP port 10001 while a mount is connected. Each client
// receives a 24-byte position message (J2000, little-endian) about once a second and may send
// 20-byte GoTo messages, assembled across arrivals; a client is read no faster than its messages
// are framed, and a client that ends its sending has its GoTos run before its connection closes.
// A GoTo that the user's limits forbid (the check the pages make) moves nothing and is logged
// with its reason, since the protocol has no reply; any other stops the mount and goes to the
// position under the name "Stellarium Target". Once the program has begun to end, a GoTo is
// refused in the same way, logged as such; one already under way runs on.
// A client with more than ClientConnection::kMaxQueuedJobs GoTos waiting or running is closed.
//
// Main thread: the listening server, the clients' sockets, the GoTo messages. One worker runs the
// GoTos of all clients in arrival order. Each client has a report thread of its own, which reads
// the mount and hands its messages to the main thread; a pass whose read fails (or that finds no
// mount) sends nothing and the next pass reads again, so the stream goes on once reads succeed.
// The thread ends when its client goes. The server serves at most kMaxClients clients at once.
// Threads: main thread only; the GoTos and the reports run on threads of their own.
class StellariumServer : public MountGatedServer {
    Q_OBJECT
public:
    static constexpr uint16_t kDefaultPort = 10001;
    // Each client costs a thread and one mount read a second.
    static constexpr int kMaxClients = 8;
    static constexpr std::chrono::milliseconds kReportPeriod{1000};
    static constexpr int kGotoMessageBytes = 20;
    static constexpr int kPositionMessageBytes = 24;

    StellariumServer(std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroClock> astroClock,
                     std::shared_ptr<IMountConnection> mountConnection,
                     std::shared_ptr<ICatalogSettings> catalogSettings,
                     uint16_t port = kDefaultPort, std::shared_ptr<EndingState> ending = nullptr);
    // Waits for the report threads, which may be inside a mount read, and for the GoTo running on
    // the worker; GoTos still queued are dropped.
    ~StellariumServer() override;

    // Main thread only: the clients whose report thread still runs.
    int reportingClients() const;
    // Any thread: the GoTos queued or running, of all clients.
    int queuedGotos() const { return m_queuedGotos; }

    // J2000 right ascension and declination in radians, at timeMs since 1970.
    static QByteArray positionMessage(int64_t timeMs, double ra, double dec);
    // The J2000 right ascension and declination of one whole GoTo message; none when its length
    // or type field is wrong.
    static std::optional<std::pair<double, double>> gotoPosition(const QByteArray& message);

private:
    struct ReportLoop;

    void acceptClient(ClientSocket* socket) override;
    void readClient(const std::shared_ptr<ClientConnection>& client);
    void queueGoto(const std::shared_ptr<ClientConnection>& client,
                   std::pair<double, double> position);
    void reportLoop(ClientConnection& client, ReportLoop& loop);
    // Joins the report threads that have ended.
    void reapLoops();

    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroClock> m_astroClock;
    const std::shared_ptr<ICatalogSettings> m_catalogSettings;
    const std::shared_ptr<EndingState> m_ending;
    // Main thread only.
    std::vector<std::shared_ptr<ReportLoop>> m_loops;
    // Set by the destructor: GoTos still queued then are dropped.
    std::atomic<bool> m_closing{false};
    std::atomic<int> m_queuedGotos{0};
    // Writes the clients' position messages on this object's thread.
    const std::shared_ptr<WriteBatch> m_writeBatch;
    std::unique_ptr<ThreadPool> m_pool;
};

} // namespace Ko
