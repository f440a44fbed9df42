#pragma once

#include "astro/coordtype.h"
#include "base/cbytes.h"
#include "base/nullable.h"
#include "server/clientconnection.h"
#include "server/mountgatedserver.h"

#include <QByteArray>
#include <QTimeZone>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

class ThreadPool;

namespace Ko {

class EndingState;
class Handover;
class IAlignmentDataContainer;
class IAstroCalc;
class IAstroClock;
class ICatalogSettings;
class ILocation;
class IMount;

// The hand-controller protocol for planetarium programs, on TCP port 11882 while a mount is
// connected. A command is one letter and a fixed number of argument bytes; a reply ends in "#",
// and some commands have none. Positions travel as fractions of a turn in 4 (16-bit form) or 6
// (24-bit form, then two filler characters) upper-case hexadecimal digits.
//
// The main thread accepts clients and frames their input: every complete command that has
// arrived is taken on each arrival, an unknown letter is dropped at once, and a partial command
// waits for the rest. Each client has a queue of its own, of at most kMaxQueuedCommands
// commands; one worker serves the clients' queues in turn, one command each, so a flooding client
// delays the others by one command per round. What the server holds for a client is bounded: a
// client whose queue is full is not read until half of it has run (TCP holds the rest back),
// and one that leaves kStallBytes of replies unread is not served until they drain, and closed
// when they do not drain within its stall limit. Position reads share a reading of the mount:
// a read answers every position command that arrived before it began, so a flood of them costs
// the mount little. A GoTo replaces the client's own GoTo still waiting: the waiting one is
// answered as before but moves nothing. Each command runs on the mount the holder has at that
// moment (no mount: no reply). The worker gathers each client's replies and the main thread
// writes them, all that have come, at once. A GoTo that the user's limits forbid (the check the
// pages make) gets no reply, the protocol's way of refusing a command, and leaves the running
// motion alone. A client that ends its sending has every command it sent before carried out and
// answered; then its connection closes. An axis slew that a client started stops when that
// client goes or ends its sending, once the commands it sent before have run, unless something
// else has moved the axis since (another client, the window, a task): a leaving client stops only
// its own motion. Nothing that a client sent runs after that stop. Once the program has begun to
// end, a slew at a rate, a GoTo and a start of tracking are refused like a forbidden GoTo
// (no reply, a log line that says why); a stop is still taken. At most kMaxClients
// clients at once; one that sends nothing for the idle limit is closed.
// Threads: main thread only; the commands run on its worker.
class QrpServer : public MountGatedServer {
    Q_OBJECT
public:
    static constexpr uint16_t kDefaultPort = 11882;
    static constexpr int kMaxClients = 64;
    static constexpr int kMaxQueuedCommands = 64;
    // A planetarium program polls the position every second or so; five minutes of silence is a
    // client that has gone without a word.
    static constexpr std::chrono::milliseconds kIdleLimit = std::chrono::minutes(5);

    // zone is the device's local time zone, in which "h" tells the time.
    QrpServer(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroCalc> astroCalc,
              std::shared_ptr<IAstroClock> astroClock,
              std::shared_ptr<IMountConnection> mountConnection,
              std::shared_ptr<IAlignmentDataContainer> alignmentDataContainer,
              std::shared_ptr<ICatalogSettings> catalogSettings, uint16_t port = kDefaultPort,
              QTimeZone zone = QTimeZone::systemTimeZone(),
              std::shared_ptr<EndingState> ending = nullptr);
    // Waits for the command running on the worker; those still queued are dropped.
    ~QrpServer() override;

    // Main thread only: the idle and stall limits of the clients accepted from now on.
    void setIdleLimit(std::chrono::milliseconds limit) { m_idleLimit = limit; }
    void setStallLimit(std::chrono::milliseconds limit) { m_stallLimit = limit; }
    // Any thread: the commands queued or running, of all clients.
    int queuedCommands() const;
    // Main thread only: the most bytes taken from any one client and not yet framed.
    qsizetype largestPendingInput() const;

    struct Client;
    // One command as its handler sees it, on the worker thread.
    struct Request {
        const std::shared_ptr<Client>& client;
        const std::shared_ptr<IMount>& mount;
        char letter;
        const CBytes& args;
        // A later GoTo of the same client has replaced this one.
        bool superseded;
        // Counts the commands queued on the server, this one included.
        uint64_t arrival;

