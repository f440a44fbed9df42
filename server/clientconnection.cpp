#include "server/clientconnection.h"

#include "base/backgroundwork.h"
#include "base/log.h"

#include <QMetaObject>
#include <QTcpSocket>

namespace Ko {

namespace {
// Bounds what one arrival may bring into memory; Qt reads the rest from the system later.
constexpr qint64 kReadBufferBytes = 64 * 1024;
// What the system may hold of a client's unread replies before they count against the bound;
// left to itself it would take megabytes first.
constexpr int kSystemSendBufferBytes = 64 * 1024;
} // namespace

ClientConnection::ClientConnection(QObject* context, QTcpSocket* socket)
    : m_context(context), m_socket(socket), m_handover(std::make_shared<Handover>(socket)) {
    socket->setReadBufferSize(kReadBufferBytes);
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, kSystemSendBufferBytes);
}

void ClientConnection::watch(std::function<void()> onArrival, std::function<void()> onGone) {
    QTcpSocket* socket = m_socket.data();
    QObject::connect(socket, &QTcpSocket::readyRead, m_context, std::move(onArrival));
    QObject::connect(socket, &QTcpSocket::disconnected, m_context,
                     [this, socket, onGone = std::move(onGone)] {
                         m_closed = true;
                         onGone();
                         socket->deleteLater();
                     });
}

bool ClientConnection::readArrived() {
    if (!m_socket)
        return false;
    pending.append(m_socket->readAll());
    return true;
}

void ClientConnection::send(QByteArray bytes) {
    // The connection object travels with the bytes, so it outlives the hand-over even when the
    // server drops it meanwhile; the guarded socket tells whether anyone is left to receive them.
    m_handover->post([self = shared_from_this(), bytes = std::move(bytes)] { self->write(bytes); });
}

void ClientConnection::write(const QByteArray& bytes) {
    if (!isOpen())
        return;
    m_socket->write(bytes);
    if (m_socket->bytesToWrite() > kMaxUnsentBytes)
        close("does not read its replies");
}

bool ClientConnection::jobQueued() {
    if (m_queuedJobs.fetch_add(1) + 1 > kMaxQueuedJobs) {
        m_queuedJobs.fetch_sub(1);
        close("has too many commands queued");
        return false;
    }
    return true;
}

void ClientConnection::jobDone() {
    m_queuedJobs.fetch_sub(1);
}

bool ClientConnection::isOpen() const {
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ClientConnection::close(const char* why) {
    if (!isOpen())
        return;
    Log("planetarium client %s:%u %s: closed", qPrintable(m_socket->peerAddress().toString()),
        unsigned(m_socket->peerPort()), why);
    m_closed = true;
    m_socket->abort();
}

} // namespace Ko
