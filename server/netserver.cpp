#include "server/netserver.h"

#include "base/log.h"
#include "server/qthreadposter.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <cassert>
#include <exception>
#include <future>

namespace Ko {

namespace {

std::string errorText(const QAbstractSocket& socket) {
    return socket.errorString().toStdString();
}

// Runs a handler call so that nothing it throws reaches the event loop.
template <class F>
void guarded(const char* what, F&& call) {
    try {
        call();
    } catch (const std::exception& e) {
        Log("NetServer: %s handler failed: %s", what, e.what());
    } catch (...) {
        Log("NetServer: %s handler failed", what);
    }
}

// Marks the steps that run inside a signal of one of the objects.
class SignalScope {
public:
    explicit SignalScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~SignalScope() { --m_depth; }
    SignalScope(const SignalScope&) = delete;
    SignalScope& operator=(const SignalScope&) = delete;

private:
    int& m_depth;
};

} // namespace

class NetServer::Stream : public INetServer::IStream {
public:
    Stream(QTcpSocket* socket, int deadlineMs) : m_socket(socket), m_deadline(deadlineMs) {}

    int64_t waitRead(void* buffer, int64_t len) override {
        assert(len >= 0);
        if (len == 0)
            return 0;
        auto* out = static_cast<char*>(buffer);
        int64_t got = 0;
        for (;;) {
            const int64_t n = readStep(out + got, len - got);
            if (n < 0)
                return n;
            got += n;
            if (got >= len)
                return len;
            const int64_t left = m_deadline.remainingTime();
            if (left == 0) {
                Log("NetServer::Stream: deadline passed, read so far: %lld",
                    static_cast<long long>(m_readSoFar));
                return -1;
            }
            const int wait = left < 0 ? kWaitMs : int(std::min<int64_t>(kWaitMs, left));
            if (!m_socket->waitForReadyRead(wait) && m_socket->bytesAvailable() == 0) {
                Log("NetServer::Stream: waitForReadyRead error: %s", errorText(*m_socket).c_str());
                return -1;
            }
        }
    }

    int64_t peek(void* buffer, int64_t maxLen) override {
        return m_socket->peek(static_cast<char*>(buffer), maxLen);
    }

    int64_t bytesAvailable() override { return m_socket->bytesAvailable(); }

    int64_t skip(int64_t n) override {
        const int64_t skipped = m_socket->skip(n);
        if (skipped < 0) {
            Log("NetServer::Stream: skip error: %s", errorText(*m_socket).c_str());
            logReadSoFar();
            return skipped;
        }
        m_readSoFar += skipped;
        return skipped;
    }

    int64_t write(const void* data, int64_t len) override {
        return m_socket->write(static_cast<const char*>(data), len);
    }

    void extendDeadline(int64_t ms) override {
        if (!m_deadline.isForever())
            m_deadline.setDeadline(m_deadline.deadline() + ms);
    }

private:
    int64_t readStep(char* buffer, int64_t maxLen) {
        const int64_t n = m_socket->read(buffer, maxLen);
        if (n < 0) {
            Log("NetServer::Stream: read error: %s", errorText(*m_socket).c_str());
            logReadSoFar();
            return n;
        }
        m_readSoFar += n;
        return n;
    }

    void logReadSoFar() const {
        Log("NetServer::Stream: read so far: %lld", static_cast<long long>(m_readSoFar));
    }

