#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

class QSocketNotifier;
class QTimer;

namespace Ko {

class ClientConnection;
class Handover;

// Hands the connections that have replies waiting to the main thread in one call, however many
// they are and however many replies each has: under a flood the main thread writes once per pass
// of its event loop, not once per reply or per client.
// Threads: made on the receiver's (main) thread; add from any thread.
class WriteBatch {
public:
    // receiver lives on the main thread; calls still queued when it goes are dropped.
    explicit WriteBatch(QObject* receiver);
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

    void add(std::shared_ptr<ClientConnection> connection);

private:
    struct State;
    const std::shared_ptr<State> m_state;
    const std::unique_ptr<Handover> m_handover;
};

// The socket of one accepted client, a child of its listening server. It reads only when asked
// (what the server does not take stays with the system, whose buffer is kept small, so a client
// that sends faster than it is served is held back by TCP) and it tells the peer's end of sending
// from the connection's end: after the former it still writes, so that a client that half-closes
// hears every answer. Unsent bytes wait here until the system takes them.
// Threads: main thread only.
class ClientSocket : public QObject {
    Q_OBJECT
public:
    enum class Read { Bytes, Nothing, Ended, Gone };

    // Takes over descriptor, an accepted, connected TCP socket.
    ClientSocket(qintptr descriptor, QObject* parent);
    ~ClientSocket() override;

    // Appends to into at most max bytes that have arrived. Ended: the peer sends no more (reading
    // stops); Gone: the connection has failed and is closed.
    Read readInto(QByteArray& into, qsizetype max);
    // While on, readable() tells of bytes (or the end) waiting.
    void setReading(bool on);
    void write(const QByteArray& bytes);
    qint64 bytesToWrite() const { return m_out.size() - m_outStart; }
    bool isOpen() const { return m_fd >= 0; }
    // At once, dropping unsent bytes.
    void abort();
    // Closes the socket (emitting closed) when its peer has reset the connection, though the
    // reset has not been read yet.
    void closeIfReset();
    // Once every unsent byte has left.
    void closeWhenSent();
    const QString& peer() const { return m_peer; }

signals:
    void readable();
    // n bytes have left for the system.
    void written(qint64 n);
    // Once, from whichever call closed it.
    void closed();

private:
    void sendSome();
    void closeNow();

    int m_fd = -1;
    QString m_peer;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    // Unsent bytes are those from m_outStart on.
    QByteArray m_out;
    qsizetype m_outStart = 0;
    bool m_closeWhenSent = false;
    // The peer sends no more.
    bool m_inputEnded = false;
};

// One accepted client of a planetarium server, shared between the main thread, which owns its
// socket, and the threads that work for it. Nothing but the main thread touches the socket:
// other threads hand their bytes over with send(), which gathers them until the main thread
// writes them, all that have come by then at once; they are dropped once the socket is gone. A
// client whose replies pile up unread is reported as stalled, so that its server stops serving it,
// and closed when they do not drain within the stall limit or pass kMaxUnsentBytes; where the
// server counts its jobs here, one with too many jobs queued is closed.
// Threads: any thread for send, finish, unsentBytes, jobDone and closed; the rest main thread
// only, as each member says.
class ClientConnection : public std::enable_shared_from_this<ClientConnection> {
public:
    static constexpr int kMaxQueuedJobs = 64;
    // As on the RPC port: a client that stops reading is dropped long before memory suffers.
    static constexpr int64_t kMaxUnsentBytes = 256 * 1024;
    // Beyond what the systems of both ends hold: a client that leaves this much unread is not
    // keeping up, and serving it further would only pile up more.
    static constexpr int64_t kStallBytes = 16 * 1024;
    // How long a stalled client's replies may stay unread before it is closed.
    static constexpr std::chrono::milliseconds kStallLimit{5000};
    // What pending may hold: a whole command or message of any protocol here fits many times.
    static constexpr qsizetype kMaxPendingBytes = 4096;
    // What one arrival reads at most of a client, so that one flooding client cannot hold the
    // main thread; its socket stays readable and the rest comes with the next pass of the loop.
    static constexpr qsizetype kReadPerArrival = 64 * 1024;

    struct Watchers {
        // Bytes or the peer's end of sending are waiting to be read.
        std::function<void()> arrival;
        // The unsent replies have come down to kStallBytes or below again.
        std::function<void()> drained;
        // The connection has closed; its socket is then deleted.
        std::function<void()> gone;
    };

    // context lives on the main thread and outlives the connections made here (the server
    // object itself). Replies are written through batch, which the server holds.
    ClientConnection(QObject* context, ClientSocket* socket,
                     const std::shared_ptr<WriteBatch>& batch);

    // Main thread only.
    void watch(Watchers watchers);
    void setStallLimit(std::chrono::milliseconds limit) { m_stallLimit = limit; }
    // Main thread only: appends what has arrived to pending, up to kMaxPendingBytes in all;
    // Ended once the peer's end of sending is reached, after every byte before it.
    ClientSocket::Read readArrived();
    // Main thread only: reading waits until resumed (the arrival watcher is not called).
    void pauseReading();
    void resumeReading();
    // Any thread; the object must be held by a shared pointer.
    void send(QByteArray bytes);
    // Any thread: closes the connection once what was sent before has left.
    void finish();
    // Any thread: replies handed over and not yet taken by the system.
    int64_t unsentBytes() const { return m_unsent; }
    // Main thread only: counts one more queued job; past the bound the client is closed and the job
    // is not to be queued.
    bool jobQueued();
    // Any thread: a job of this client has ended.
    void jobDone();
    // Main thread only.
    bool isOpen() const;
    void close(const char* why);
    // Any thread: the client has gone, so its queued work is moot.
    bool closed() const { return m_closed; }

    // Main thread only: writes what send() gathered.
    void flush();

    // Main thread only: the start of a command or message that has not all arrived.
    QByteArray pending;

private:
    // Any thread: has flush() run once on the main thread.
    void postFlush();
    void checkUnsent();

    QObject* const m_context;
    // Main thread only.
    const QPointer<ClientSocket> m_socket;
    QTimer* m_stallTimer = nullptr;
    std::chrono::milliseconds m_stallLimit = kStallLimit;
    std::function<void()> m_drained;
    // Held by the server: a connection that outlives it has nothing to send.
    const std::weak_ptr<WriteBatch> m_batch;
    // Guards the gathered bytes and the two flags.
    std::mutex m_outMutex;
    QByteArray m_gathered;
    bool m_flushPosted = false;
    bool m_finishing = false;
    std::atomic<int64_t> m_unsent{0};
    std::atomic<int> m_queuedJobs{0};
    std::atomic<bool> m_closed{false};
};

} // namespace Ko