        // The 24-bit form.
        bool precise() const { return letter >= 'a' && letter <= 'z'; }
        void reply(QByteArray bytes) const;
    };
    struct CommandEntry {
        char letter;
        int32_t argumentLength;
        void (QrpServer::*handler)(const Request&);
    };

    // The row of the letter; empty when the letter is not a command.
    static Nullable<CommandEntry> findCommand(char letter);
    // "HHHH,HHHH#" or "HHHHHH00,HHHHHH00#".
    static CBytes formatPosition(double first, double second, bool precise);
    // false, leaving first and second alone, for a wrong length, a missing "," or a character
    // that is not an upper-case hexadecimal digit.
    static bool parsePosition(const CBytes& argument, bool precise, double& first, double& second);

private:
    struct Job;
    struct Reading;
    struct Slew;

    void acceptClient(ClientSocket* socket) override;
    void readCommands(const std::shared_ptr<Client>& client);
    void clientGone(const std::shared_ptr<Client>& client);
    // The client sends no more: what it sent runs, then its connection closes.
    void endOfInput(const std::shared_ptr<Client>& client);
    // false when the client's queue is full: the command is not queued.
    bool queueJob(const std::shared_ptr<Client>& client, Job job);
    // A stalled client's replies have drained: it is served again.
    void resumeServing(const std::shared_ptr<Client>& client);
    // On the worker, while any client has a command waiting: serves them in turn.
    void serve();
    void runCommand(const std::shared_ptr<Client>& client, const Job& job);
    // Queues the client's leave job.
    void stopSlewsOf(const std::shared_ptr<Client>& client);
    // The leave job, on the worker: stops the slews the client left running that are still the
    // latest motion of their axis, and lets nothing of the client run after it.
    void leave(Client& client);
    // On the worker: the mount's position, read after the command arrived; null when the read
    // failed.
    Reading* readingFor(const Request& r);

    void axisCommand(const Request& r);
    void readRaDec(const Request& r);
    void readAzAlt(const Request& r);
    void gotoRaDec(const Request& r);
    void gotoAzAlt(const Request& r);
    void syncRaDec(const Request& r);
    void trackingState(const Request& r);
    void setTracking(const Request& r);
    void siteLocation(const Request& r);
    void localTime(const Request& r);
    void version(const Request& r);
    void mountModel(const Request& r);
    void echo(const Request& r);
    void aligned(const Request& r);
    void gotoInProgress(const Request& r);
    void cancelGoto(const Request& r);
    void ignore(const Request& r);

    // The RA/Dec of date of a J2000 position.
    U_ASTRO_COORD ofDate(double ra, double dec) const;
    // Starts the GoTo and answers "#", unless the user's limits forbid it or the program is
    // ending (no reply then).
    void startGoto(const Request& r, const U_ASTRO_COORD& target);
    // Starts or stops the axis and keeps or clears the client's slew of it, so that its going
    // can stop it. false when a slew was refused because the program is ending.
    bool slewAxis(const Request& r, uint32_t axis, double rate);

    static const std::array<CommandEntry, 24> kCommands;

    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroClock> m_astroClock;
    const std::shared_ptr<IAlignmentDataContainer> m_alignmentDataContainer;
    const std::shared_ptr<ICatalogSettings> m_catalogSettings;
    const QTimeZone m_zone;
    const std::shared_ptr<EndingState> m_ending;
    // Main thread only.
    std::chrono::milliseconds m_idleLimit = kIdleLimit;
    std::chrono::milliseconds m_stallLimit = ClientConnection::kStallLimit;
    // Main thread only: the clients whose socket is open.
    std::vector<std::shared_ptr<Client>> m_clients;
    // Guards the clients' queues and counts, m_turns, m_arrivals and m_serving.
    mutable std::mutex m_queueMutex;
    // The clients with commands waiting, the next to be served first.
    std::deque<std::shared_ptr<Client>> m_turns;
    int m_queuedCommands = 0;
    uint64_t m_arrivals = 0;
    // The worker runs serve(), or is about to.
    bool m_serving = false;
    // Worker only: the last reading, while it may still answer.
    std::unique_ptr<Reading> m_reading;
    // Set by the destructor: commands still queued then are dropped.
    std::atomic<bool> m_closing{false};
    // Carries the worker's "read on" back to this object's thread; declared before the pool so
    // that it outlives the worker, which the destructor joins.
    const std::unique_ptr<Handover> m_handover;
    // Writes the clients' replies on this object's thread.
    const std::shared_ptr<WriteBatch> m_writeBatch;
    std::unique_ptr<ThreadPool> m_pool;
};

} // namespace Ko
