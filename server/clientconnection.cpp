#include "server/clientconnection.h"

#include "base/backgroundwork.h"
#include "base/log.h"
#include "server/peerreset.h"

#include <QHostAddress>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace Ko {

namespace {
// What the system may hold of a client's unread replies before they count against the bounds;
// left to itself it would take megabytes first.
constexpr int kSystemSendBufferBytes = 64 * 1024;
// Unsent bytes before this offset have left; past it the buffer is compacted.
constexpr qsizetype kCompactAfter = 64 * 1024;

QString peerOf(int fd) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return QStringLiteral("(unknown)");
    QHostAddress host(reinterpret_cast<const sockaddr*>(&address));
    quint16 port = 0;
    if (address.ss_family == AF_INET)
        port = ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
    else if (address.ss_family == AF_INET6)
        port = ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return host.toString() + ':' + QString::number(port);
}
} // namespace

ClientSocket::ClientSocket(qintptr descriptor, QObject* parent)
    : QObject(parent), m_fd(int(descriptor)), m_peer(peerOf(m_fd)) {
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_fd, F_SETFD, FD_CLOEXEC);
    // Replies are gathered into few writes already; each should leave at once.
    const int one = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    ::setsockopt(m_fd, SOL_SOCKET, SO_SNDBUF, &kSystemSendBufferBytes,
                 sizeof kSystemSendBufferBytes);
    m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    m_writeNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &ClientSocket::readable);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &ClientSocket::sendSome);
}

ClientSocket::~ClientSocket() {
    if (m_fd >= 0)
        ::close(m_fd);
}

ClientSocket::Read ClientSocket::readInto(QByteArray& into, qsizetype max) {
    if (m_fd < 0)
        return Read::Gone;
    if (m_inputEnded)
        return Read::Ended;
    const qsizetype old = into.size();
    into.resize(old + max);
    ssize_t n = 0;
    do
        n = ::recv(m_fd, into.data() + old, size_t(max), 0);
    while (n < 0 && errno == EINTR);
    const int error = errno;
    into.resize(old + std::max<qsizetype>(n, 0));
    if (n > 0)
        return Read::Bytes;
    if (n == 0) {
        // Readable for ever from now on: the notifier would fire without end.
        m_readNotifier->setEnabled(false);
        m_inputEnded = true;
        return Read::Ended;
    }
    if (error == EAGAIN || error == EWOULDBLOCK)
        return Read::Nothing;
    closeNow();
    return Read::Gone;
}

void ClientSocket::setReading(bool on) {
    if (m_fd >= 0 && !m_inputEnded)
        m_readNotifier->setEnabled(on);
}

void ClientSocket::write(const QByteArray& bytes) {
    if (m_fd < 0 || bytes.isEmpty())
        return;
    m_out.append(bytes);
    if (!m_writeNotifier->isEnabled())
        sendSome();
}

