#pragma once

#include "server/inetserver.h"

#include <memory>
#include <mutex>
#include <vector>

class QThread;
class QTcpServer;
class QUdpSocket;

namespace Ko {

class ResetWatch;

// The one network server core. Construction starts the server thread; destruction tears every
// server down there and waits for the thread to end. The lists are touched only on the server
// thread: the add operations post their duplicate check and append too, so no thread reads an
// entry while another grows a list, and an add after a removal of the same port always succeeds.
// Entries are only appended and reset in place, so the index that a signal connection carries
// stays valid. Handler calls are guarded: an exception is logged, not passed to the event loop.
// Each TCP connection holds at most a bounded number of received bytes (more than that stays
// with the kernel, and TCP holds the peer back), a port keeps a bounded number of connections,
// and a connection that sends nothing for a long time is closed; whatever a connection holds goes
// with it. A connection that its peer closes or resets, whenever that happens, or whose reply
// cannot be written gives its place back at once.
// Threads: any thread for the public operations; the lists on the server's own thread only.
class NetServer : public INetServer {
    Q_OBJECT
public:
    // A peer that sends nothing for this long while its request is awaited has sent all it will.
    static constexpr int kWaitMs = 1000;
    // Time of one awaited request from its first await, after which it is handed over as it
    // stands, so that a client trickling bytes cannot keep its request open for ever.
    static constexpr int kHandlerDeadlineMs = 10000;
    // Replies that a client does not read pile up in its socket; past this the connection goes.
    static constexpr int64_t kMaxUnsentBytes = 256 * 1024;
    // Ports the system picks for UDP before one is also free for TCP: a port taken for TCP
    // alone is rare, many in a row mean no port will do.
    static constexpr int kFreePortAttempts = 20;

    struct Limits {
        int requestDeadlineMs = kHandlerDeadlineMs;
        int waitMs = kWaitMs;
        // Received bytes a connection holds for its handler; 64 requests of the longest text.
        int64_t heldBytes = 64 * 1024;
        // An awaited request may hold up to this much: the largest trail-point upload and room.
        int64_t maxRequestBytes = 2 * 1024 * 1024;
        // Connections of one port. The process has 1024 descriptors by default, which the other
        // ports, the mount link, the log and the database need too.
        int maxConnections = 200;
        // A connection that has sent nothing for this long is closed.
        int idleMs = 5 * 60 * 1000;
    };

    NetServer();
    explicit NetServer(Limits limits);
    ~NetServer() override;

    void addUdpServer(uint16_t port, UdpHandler handler) override;
    void addTcpServer(uint16_t port, TcpHandler handler) override;
    void removeTcpServer(uint16_t port) override;
    void removeUdpServer(uint16_t port) override;
    uint16_t addOnFreePort(TcpHandler tcpHandler, UdpHandler udpHandler) override;
    void waitPosted() override;
    // Accepted connections not yet closed; waits for the server thread. For diagnostics.
    size_t openConnections();
    // Received bytes that the open connections hold; waits for the server thread. For
    // diagnostics.
    int64_t heldBytes();

    // Runs function on thread's event loop, after what was posted before; never waits.
    static void postToThread(QThread* thread, std::function<void()> function);

private:
    struct TcpServerEntry {
        std::shared_ptr<QTcpServer> server;
        std::shared_ptr<const TcpHandler> handler;
        uint16_t port = 0;
        bool active = false;
        // Connections beyond the cap have been refused since the last one was accepted.
        bool refusing = false;
        // The port's connections.
        std::shared_ptr<ResetWatch> resets;
    };
    struct UdpServerEntry {
        std::shared_ptr<QUdpSocket> socket;
        std::shared_ptr<const UdpHandler> handler;
        uint16_t port = 0;
        bool active = false;
    };
    class Socket;
    class Connection;
    class Stream;

    void post(std::function<void()> step);
    template <class T>
    std::shared_ptr<T> owned(T* object);
    template <class T>
    T diagnostic(std::function<T()> count);
    // Server thread only, from here on.
    // Whether the port now serves the handler.
    bool addTcpStep(uint16_t port, TcpHandler handler);
    // The port that now serves the handler (the system's pick for 0); 0 when none does.
    uint16_t addUdpStep(uint16_t port, UdpHandler handler);
    void removeUdpStep(uint16_t port);
    void acceptStep(size_t i, qintptr descriptor);
    // Whether port i has a place for a newcomer, once the connections that have reset unseen are
    // let go.
    bool placeFree(size_t i);
    void connectionStep(size_t i, Socket* socket);
    // Takes what the connection's socket has received, within its bound, and hands it on.
    void dataStep(size_t i, Connection* connection);
    // Tells the peer's end of sending from a failure and from a notification that meant nothing.
    void endStep(size_t i, Connection* connection);
    // Ends a connection that has failed, gone or is sent away: its place is free at once.
    void closeStep(Connection* connection);
    // Runs the handler over what the connection holds.
    void serveStep(size_t i, Connection* connection, bool ended);
    // Starts, lengthens or ends the wait for the rest of the request that the handler awaits.
    void awaitStep(Connection& connection, const Stream& stream);
    void datagramStep(size_t i);
    void teardownStep();

    const Limits m_limits;
    std::mutex m_postOrder;
    QThread* const m_thread;
    std::vector<TcpServerEntry> m_tcp;
    std::vector<UdpServerEntry> m_udp;
    // The depth of steps running inside a signal of a server or socket.
    int m_inSignal = 0;
};

} // namespace Ko
