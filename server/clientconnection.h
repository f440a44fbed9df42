#pragma once

#include <QByteArray>
#include <QPointer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class QObject;
class QTcpSocket;

namespace Ko {

class Handover;

// One accepted client of a planetarium server, shared between the main thread, which owns its
// socket, and the threads that work for it. Nothing but the main thread touches the socket:
// other threads hand their bytes over with send(), which queues them to the main thread, where
// they are dropped once the socket is gone. A client is closed when it has too many bytes it
// does not read, or, where the server counts its jobs here, too many jobs queued.
// Threads: any thread for send, jobDone and closed; the rest main thread only, as each member says.
class ClientConnection : public std::enable_shared_from_this<ClientConnection> {
public:
    static constexpr int kMaxQueuedJobs = 64;
    // As on the RPC port: a client that stops reading is dropped long before memory suffers.
    static constexpr int64_t kMaxUnsentBytes = 256 * 1024;

    // context lives on the main thread and outlives every queued hand-over, or its destruction
    // cancels them (the server object itself).
    ClientConnection(QObject* context, QTcpSocket* socket);

    // Main thread only: calls onArrival for each arrival of bytes and onGone once the socket has
    // disconnected; the socket is then deleted.
    void watch(std::function<void()> onArrival, std::function<void()> onGone);
    // Main thread only: appends what has arrived to pending; false when the socket is gone.
    bool readArrived();
    // Any thread; the object must be held by a shared pointer.
    void send(QByteArray bytes);
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

    // Main thread only: the start of a command or message that has not all arrived.
    QByteArray pending;

private:
    void write(const QByteArray& bytes);

    QObject* const m_context;
    // Main thread only.
    const QPointer<QTcpSocket> m_socket;
    // Carries send()'s bytes to the main thread; what is still queued goes with the socket.
    const std::shared_ptr<Handover> m_handover;
    std::atomic<int> m_queuedJobs{0};
    std::atomic<bool> m_closed{false};
};

} // namespace Ko
