#include "server/netserver.h"

#include "base/log.h"
#include "server/peerreset.h"
#include "server/qthreadposter.h"
#include "server/tcplistener.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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

// An accepted connection's socket, unbuffered: Qt reads nothing on its own, so received bytes wait
// with the kernel until the connection takes them, and the peer's end of sending, which Qt would
// take for the end of the whole connection and close the socket under answers still to be
// written, is seen only when the connection looks for it.
class NetServer::Socket : public QAbstractSocket {
public:
    explicit Socket(QObject* parent) : QAbstractSocket(TcpSocket, parent) {}
    // After a read notification that brought nothing to read, asks for the next one; until a
    // read, the socket would report no further arrival.
    void rearm() { readData(nullptr, 0); }
    // The connection has failed under the socket without a word. When a direct write fails (the
    // peer has reset the connection), Qt closes the descriptor and its notifiers and only records
    // the error: the socket still reads as connected, and no signal ever comes. A failed direct
    // read drops the descriptor as quietly and leaves the socket unconnected.
    bool failed() const { return state() == UnconnectedState || !isValid(); }
};

// What one connection has received and not yet handed over, its awaited request and its timers.
// A child of its socket, so it goes with it.
class NetServer::Connection : public QObject {
    Q_OBJECT
public:
    Connection(Socket* socket, const Limits& limits) : QObject(socket), socket(socket) {
        idle.setSingleShot(true);
        idle.setInterval(limits.idleMs);
        stall.setSingleShot(true);
    }

    // The bytes this connection may hold now: more while a request that needs more is awaited.
    int64_t bound(const Limits& limits) const {
        return awaitTotal > 0 ? std::clamp(awaitTotal, limits.heldBytes, limits.maxRequestBytes)
                              : limits.heldBytes;
    }

    Socket* const socket;
    QByteArray held;
    // The bytes the awaited request needs; 0 while no request is awaited.
    int64_t awaitTotal = 0;
    // When the awaited request was first awaited, the time it was granted beyond the core's
    // request time, and so when it is handed over as it stands.
    int64_t awaitSinceMs = 0;
    int64_t extraMs = 0;
    QDeadlineTimer deadline;
    QTimer idle;
    // Runs while a request is awaited: the peer's pause or the request's deadline, the sooner.
    QTimer stall;
    bool pullPosted = false;
    // The peer has sent all it will: what the connection holds is handed over, and then it
    // closes.
    bool peerEnded = false;
    // Over: no longer counted, and nothing more is done for it.
    bool closed = false;
};

class NetServer::Stream : public INetServer::IStream {
public:
    Stream(Connection& connection, bool ended) : m_connection(connection), m_ended(ended) {}

    int64_t peek(void* buffer, int64_t maxLen) override {
        const int64_t n = std::clamp<int64_t>(maxLen, 0, m_connection.held.size());
        if (n > 0)
            std::memcpy(buffer, m_connection.held.constData(), size_t(n));
        return n;
    }

    int64_t bytesAvailable() override { return m_connection.held.size(); }

    int64_t skip(int64_t n) override {
        n = std::clamp<int64_t>(n, 0, m_connection.held.size());
        m_connection.held.remove(0, qsizetype(n));
        return n;
    }

    int64_t write(const void* data, int64_t len) override {
        return m_connection.socket->write(static_cast<const char*>(data), len);
    }

    void awaitBytes(int64_t total, int64_t extraMs) override {
        if (m_ended)
            return;
        m_awaitTotal = total;
        m_extraMs = std::max<int64_t>(0, extraMs);
    }

    bool ended() const override { return m_ended; }

    int64_t awaitTotal() const { return m_awaitTotal; }
    int64_t extraMs() const { return m_extraMs; }

private:
    Connection& m_connection;
    const bool m_ended;
    int64_t m_awaitTotal = 0;
    int64_t m_extraMs = 0;
};

NetServer::NetServer() : NetServer(Limits()) {}

