#include "app/urldelivery.h"

#include "base/log.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace Ko {

namespace {

// How long a start waits for the folder when nobody took its request: the holder is within
// moments of letting the folder go, or of listening after it took it.
constexpr std::chrono::milliseconds kFolderWait{300};

// Marks a connection whose start was told that its request was taken.
constexpr char kAnswered[] = "answered";

std::chrono::milliseconds remaining(const QDeadlineTimer& deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline.remainingTimeAsDuration());
}

int waitMs(const QDeadlineTimer& deadline) {
    return int(remaining(deadline).count());
}

} // namespace

UrlDelivery::UrlDelivery(const QString& dataFolder, const QString& scheme)
    : m_name(socketName(dataFolder)), m_scheme(scheme), m_folder(dataFolder), m_server(this) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &UrlDelivery::takeConnection);
}

// A start that hears its request dropped takes the folder at once. So the waiting connections,
// also those not accepted yet, are held apart from the server until it has let the name go and
// the folder is free: dropped before, they would find it still held and have to wait for it.
UrlDelivery::~UrlDelivery() {
    m_stopped = true;
    std::vector<std::unique_ptr<QLocalSocket>> waiting;
    const auto holdApart = [&waiting](QLocalSocket* socket) {
        socket->setParent(nullptr);
        waiting.emplace_back(socket);
    };
    disconnect(&m_server, nullptr, this, nullptr);
    while (m_server.hasPendingConnections() || m_server.waitForNewConnection(0)) {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            holdApart(socket);
    }
    for (QLocalSocket* socket : m_server.findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly))
        holdApart(socket);
    const auto unanswered = std::count_if(waiting.cbegin(), waiting.cend(), [](const auto& s) {
        return !s->property(kAnswered).toBool();
    });
    if (unanswered > 0)
        Log("UrlDelivery: starts that waited for this instance to end: %d", int(unanswered));
    // Removes the socket file, which only the holder of the folder ever binds.
    m_server.close();
    m_folder.release();
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

UrlDelivery::Start UrlDelivery::claimOrHandOver(const QStringList& urls,
                                                std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    DataFolderLock::Take take = m_folder.tryTake();
    while (take == DataFolderLock::Take::HeldElsewhere) {
        switch (offer(urls, deadline)) {
        case Offer::Taken:
            return Start::HandedOver;
        case Offer::Unanswered:
            return Start::GaveUp;
        case Offer::NotTaken:
            break;
        }
        // Dropped unanswered: the holder has just let the folder go. Nobody listening: the
        // holder has taken the folder and is about to listen, or has closed and is about to let
        // the folder go.
        take = m_folder.take(std::min(kFolderWait, remaining(deadline)));
        if (take == DataFolderLock::Take::HeldElsewhere && deadline.hasExpired())
            return Start::GaveUp;
    }
    if (take == DataFolderLock::Take::Unavailable) {
        // Without a lock file nothing can be told about other instances; running beats not
        // starting, and the settings cannot be written there either.
        Log("UrlDelivery: cannot lock the data folder (%s); running without the claim",
            qPrintable(m_folder.filePath()));
    } else if (m_folder.tookOverStaleLock()) {
        Log("UrlDelivery: took over the data folder from an instance that ended without "
            "releasing it");
    }
    listenHoldingFolder();
    return Start::Run;
}

bool UrlDelivery::forward(const QStringList& urls, std::chrono::milliseconds limit) const {
    return offer(urls, QDeadlineTimer(limit)) == Offer::Taken;
}

UrlDelivery::Offer UrlDelivery::offer(const QStringList& urls,
                                      const QDeadlineTimer& deadline) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(waitMs(deadline)))
        return deadline.hasExpired() ? Offer::Unanswered : Offer::NotTaken;
    QByteArray request;
    for (const QString& url : urls) {
        // The holder would drop the whole connection for it, and the start would offer it again
        // until its time is up.
        const QByteArray line = url.toUtf8() + '\n';
        if (line.size() < kMaxForwardBytes)
            request += line;
    }
    socket.write(request.isEmpty() ? QByteArray("\n") : request);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(waitMs(deadline)))
            return socket.state() == QLocalSocket::ConnectedState ? Offer::Unanswered
                                                                  : Offer::NotTaken;
    }
    // A holder that carries requests out answers as soon as its event loop runs. One on its way
    // out answers nothing and drops the connection once it has let the folder go. Silence is
    // neither: the holder is still busy starting or ending, and the request waits for it.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(waitMs(deadline)))
            return socket.state() == QLocalSocket::ConnectedState ? Offer::Unanswered
                                                                  : Offer::NotTaken;
    }
    socket.disconnectFromServer();
    return Offer::Taken;
}

bool UrlDelivery::listen() {
    switch (m_folder.tryTake()) {
    case DataFolderLock::Take::HeldElsewhere:
        return false;
    case DataFolderLock::Take::Unavailable:
    case DataFolderLock::Take::Taken:
        break;
    }
    return listenHoldingFolder();
}

bool UrlDelivery::listenHoldingFolder() {
    if (m_server.isListening())
        return true;
    // With the folder held, a socket file under the name is one that a holder left when it
    // crashed: listening binds a file of its own and renames it over that one.
    if (!m_server.listen(m_name)) {
        if (m_server.serverError() != QAbstractSocket::AddressInUseError) {
            Log("UrlDelivery: cannot listen on %s: %s", qPrintable(m_name),
                qPrintable(m_server.errorString()));
            return false;
        }
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
    if (activate || !urls.isEmpty())
        emit startArrived();
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
    if (m_stopped)
        return;
    m_stopped = true;
    Log("UrlDelivery: ending; later starts wait until this instance has let the data folder go");
    if (qEnvironmentVariableIsSet(kEndAwaitsAStartEnv) && !m_server.hasPendingConnections())
        m_server.waitForNewConnection(60000);
}

void UrlDelivery::takeConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        if (m_stopped) {
            // Kept unread until this object goes: the start runs once the folder is free.
            Log("UrlDelivery: a start waits until this instance has ended");
            continue;
        }
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
                socket->setProperty(kAnswered, true);
            }
            carryOut(urls, activate);
        });
    }
}

} // namespace Ko
