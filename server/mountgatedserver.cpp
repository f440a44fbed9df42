#include "server/mountgatedserver.h"

#include "base/log.h"
#include "mount/imountconnection.h"
#include "server/clientconnection.h"
#include "server/tcplistener.h"

#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <utility>

namespace Ko {

namespace {

// What the system holds of one client's unread input. Set on the listening socket, so that each
// connection has it from its handshake on: the window a connection offers cannot shrink later.
constexpr int kSystemReceiveBufferBytes = 64 * 1024;

} // namespace

MountGatedServer::MountGatedServer(std::shared_ptr<IMountConnection> mountConnection, uint16_t port,
                                   const char* name, int maxClients)
    : m_mountConnection(std::move(mountConnection)), m_port(port), m_name(name),
      m_maxClients(maxClients),
      m_mountSubscription(m_mountConnection, &IMountConnection::mountChanged) {
    connect(this, &MountGatedServer::mountEvent, this, &MountGatedServer::onMountEvent);
    m_mountSubscription.append([this] { emit mountEvent(); });
}

MountGatedServer::~MountGatedServer() {
    unsubscribe();
}

void MountGatedServer::unsubscribe() {
    m_mountSubscription.removeAll();
}

void MountGatedServer::onMountEvent() {
    if (m_mountConnection->sharedMount())
        start();
    else
        stop();
}

void MountGatedServer::start() {
    // A mount event queued before the end closed the port does not open it again.
    if (m_tcpServer || m_closedForEnd)
        return;
    auto* server =
        new TcpListener(this, [this](qintptr descriptor) { onNewConnection(descriptor); });
    if (!server->listen(QHostAddress::Any, m_port)) {
        Log("%s: cannot listen on port %u: %s", m_name, unsigned(m_port),
            qPrintable(server->errorString()));
        delete server;
        return;
    }
    ::setsockopt(int(server->socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &kSystemReceiveBufferBytes,
                 sizeof kSystemReceiveBufferBytes);
    m_tcpServer = server;
    Log("%s: listening on port %u", m_name, unsigned(listeningPort()));
}

void MountGatedServer::stop() {
    if (!m_tcpServer)
        return;
    m_tcpServer->close();
    // Each client hears of its end while the server still stands; deleting the server then
    // deletes them, its children.
    for (ClientSocket* socket : m_tcpServer->findChildren<ClientSocket*>())
        socket->abort();
    delete m_tcpServer;
    m_tcpServer = nullptr;
    Log("%s: closed", m_name);
}

void MountGatedServer::closeForEnd() {
    m_closedForEnd = true;
    unsubscribe();
    stop();
}

bool MountGatedServer::isListening() const {
    return m_tcpServer != nullptr;
}

uint16_t MountGatedServer::listeningPort() const {
    return m_tcpServer ? m_tcpServer->serverPort() : 0;
}

void MountGatedServer::onNewConnection(qintptr descriptor) {
    if (m_clientCount >= m_maxClients && m_resets.anyReset()) {
        // Clients that connected and reset in the same burst as this one hold places until the
        // loop reads each of them; they are gone already. Only then is each held client asked:
        // a flood at a port full of live clients would otherwise ask each of them per newcomer,
        // on the thread that also draws the window.
        for (ClientSocket* held : m_tcpServer->findChildren<ClientSocket*>())
            held->closeIfReset();
    }
    if (m_clientCount >= m_maxClients) {
        if (!m_refusalLogged)
            Log("%s: %d clients already, refusing more", m_name, m_clientCount);
        m_refusalLogged = true;
        ::close(int(descriptor));
        return;
    }
    ++m_clientCount;
    m_resets.add(descriptor);
    auto* socket = new ClientSocket(descriptor, m_tcpServer);
    // The place is free when the connection closes, not when its socket is deleted a moment
    // later; a socket deleted open (the server going) frees it then.
    auto release = [this, released = std::make_shared<bool>(false)] {
        if (std::exchange(*released, true))
            return;
        if (--m_clientCount < m_maxClients)
            m_refusalLogged = false;
    };
    connect(socket, &ClientSocket::closed, this, release);
    connect(socket, &QObject::destroyed, this, release);
    acceptClient(socket);
}

} // namespace Ko