void ClientSocket::sendSome() {
    qint64 sent = 0;
    while (m_fd >= 0 && bytesToWrite() > 0) {
        const ssize_t n =
            ::send(m_fd, m_out.constData() + m_outStart, size_t(bytesToWrite()), MSG_NOSIGNAL);
        if (n > 0) {
            m_outStart += n;
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // The peer has gone: what it did not take is lost with it.
        closeNow();
        return;
    }
    if (bytesToWrite() == 0) {
        m_out.clear();
        m_outStart = 0;
    } else if (m_outStart > kCompactAfter) {
        m_out.remove(0, m_outStart);
        m_outStart = 0;
    }
    m_writeNotifier->setEnabled(bytesToWrite() > 0);
    if (sent > 0)
        emit written(sent);
    if (m_fd >= 0 && m_closeWhenSent && bytesToWrite() == 0)
        closeNow();
}

void ClientSocket::abort() {
    closeNow();
}

void ClientSocket::closeIfReset() {
    if (m_fd >= 0 && peerHasReset(m_fd))
        closeNow();
}

void ClientSocket::closeWhenSent() {
    m_closeWhenSent = true;
    if (bytesToWrite() == 0)
        closeNow();
}

void ClientSocket::closeNow() {
    if (m_fd < 0)
        return;
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    ::close(m_fd);
    m_fd = -1;
    m_out.clear();
    m_outStart = 0;
    emit closed();
}

struct WriteBatch::State {
    std::mutex mutex;
    // Guarded by mutex.
    std::vector<std::shared_ptr<ClientConnection>> waiting;
    bool posted = false;
};

WriteBatch::WriteBatch(QObject* receiver)
    : m_state(std::make_shared<State>()), m_handover(std::make_unique<Handover>(receiver)) {}

WriteBatch::~WriteBatch() = default;

void WriteBatch::add(std::shared_ptr<ClientConnection> connection) {
    {
        std::lock_guard lock(m_state->mutex);
        m_state->waiting.push_back(std::move(connection));
        if (std::exchange(m_state->posted, true))
            return;
    }
    // The state travels with the call: it runs even when this object has gone meanwhile.
    m_handover->post([state = m_state] {
        std::vector<std::shared_ptr<ClientConnection>> waiting;
        {
            std::lock_guard lock(state->mutex);
            waiting.swap(state->waiting);
            state->posted = false;
        }
        for (const auto& connection : waiting)
            connection->flush();
    });
}

ClientConnection::ClientConnection(QObject* context, ClientSocket* socket,
                                   const std::shared_ptr<WriteBatch>& batch)
    : m_context(context), m_socket(socket), m_batch(batch) {}

void ClientConnection::watch(Watchers watchers) {
    ClientSocket* socket = m_socket.data();
    m_drained = std::move(watchers.drained);
    m_stallTimer = new QTimer(socket);
    m_stallTimer->setSingleShot(true);
    QObject::connect(m_stallTimer, &QTimer::timeout, m_context,
                     [this] { close("does not read its replies"); });
    QObject::connect(socket, &ClientSocket::readable, m_context, std::move(watchers.arrival));
    QObject::connect(socket, &ClientSocket::written, m_context, [this](qint64 n) {
        m_unsent -= n;
        checkUnsent();
    });
    QObject::connect(socket, &ClientSocket::closed, m_context,
                     [this, socket, gone = std::move(watchers.gone)] {
                         m_closed = true;
                         // It may hold what holds this connection.
                         m_drained = nullptr;
                         gone();
                         socket->deleteLater();
                     });
}

ClientSocket::Read ClientConnection::readArrived() {
    if (!m_socket)
        return ClientSocket::Read::Gone;
    const qsizetype room = kMaxPendingBytes - pending.size();
    if (room <= 0)
        return ClientSocket::Read::Nothing;
    return m_socket->readInto(pending, room);
}

void ClientConnection::pauseReading() {
    if (m_socket)
        m_socket->setReading(false);
}

void ClientConnection::resumeReading() {
    if (m_socket)
        m_socket->setReading(true);
}

void ClientConnection::send(QByteArray bytes) {
    bool post = false;
    {
        std::lock_guard lock(m_outMutex);
        m_unsent += bytes.size();
        m_gathered.append(bytes);
        post = !std::exchange(m_flushPosted, true);
    }
    if (post)
        postFlush();
}

void ClientConnection::postFlush() {
    // The connection object travels with the call, so it outlives the hand-over even when the
    // server drops it meanwhile; the guarded socket tells whether anyone is left to receive.
    if (const auto batch = m_batch.lock())
        batch->add(shared_from_this());
}

void ClientConnection::finish() {
    bool post = false;
    {
        std::lock_guard lock(m_outMutex);
        m_finishing = true;
        post = !std::exchange(m_flushPosted, true);
    }
    if (post)
        postFlush();
}

void ClientConnection::flush() {
    QByteArray bytes;
    bool finishing = false;
    {
        std::lock_guard lock(m_outMutex);
        bytes.swap(m_gathered);
        finishing = m_finishing;
        m_flushPosted = false;
    }
    if (!isOpen()) {
        m_unsent -= bytes.size();
        return;
    }
    // What the system takes at once is counted off through written().
    m_socket->write(bytes);
    if (!m_socket)
        return;
    if (finishing)
        m_socket->closeWhenSent();
    checkUnsent();
}

void ClientConnection::checkUnsent() {
    if (!isOpen())
        return;
    if (m_socket->bytesToWrite() > kMaxUnsentBytes) {
        close("does not read its replies");
        return;
    }
    if (m_unsent > kStallBytes) {
        if (m_stallTimer && !m_stallTimer->isActive())
            m_stallTimer->start(m_stallLimit);
        return;
    }
    if (m_stallTimer)
        m_stallTimer->stop();
    if (m_drained)
        m_drained();
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
    return m_socket && m_socket->isOpen();
}

void ClientConnection::close(const char* why) {
    if (!isOpen())
        return;
    Log("planetarium client %s %s: closed", qPrintable(m_socket->peer()), why);
    m_closed = true;
    m_socket->abort();
}

} // namespace Ko
