#include "app/urldelivery.h"

#include "base/log.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>
#include <vector>

namespace Ko {

UrlDelivery::UrlDelivery(const QString& dataFolder, const QString& scheme)
    : m_name(socketName(dataFolder)), m_scheme(scheme) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &UrlDelivery::takeConnection);
}

// A start that hears its request dropped claims the name at once. Told while the closing server
// has yet to remove its socket file, it could claim the name just before that removal takes it
// away again, and run where no later start finds it. So the waiting connections, also those not
// accepted yet, are held apart from the server until it has let the name go.
UrlDelivery::~UrlDelivery() {
    m_stopped = true;
    std::vector<std::unique_ptr<QLocalSocket>> waiting;
    const auto holdApart = [&waiting](QLocalSocket* socket) {
        socket->setParent(nullptr);
        waiting.emplace_back(socket);
    };
    for (QLocalSocket* socket : m_server.findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly))
        holdApart(socket);
    while (m_server.hasPendingConnections() || m_server.waitForNewConnection(0)) {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            holdApart(socket);
    }
    m_server.close();
}

QString UrlDelivery::socketName(const QString& dataFolder) {
    const QByteArray folder = QDir::cleanPath(QDir(dataFolder).absolutePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("quorvel-url-") + QString::fromLatin1(hash.left(16));
}

QStringList UrlDelivery::urlsOfScheme(const QStringList& arguments, const QString& scheme) {
    QStringList urls;
    for (const QString& argument : arguments) {
        const QUrl url(argument, QUrl::TolerantMode);
        if (url.isValid() && url.scheme().compare(scheme, Qt::CaseInsensitive) == 0)
            urls << argument;
    }
    return urls;
}

bool UrlDelivery::forward(const QStringList& urls) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kForwardTimeoutMs))
        return false;
    if (urls.isEmpty())
        socket.write("\n");
    for (const QString& url : urls)
        socket.write(url.toUtf8() + '\n');
    if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(kForwardTimeoutMs))
        return false;
    // An instance that carries requests out answers at once. One on its way out no longer reads
    // them and drops the connection unanswered when it lets the name go, which it does once it
    // has written everything: this start then runs by itself instead of ending without a window.
    // Written and still connected (an instance too busy to answer) means in the receiver's socket
    // buffer, which it reads even after this end closes.
    if (!socket.waitForReadyRead(kForwardTimeoutMs) &&
        socket.state() != QLocalSocket::ConnectedState)
        return false;
    socket.disconnectFromServer();
    return true;
}

bool UrlDelivery::answers(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(kForwardTimeoutMs);
}

bool UrlDelivery::listen() {
    // Asked first, not after a failed listen: a server with access options binds a socket file of
    // its own and renames it over the name, so its listen succeeds even while a running instance
    // answers there, and would take the name, and every later URL, from it.
    if (answers(m_name))
        return false;
    if (!m_server.listen(m_name)) {
        if (m_server.serverError() != QAbstractSocket::AddressInUseError)
            return false;
        // The socket file of an instance that crashed: nothing answered on it above.
        QLocalServer::removeServer(m_name);
        if (!m_server.listen(m_name))
            return false;
        Log("UrlDelivery: took over the socket of an instance that ended without closing it");
    }
    return true;
}

void UrlDelivery::open() {
    if (m_server.isListening())
        Log("UrlDelivery: listening on %s", qPrintable(m_name));
    // Once the event loop runs, as everything that arrives later, and before it.
    QTimer::singleShot(0, this, [this] {
        m_open = true;
        carryOut(std::exchange(m_waitingUrls, {}), std::exchange(m_activationWaiting, false));
    });
}

void UrlDelivery::carryOut(const QStringList& urls, bool activate) {
    if (!m_open) {
        m_waitingUrls << urls;
        m_activationWaiting = m_activationWaiting || activate;
        return;
    }
    if (activate) {
        Log("UrlDelivery: another start asks for the window");
        emit activationRequested();
    }
    deliver(urls);
}

void UrlDelivery::deliver(const QStringList& urls) const {
    for (const QString& url : urlsOfScheme(urls, m_scheme))
        QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void UrlDelivery::stopTaking() {
    m_stopped = true;
}

void UrlDelivery::takeConnection() {
    if (m_stopped)
        return;
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (m_stopped)
                return;
            // One request per line; a partial line waits for its end, but not beyond the limit.
            QStringList urls;
            bool activate = false;
            while (socket->canReadLine()) {
                const QString line = QString::fromUtf8(socket->readLine()).trimmed();
                if (line.isEmpty())
                    activate = true;
                else
                    urls << line;
            }
            if (socket->bytesAvailable() > kMaxForwardBytes) {
                socket->abort();
            } else if (!urls.isEmpty() || activate) {
                // Taken: the start that sent them may end.
                socket->write("\n");
            }
            carryOut(urls, activate);
        });
    }
}

} // namespace Ko
