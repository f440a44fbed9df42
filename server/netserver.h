#pragma once

#include "server/inetserver.h"

#include <memory>
#include <mutex>
#include <vector>

class QThread;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;

namespace Ko {

// The one network server core. Construction starts the server thread; destruction tears every
// server down there and waits for the thread to end. The lists are touched only on the server
// thread: the add operations post their duplicate check and append too, so no thread reads an
// entry while another grows a list, and an add after a removal of the same port always succeeds.
// Entries are only appended and reset in place, so the index that a signal connection carries
// stays valid. Handler calls are guarded: an exception is logged, not passed to the event loop.
// Threads: any thread for the public operations; the lists on the server's own thread only.
class NetServer : public INetServer {
    Q_OBJECT
public:
    // Each wait for more bytes in a handler's stream.
    static constexpr int kWaitMs = 1000;
    // Overall time of one handler call, after which its stream's reads fail, so that a client
    // trickling bytes holds the one server thread for a bounded time.
    static constexpr int kHandlerDeadlineMs = 10000;
    // Replies that a client does not read pile up in its socket; past this the connection goes.
    static constexpr int64_t kMaxUnsentBytes = 256 * 1024;

    explicit NetServer(int handlerDeadlineMs = kHandlerDeadlineMs);
    ~NetServer() override;

    void addUdpServer(uint16_t port, UdpHandler handler) override;
    void addTcpServer(uint16_t port, TcpHandler handler) override;
    void removeTcpServer(uint16_t port) override;
    void removeUdpServer(uint16_t port) override;
    void waitPosted() override;
    // Accepted connections not yet closed; waits for the server thread. For diagnostics.
    size_t openConnections();

    // Runs function on thread's event loop, after what was posted before; never waits.
    static void postToThread(QThread* thread, std::function<void()> function);

private:
    struct TcpServerEntry {
        std::shared_ptr<QTcpServer> server;
        std::shared_ptr<const TcpHandler> handler;
        uint16_t port = 0;
        bool active = false;
    };
    struct UdpServerEntry {
        std::shared_ptr<QUdpSocket> socket;
        std::shared_ptr<const UdpHandler> handler;
        uint16_t port = 0;
        bool active = false;
    };
    class Stream;

    void post(std::function<void()> step);
    template <class T>
    std::shared_ptr<T> owned(T* object);
    // Server thread only, from here on.
    void addTcpStep(uint16_t port, TcpHandler handler);
    void addUdpStep(uint16_t port, UdpHandler handler);
    void connectionStep(size_t i);
    void dataStep(size_t i, QTcpSocket* socket);
    void datagramStep(size_t i);
    void teardownStep();

    const int m_handlerDeadlineMs;
    std::mutex m_postOrder;
    QThread* const m_thread;
    std::vector<TcpServerEntry> m_tcp;
    std::vector<UdpServerEntry> m_udp;
    // A stream's wait for bytes can deliver its socket's readyRead again, inside the handler.
    bool m_inHandler = false;
    // The depth of steps running inside a signal of a server or socket.
    int m_inSignal = 0;
};

} // namespace Ko