NetServer::NetServer(Limits limits) : m_limits(limits), m_thread(new QThread) {
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

template <class T>
T NetServer::diagnostic(std::function<T()> count) {
    std::promise<T> counted;
    std::future<T> result = counted.get_future();
    post([&counted, &count] { counted.set_value(count()); });
    return result.get();
}

size_t NetServer::openConnections() {
    return diagnostic<size_t>([this] {
        size_t n = 0;
        for (const TcpServerEntry& e : m_tcp)
            if (e.server)
                n += size_t(e.server->findChildren<Connection*>().size());
        return n;
    });
}

int64_t NetServer::heldBytes() {
    return diagnostic<int64_t>([this] {
        int64_t n = 0;
        for (const TcpServerEntry& e : m_tcp)
            if (e.server)
                for (const Connection* c : e.server->findChildren<Connection*>())
                    n += c->held.size() + c->socket->bytesAvailable();
        return n;
    });
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

uint16_t NetServer::addOnFreePort(TcpHandler tcpHandler, UdpHandler udpHandler) {
    return diagnostic<uint16_t>([&] {
        for (int attempt = 0; attempt < kFreePortAttempts; ++attempt) {
            const uint16_t port = addUdpStep(0, udpHandler);
            if (port == 0)
                return uint16_t{0};
            if (addTcpStep(port, tcpHandler))
                return port;
            removeUdpStep(port);
        }
        Log("NetServer: no port free for both TCP and UDP in %d attempts", kFreePortAttempts);
        return uint16_t{0};
    });
}

bool NetServer::addTcpStep(uint16_t port, TcpHandler handler) {
    if (std::any_of(m_tcp.begin(), m_tcp.end(),
                    [port](const TcpServerEntry& e) { return e.active && e.port == port; }))
        return false;
    const size_t i = m_tcp.size();
    auto server = owned(
        new TcpListener(nullptr, [this, i](qintptr descriptor) { acceptStep(i, descriptor); }));
    m_tcp.push_back({server, std::make_shared<const TcpHandler>(std::move(handler)), port, true,
                     false, std::make_shared<ResetWatch>()});
    if (!server->listen(QHostAddress::Any, port)) {
        Log("NetServer TCP: listen on port %hu failed: %s", port,
            server->errorString().toStdString().c_str());
        m_tcp[i] = {};
        return false;
    }
    return true;
}

uint16_t NetServer::addUdpStep(uint16_t port, UdpHandler handler) {
    if (port != 0 && std::any_of(m_udp.begin(), m_udp.end(), [port](const UdpServerEntry& e) {
            return e.active && e.port == port;
        }))
        return 0;
    auto socket = owned(new QUdpSocket);
    m_udp.push_back({socket, std::make_shared<const UdpHandler>(std::move(handler)), port, true});
    const size_t i = m_udp.size() - 1;
    connect(socket.get(), &QUdpSocket::readyRead, socket.get(), [this, i] { datagramStep(i); });
    if (!socket->bind(QHostAddress::Any, port)) {
        Log("NetServer UDP: bind failed: %s", errorText(*socket).c_str());
        m_udp[i] = {};
        return 0;
    }
    // Port 0 asked the system for one: the entry goes by the one it gave.
    m_udp[i].port = socket->localPort();
    return m_udp[i].port;
}

void NetServer::acceptStep(size_t i, qintptr descriptor) {
    const SignalScope scope(m_inSignal);
    if (!placeFree(i)) {
        if (!m_tcp[i].refusing)
            Log("NetServer TCP: port %hu holds %d connections; refusing more", m_tcp[i].port,
                m_limits.maxConnections);
        m_tcp[i].refusing = true;
        // Before any socket is made for it: at a full port a flood of newcomers costs no more
        // than their refusal.
        ::close(int(descriptor));
        return;
    }
    m_tcp[i].resets->add(descriptor);
    // A child of the listener, which counts its connections.
    auto* socket = new Socket(m_tcp[i].server.get());
    if (!socket->setSocketDescriptor(descriptor, QAbstractSocket::ConnectedState,
                                     QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        Log("NetServer TCP: cannot take a connection: %s", errorText(*socket).c_str());
        delete socket;
        // A socket that could not take the descriptor does not own it.
        ::close(int(descriptor));
        return;
    }
    connectionStep(i, socket);
}

bool NetServer::placeFree(size_t i) {
    QTcpServer* const server = m_tcp[i].server.get();
    // The connections the port holds, the newcomer not yet among them; one that has ended no
    // longer counts, though its socket is deleted only a moment later.
    if (server->findChildren<Connection*>().size() < m_limits.maxConnections)
        return true;
    if (!m_tcp[i].resets->anyReset())
        return false;
    // Clients that connected and reset in the same burst as this one hold places until the loop
    // reads each of them; they are gone already. Only now is each connection asked: a flood at a
    // port full of live clients would otherwise ask each of them per newcomer, on the thread that
    // also serves every request.
    for (Connection* connection : server->findChildren<Connection*>()) {
        if (peerHasReset(connection->socket->socketDescriptor()))
            closeStep(connection);
    }
    return server->findChildren<Connection*>().size() < m_limits.maxConnections;
}

void NetServer::connectionStep(size_t i, Socket* socket) {
    m_tcp[i].refusing = false;
    auto* connection = new Connection(socket, m_limits);
    connect(socket, &QAbstractSocket::readyRead, connection,
            [this, i, connection] { dataStep(i, connection); });
    connect(&connection->stall, &QTimer::timeout, connection,
            [this, i, connection] { serveStep(i, connection, true); });
    connect(&connection->idle, &QTimer::timeout, connection, [this, i, connection] {
        Log("NetServer TCP: closing a connection to port %hu that sent nothing for %d s",
            m_tcp[i].port, m_limits.idleMs / 1000);
        closeStep(connection);
    });
    // A peer that hangs up leaves nothing behind: what its connection held goes with it.
    connect(socket, &QAbstractSocket::disconnected, connection,
            [this, connection] { closeStep(connection); });
    // Qt closes the socket itself after most failures and says so with disconnected; where it
    // does not, the failure is caught where the socket is used, and here when it is reported.
    connect(socket, &QAbstractSocket::errorOccurred, connection, [this, connection] {
        if (connection->socket->failed())
            closeStep(connection);
    });
    connection->idle.start();
}

void NetServer::closeStep(Connection* connection) {
    if (connection->closed)
        return;
    connection->closed = true;
    connection->idle.stop();
    connection->stall.stop();
    Socket* const socket = connection->socket;
    // Out of the listener's children, which are the port's count: the place is free now, not
    // at the deferred deletion, which a burst of new connections may come before.
    socket->setParent(nullptr);
    socket->abort();
    // Deferred, so that it never happens under a running handler or inside the socket's own
    // signal; the thread's end deletes what is still deferred then.
    socket->deleteLater();
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

void NetServer::dataStep(size_t i, Connection* connection) {
    connection->pullPosted = false;
    if (connection->closed || connection->peerEnded)
        return;
    Socket* const socket = connection->socket;
    if (socket->failed()) {
        closeStep(connection);
        return;
    }
    const int64_t available = socket->bytesAvailable();
    if (available <= 0) {
        endStep(i, connection);
        return;
    }
    const int64_t room = connection->bound(m_limits) - connection->held.size();
    const int64_t n = std::min<int64_t>(room, available);
    if (n <= 0)
        return;
    const qsizetype before = connection->held.size();
    connection->held.resize(before + qsizetype(n));
    const int64_t got = socket->read(connection->held.data() + before, n);
    connection->held.resize(before + qsizetype(std::max<int64_t>(got, 0)));
    if (socket->failed()) {
        closeStep(connection);
        return;
    }
    if (got <= 0)
        return;
    connection->idle.start();
    if (connection->awaitTotal > 0 && connection->held.size() < connection->awaitTotal) {
        const int64_t left = connection->deadline.remainingTime();
        if (left != 0) {
            connection->stall.start(int(std::min<int64_t>(m_limits.waitMs, left)));
            return;
        }
        serveStep(i, connection, true);
        return;
    }
    serveStep(i, connection, false);
}

void NetServer::endStep(size_t i, Connection* connection) {
    // A read notification with nothing to read: the peer has ended its sending, the connection
    // has failed, or nothing happened at all.
    Socket* const socket = connection->socket;
    char byte = 0;
    const auto peeked = ::recv(int(socket->socketDescriptor()), &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked > 0) {
        dataStep(i, connection);
        return;
    }
    if (peeked < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
            socket->rearm();
            return;
        }
        closeStep(connection);
        return;
    }
    // Every request that came before the end is served, the one awaiting more bytes too, which
    // will get no more.
    connection->peerEnded = true;
    serveStep(i, connection, true);
}

void NetServer::serveStep(size_t i, Connection* connection, bool ended) {
    if (connection->closed)
        return;
    connection->stall.stop();
    Socket* const socket = connection->socket;
    if (connection->peerEnded && (connection->held.isEmpty() || !m_tcp[i].handler)) {
        // Closes once the answers are written.
        socket->disconnectFromHost();
        return;
    }
    if (!m_tcp[i].handler)
        return;
    // Held for the call: the handler may remove its own port.
    const std::shared_ptr<const TcpHandler> handler = m_tcp[i].handler;
    const qsizetype heldBefore = connection->held.size();
    {
        const SignalScope scope(m_inSignal);
        Stream stream(*connection, ended);
        guarded("TCP", [&] { (*handler)(&stream); });
        awaitStep(*connection, stream);
    }
    // A reply whose write failed: the peer has gone, and nothing will say so later.
    if (socket->failed()) {
        closeStep(connection);
        return;
    }
    if (socket->bytesToWrite() > kMaxUnsentBytes) {
        Log("NetServer TCP: closing a connection that does not read its replies (%lld bytes)",
            static_cast<long long>(socket->bytesToWrite()));
        closeStep(connection);
        return;
    }
    if (connection->peerEnded) {
        // The next request in its own turn, after whatever else is due; what a handler leaves
        // untouched it will never take, and goes unanswered.
        if (connection->held.size() == heldBefore)
            connection->held.clear();
        QMetaObject::invokeMethod(
            connection, [this, i, connection] { serveStep(i, connection, true); },
            Qt::QueuedConnection);
        return;
    }
    // Bytes that the bound kept in the socket are a delivery of their own, after whatever else
    // is due: a client that sends fast is served in turn with the others.
    if (!connection->pullPosted && socket->bytesAvailable() > 0 &&
        connection->held.size() < connection->bound(m_limits)) {
        connection->pullPosted = true;
        QMetaObject::invokeMethod(
            connection, [this, i, connection] { dataStep(i, connection); }, Qt::QueuedConnection);
    }
}

void NetServer::awaitStep(Connection& connection, const Stream& stream) {
    if (stream.awaitTotal() > connection.held.size()) {
        // The request's time runs from its first await; a later await may only lengthen it.
        if (connection.awaitTotal == 0) {
            connection.awaitSinceMs = QDeadlineTimer::current().deadline();
            connection.extraMs = 0;
        }
        connection.extraMs = std::max(connection.extraMs, stream.extraMs());
        connection.deadline.setDeadline(connection.awaitSinceMs + m_limits.requestDeadlineMs +
                                        connection.extraMs);
        connection.awaitTotal = stream.awaitTotal();
        connection.stall.start(
            int(std::min<int64_t>(m_limits.waitMs, connection.deadline.remainingTime())));
    } else {
        connection.awaitTotal = 0;
        // What an upload needed goes back once it is handed over.
        if (connection.held.capacity() > 2 * m_limits.heldBytes)
            connection.held.squeeze();
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
    post([this, port] { removeUdpStep(port); });
}

void NetServer::removeUdpStep(uint16_t port) {
    for (UdpServerEntry& e : m_udp)
        if (e.active && e.port == port) {
            e = {};
            return;
        }
}

void NetServer::teardownStep() {
    while (!m_tcp.empty())
        m_tcp.pop_back();
    while (!m_udp.empty())
        m_udp.pop_back();
    m_thread->quit();
}

} // namespace Ko

#include "netserver.moc"
