#include "app/urldelivery.h"

#include "base/log.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace Ko {

namespace {

// How long a start waits for the folder when nobody took its request: the holder is within
// moments of letting the folder go, or of listening after it took it.
constexpr std::chrono::milliseconds kFolderWait{300};

constexpr char kSocketPrefix[] = "quorvel-url-";
// The longest path a unix socket can be bound at, its ending zero left out.
constexpr qsizetype kMaxSocketPath = qsizetype(sizeof(sockaddr_un::sun_path)) - 1;

// Marks a connection whose start was told that its request was taken.
constexpr char kAnswered[] = "answered";
// What a holder answers: it has taken the request, or it is on its way out and the start waits
// for its end.
constexpr char kTakenLine[] = "\n";
constexpr char kEndingLine[] = "ending\n";

// Written past the socket's buffer, so that whether it reached the start is known at once: a
// start that has withdrawn can no longer be written to.
bool answer(qintptr fd, const char* line) {
    const size_t size = std::strlen(line);
    ssize_t sent = -1;
    do {
        sent = ::send(int(fd), line, size, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent == ssize_t(size);
}

std::chrono::milliseconds remaining(const QDeadlineTimer& deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline.remainingTimeAsDuration());
}

int waitMs(const QDeadlineTimer& deadline) {
    return int(remaining(deadline).count());
}

// A folder of this user's own in which nobody else has any of the permissions in denied: with
// kPrivate, nobody else can make, replace or remove an entry there, so no other user can take the
// hand-over's name, listen in its place or block it. A link is followed only where the session
// itself set the path.
constexpr mode_t kPrivate = 077;
// Nobody else may make entries, as in a home folder.
constexpr mode_t kOnlyOwnerWrites = 022;
bool ownFolderDenying(const QString& path, mode_t denied, bool followLink) {
    if (!QDir::isAbsolutePath(path))
        return false;
    const QByteArray encoded = QFile::encodeName(path);
    struct stat entry = {};
    if ((followLink ? ::stat(encoded.constData(), &entry) : ::lstat(encoded.constData(), &entry)) !=
        0)
        return false;
    return S_ISDIR(entry.st_mode) && entry.st_uid == ::geteuid() && (entry.st_mode & denied) == 0;
}

// A folder of this user's own for the hand-over, made private if it does not exist yet; one that
// exists and is not private (another user made it first) is left alone and not used.
bool ownFolder(const QString& path) {
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return ownFolderDenying(path, kPrivate, false);
}

// Room for the socket's name, and for the folder that the server binds it in before it moves it
// into place.
bool roomForSocket(const QString& folder) {
    return QFile::encodeName(folder).size() + 1 + qsizetype(std::strlen(kSocketPrefix)) + 16 <=
           kMaxSocketPath;
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
    if (m_endThread) {
        QThread* const home = QThread::currentThread();
        // Queued, and waited for here on a flag of its own: a blocking call would leave the end
        // thread reading this thread's stack after the call, unordered for a checker that cannot
        // see Qt's own wait.
        struct HandBack {
            std::mutex mutex;
            std::condition_variable done;
            bool back = false;
        };
        const auto handBack = std::make_shared<HandBack>();
        QMetaObject::invokeMethod(
            this,
            [this, home, handBack] {
                moveToThread(home);
                std::lock_guard lock(handBack->mutex);
                handBack->back = true;
                handBack->done.notify_all();
            },
            Qt::QueuedConnection);
        {
            std::unique_lock lock(handBack->mutex);
            handBack->done.wait(lock, [&] { return handBack->back; });
        }
        m_endThread->quit();
        m_endThread->wait();
    }
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

QString UrlDelivery::handOverFolder() {
    // The session's own, which the system makes for this user alone and empties at logout. One
    // set for another user (kept across sudo) or open to others is not used.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (ownFolderDenying(runtime, kPrivate, true) && roomForSocket(runtime))
        return QDir::cleanPath(runtime);
    // Outside a session: a folder of this user's own in the shared temporary folder, and if
    // another user has taken that name first, one in this user's home, which nobody else can
    // write in. The host is named there, as a home may be shared over the network.
    const QString uid = QString::number(::geteuid());
    const QString temporary = QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/quorvel-") + uid;
    if (roomForSocket(temporary) && ownFolder(temporary))
        return temporary;
    const QString home = QDir::homePath();
    if (ownFolderDenying(home, kOnlyOwnerWrites, true)) {
        const QString inHome = QDir::cleanPath(home) + QStringLiteral("/.quorvel-run-") +
                               QSysInfo::machineHostName() + '-' + uid;
        if (roomForSocket(inHome) && ownFolder(inHome))
            return inHome;
    }
    return {};
}

QString UrlDelivery::socketName(const QString& dataFolder) {
    const QString folder = handOverFolder();
    if (folder.isEmpty())
        return {};
    // The folder itself, not a path to it: every path (a link, a linked parent, a bind mount)
    // reaches the one program that holds its lock file.
    QByteArray identity;
    struct stat entry = {};
    if (::stat(QFile::encodeName(dataFolder).constData(), &entry) == 0) {
        identity = QByteArray::number(quint64(entry.st_dev)) + ':' +
                   QByteArray::number(quint64(entry.st_ino));
    } else {
        // No folder yet, so no lock file either: the path is all there is to go by.
        identity = QDir::cleanPath(QDir(dataFolder).absolutePath()).toUtf8();
    }
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex();
    return folder + '/' + QString::fromLatin1(kSocketPrefix) + QString::fromLatin1(hash.left(16));
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
                                                std::chrono::milliseconds limit,
                                                std::chrono::milliseconds unreachableAfter) {
    const QDeadlineTimer deadline(limit);
    DataFolderLock::Take take = m_folder.tryTake();
    QString elsewhere;
    // From the first look that found nobody listening for a holder on this machine, until one
    // listens again.
    QDeadlineTimer unreachable(QDeadlineTimer::Forever);
    while (take == DataFolderLock::Take::HeldElsewhere) {
        if (m_folder.holderMachine() != elsewhere) {
            elsewhere = m_folder.holderMachine();
            emit heldOnAnotherMachine(elsewhere, m_folder.filePath());
        }
        switch (offer(urls, deadline)) {
        case Offer::Taken:
            return Start::HandedOver;
        case Offer::Unanswered:
            return Start::GaveUp;
        case Offer::NotTaken:
            unreachable = QDeadlineTimer(QDeadlineTimer::Forever);
            break;
        case Offer::NobodyListens:
            // A holder listens within moments of taking the folder and until moments before it
            // lets it go. One that holds the folder on and on without listening could not
            // listen, and never will: no answer can come. A holder on another machine can never
            // be reached from here; that one is waited for, in case it ends.
            if (!elsewhere.isEmpty())
                break;
            if (unreachable.isForever())
                unreachable = QDeadlineTimer(unreachableAfter);
            else if (unreachable.hasExpired())
                return Start::GaveUp;
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

bool UrlDelivery::forward(const QStringList& urls, std::chrono::milliseconds limit) {
    return offer(urls, QDeadlineTimer(limit)) == Offer::Taken;
}

UrlDelivery::Offer UrlDelivery::offer(const QStringList& urls, const QDeadlineTimer& deadline) {
    if (m_name.isEmpty())
        return deadline.hasExpired() ? Offer::Unanswered : Offer::NobodyListens;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(waitMs(deadline)))
        return deadline.hasExpired() ? Offer::Unanswered : Offer::NobodyListens;
    QByteArray request;
    for (const QString& url : urls) {
        // The holder would drop the whole connection for it, and the start would offer it again
        // until its time is up.
        const QByteArray line = url.toUtf8() + '\n';
        if (line.size() < kMaxForwardBytes)
            request += line;
    }
    // Whether an answer line that says the request was taken has come; "ending" lines say only
    // that the holder is on its way out.
    bool toldEnding = false;
    const auto taken = [&socket, &toldEnding, this] {
        while (socket.canReadLine()) {
            if (socket.readLine() != kEndingLine)
                return true;
            if (!std::exchange(toldEnding, true))
                emit holderEnding();
        }
        return false;
    };
    // Given up: withdrawn before the last look, so that the holder either wrote its answer before
    // (and carries the request out) or can no longer write it (and drops the request).
    const auto withdraw = [&socket, &taken] {
        ::shutdown(int(socket.socketDescriptor()), SHUT_RD);
        while (socket.waitForReadyRead(0)) {
        }
        return taken() ? Offer::Taken : Offer::Unanswered;
    };
    socket.write(request.isEmpty() ? QByteArray("\n") : request);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(waitMs(deadline)))
            return socket.state() == QLocalSocket::ConnectedState ? withdraw() : Offer::NotTaken;
    }
    // A holder that carries requests out answers as soon as its event loop runs. One on its way
    // out answers "ending" and drops the connection once it has let the folder go. Silence is
    // neither: the holder is still busy starting or ending, and the request waits for it.
    while (!taken()) {
        if (!socket.waitForReadyRead(waitMs(deadline))) {
            if (socket.state() != QLocalSocket::ConnectedState)
                return taken() ? Offer::Taken : Offer::NotTaken;
            return withdraw();
        }
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
    if (m_name.isEmpty()) {
        Log("UrlDelivery: cannot listen: no folder of this user's own for the hand-over "
            "(XDG_RUNTIME_DIR is not set or not private, and %s/quorvel-%u and the one in the "
            "home folder are another user's); later starts on this data folder cannot reach "
            "this instance",
            qPrintable(QDir::cleanPath(QDir::tempPath())), unsigned(::geteuid()));
        return false;
    }
    // With the folder held, whatever lies under the name in this user's own folder is not a
    // live holder's: a socket file left by one that crashed, or anything else. Listening binds
    // a socket of its own and renames it over that entry; a directory cannot be renamed over, so
    // it goes first.
    const QByteArray path = QFile::encodeName(m_name);
    struct stat entry = {};
    if (::lstat(path.constData(), &entry) == 0 && S_ISDIR(entry.st_mode))
        QDir(m_name).removeRecursively();
    if (!m_server.listen(m_name)) {
        if (m_server.serverError() == QAbstractSocket::AddressInUseError) {
            QLocalServer::removeServer(m_name);
            if (m_server.listen(m_name))
                return true;
        }
        Log("UrlDelivery: cannot listen on %s: %s; later starts on this data folder cannot "
            "reach this instance",
            qPrintable(m_name), qPrintable(m_server.errorString()));
        return false;
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

void UrlDelivery::setEnding(bool ending) {
    if (m_ending == ending)
        return;
    m_ending = ending;
    if (ending || m_stopped)
        return;
    // Called off: what waited for the end is taken now, if its start still waits.
    for (Waiting& waiting : std::exchange(m_waitingForEnd, {})) {
        if (!waiting.socket || waiting.socket->state() != QLocalSocket::ConnectedState ||
            !answer(waiting.socket->socketDescriptor(), kTakenLine))
            continue;
        waiting.socket->setProperty(kAnswered, true);
        carryOut(waiting.urls, waiting.activate);
    }
}

void UrlDelivery::stopTaking() {
    if (m_stopped)
        return;
    m_stopped = true;
    m_waitingForEnd.clear();
    Log("UrlDelivery: ending; later starts wait until this instance has let the data folder go");
    if (qEnvironmentVariableIsSet(kEndAwaitsAStartEnv) && !m_server.hasPendingConnections())
        m_server.waitForNewConnection(60000);
    // Those that came before are told here; those that come while the rest of the program goes,
    // with the event loop over, on a thread of their own until this object goes.
    while (m_server.hasPendingConnections() || m_server.waitForNewConnection(0))
        takeConnection();
    if (m_server.isListening() && !parent() && thread() == QThread::currentThread()) {
        m_endThread = std::make_unique<QThread>();
        m_endThread->start();
        moveToThread(m_endThread.get());
    }
}

void UrlDelivery::takeConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        if (m_stopped) {
            // Kept until this object goes: the start runs once the folder is free.
            Log("UrlDelivery: a start waits until this instance has ended");
            answer(socket->socketDescriptor(), kEndingLine);
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { takeRequest(socket); });
    }
}

void UrlDelivery::takeRequest(QLocalSocket* socket) {
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
        return;
    }
    if (urls.isEmpty() && !activate)
        return;
    if (m_ending) {
        // The user asked for the program again: a close held back is let go, which may call the
        // end off.
        emit startArrived();
    }
    if (m_ending || m_stopped) {
        Log("UrlDelivery: a start waits until this instance has ended");
        answer(socket->socketDescriptor(), kEndingLine);
        m_waitingForEnd.push_back({socket, urls, activate});
        return;
    }
    // Taken only if the start still waits for the answer: one that gave up has withdrawn, and
    // its request is not carried out, however late this process comes to it.
    if (!answer(socket->socketDescriptor(), kTakenLine)) {
        Log("UrlDelivery: a start gave up before its request was read; not carried out");
        return;
    }
    socket->setProperty(kAnswered, true);
    carryOut(urls, activate);
}

} // namespace Ko