    QTcpSocket* const m_socket;
    QDeadlineTimer m_deadline;
    int64_t m_readSoFar = 0;
};

NetServer::NetServer(int handlerDeadlineMs)
    : m_handlerDeadlineMs(handlerDeadlineMs), m_thread(new QThread) {
    m_thread->setObjectName(QStringLiteral("NetServer"));
    m_thread->start(QThread::InheritPriority);
}

NetServer::~NetServer() {
    post([this] {
        teardownStep();
        { const std::lock_guard lock(m_postOrder); }
    });
    m_thread->wait();
    // Orders the teardown's changes to the lists before their destruction here.
    { const std::lock_guard lock(m_postOrder); }
    delete m_thread;
}

void NetServer::postToThread(QThread* thread, std::function<void()> function) {
    new QThreadPoster(thread, std::move(function));
}

void NetServer::post(std::function<void()> step) {
    // The event queue orders the caller's writes before the step; the handshake on m_postOrder
    // says so in a form that the race detector sees too.
    { const std::lock_guard lock(m_postOrder); }
    postToThread(m_thread, [this, step = std::move(step)] {
        { const std::lock_guard lock(m_postOrder); }
        step();
    });
}

void NetServer::waitPosted() {
    if (QThread::currentThread() == m_thread)
        return;
    std::promise<void> reached;
    std::future<void> done = reached.get_future();
    post([&reached] { reached.set_value(); });
    done.wait();
}

size_t NetServer::openConnections() {
    std::promise<size_t> counted;
    std::future<size_t> count = counted.get_future();
    post([this, &counted] {
        size_t n = 0;
        for (const TcpServerEntry& e : m_tcp)
            if (e.server)
                n += size_t(e.server->findChildren<QTcpSocket*>().size());
        counted.set_value(n);
    });
    return count.get();
}

void NetServer::addTcpServer(uint16_t port, TcpHandler handler) {
    post([this, port, handler = std::move(handler)]() mutable {
        addTcpStep(port, std::move(handler));
    });
}

void NetServer::addUdpServer(uint16_t port, UdpHandler handler) {
    post([this, port, handler = std::move(handler)]() mutable {
        addUdpStep(port, std::move(handler));
    });
}

void NetServer::addTcpStep(uint16_t port, TcpHandler handler) {
    if (std::any_of(m_tcp.begin(), m_tcp.end(),
                    [port](const TcpServerEntry& e) { return e.active && e.port == port; }))
        return;
    auto server = owned(new QTcpServer);
    m_tcp.push_back({server, std::make_shared<const TcpHandler>(std::move(handler)), port, true});
    const size_t i = m_tcp.size() - 1;
    connect(server.get(), &QTcpServer::newConnection, server.get(),
            [this, i] { connectionStep(i); });
    if (!server->listen(QHostAddress::Any, port)) {
        Log("NetServer TCP: listen on port %hu failed: %s", port,
            server->errorString().toStdString().c_str());
        m_tcp[i] = {};
    }
}

void NetServer::addUdpStep(uint16_t port, UdpHandler handler) {
    if (std::any_of(m_udp.begin(), m_udp.end(),
                    [port](const UdpServerEntry& e) { return e.active && e.port == port; }))
        return;
    auto socket = owned(new QUdpSocket);
    m_udp.push_back({socket, std::make_shared<const UdpHandler>(std::move(handler)), port, true});
    const size_t i = m_udp.size() - 1;
    connect(socket.get(), &QUdpSocket::readyRead, socket.get(), [this, i] { datagramStep(i); });
    if (!socket->bind(QHostAddress::Any, port)) {
        Log("NetServer UDP: bind failed: %s", errorText(*socket).c_str());
        m_udp[i] = {};
    }
}

void NetServer::connectionStep(size_t i) {
    const SignalScope scope(m_inSignal);
    QTcpServer* const server = m_tcp[i].server.get();
    if (!server)
        return;
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, server, [this, i, socket] { dataStep(i, socket); });
        // A peer that hangs up leaves nothing behind; deferred, so that it never happens under
        // a running handler.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

template <class T>
std::shared_ptr<T> NetServer::owned(T* object) {
    return std::shared_ptr<T>(object, [this](T* o) {
        // Inside a signal of the object (a handler that removes its own port) it may only be
        // deleted later; elsewhere at once, so that its socket and its notifier are gone before
        // the next step binds the port again.
        if (m_inSignal) {
            o->close();
            o->deleteLater();
        } else {
            delete o;
        }
    });
}

void NetServer::dataStep(size_t i, QTcpSocket* socket) {
    if (m_inHandler || !m_tcp[i].handler)
        return;
    // Held for the call: the handler may remove its own port.
    const std::shared_ptr<const TcpHandler> handler = m_tcp[i].handler;
    const SignalScope scope(m_inSignal);
    m_inHandler = true;
    {
        Stream stream(socket, m_handlerDeadlineMs);
        guarded("TCP", [&] { (*handler)(&stream); });
    }
    m_inHandler = false;
    if (socket->bytesToWrite() > kMaxUnsentBytes) {
        Log("NetServer TCP: closing a connection that does not read its replies (%lld bytes)",
            static_cast<long long>(socket->bytesToWrite()));
        socket->abort();
        socket->deleteLater();
    }
}

void NetServer::datagramStep(size_t i) {
    const SignalScope scope(m_inSignal);
    while (m_udp[i].socket && m_udp[i].socket->hasPendingDatagrams()) {
        const std::shared_ptr<QUdpSocket> socket = m_udp[i].socket;
        const std::shared_ptr<const UdpHandler> handler = m_udp[i].handler;
        const int64_t size = socket->pendingDatagramSize();
        if (size < 1) {
            // Read and dropped all the same: a datagram left unread stops the socket from
            // delivering any later one.
            if (size < 0)
                Log("NetServer UDP: pendingDatagramSize() failed: %s", errorText(*socket).c_str());
            char none;
            socket->readDatagram(&none, 0);
            continue;
        }
        CBytes bytes(size_t(size), 0);
        QHostAddress sender;
        quint16 senderPort = 0;
        const int64_t read =
            socket->readDatagram(reinterpret_cast<char*>(bytes.data()), size, &sender, &senderPort);
        if (read != size) {
            Log("NetServer UDP: readDatagram() failed: %s", errorText(*socket).c_str());
            continue;
        }
        std::string reply;
        guarded("UDP", [&] { reply = (*handler)(bytes); });
        if (!reply.empty())
            socket->writeDatagram(reply.data(), qint64(reply.size()), sender, senderPort);
    }
}

void NetServer::removeTcpServer(uint16_t port) {
    post([this, port] {
        for (TcpServerEntry& e : m_tcp)
            if (e.active && e.port == port) {
                e = {};
                return;
            }
    });
}

void NetServer::removeUdpServer(uint16_t port) {
    post([this, port] {
        for (UdpServerEntry& e : m_udp)
            if (e.active && e.port == port) {
                e = {};
                return;
            }
    });
}

void NetServer::teardownStep() {
    while (!m_tcp.empty())
        m_tcp.pop_back();
    while (!m_udp.empty())
        m_udp.pop_back();
    m_thread->quit();
}

} // namespace Ko
