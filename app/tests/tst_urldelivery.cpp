#include "app/datafolderlock.h"
#include "app/urldelivery.h"

#include "base/tests/datarow.h"
#include "base/tests/logcapture.h"
#include "base/tests/onthread.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <future>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Ko;

namespace {

// What holds the data folder when a start comes, and what it does with the start's request.
enum class Holder {
    Nobody,
    // The program itself, running: it takes the request.
    Running,
    // The program itself, after its event loop has ended: it leaves the request unanswered
    // until it has let the folder go.
    Ending,
    // A holder that reads the request from its buffer only later (busy starting, or busy).
    Late,
    // A holder that drops the request, and lets the folder go only afterwards.
    DropsThenLetsGo,
    // A holder that reads the request and never answers nor ends.
    Hung,
    // Nobody, but a crashed holder's socket file lies under the name.
    StaleSocket,
};

const QString kScheme = QStringLiteral("com-halvermoor-quorvel");
// What an ending holder logs for each start that it leaves waiting.
const QString kStartWaits = QStringLiteral("a start waits until this instance has ended");

// The start's side: the process that came, and what it did.
struct Started {
    UrlDelivery::Start start;
    std::unique_ptr<UrlDelivery> delivery;
};

// A start as a second process makes it: blocking, on a thread of its own. Its delivery comes back
// to the caller's thread, where it answers later starts once it is open.
class StartOnThread {
public:
    StartOnThread(const QString& folder, std::chrono::milliseconds limit,
                  const QStringList& urls = {},
                  std::chrono::milliseconds unreachableAfter = UrlDelivery::kUnreachableAfter) {
        QThread* const home = QThread::currentThread();
        m_result = m_promise.get_future();
        m_thread.reset(QThread::create([this, folder, limit, home, urls, unreachableAfter] {
            auto run = [&] {
                auto delivery = std::make_unique<UrlDelivery>(folder, kScheme);
                QObject::connect(
                    delivery.get(), &UrlDelivery::holderEnding, delivery.get(),
                    [this] { m_heardEnding.store(true); }, Qt::DirectConnection);
                const UrlDelivery::Start start =
                    delivery->claimOrHandOver(urls, limit, unreachableAfter);
                delivery->moveToThread(home);
                return Started{start, std::move(delivery)};
            };
            fulfil(m_promise, run);
        }));
        m_thread->start();
    }
    ~StartOnThread() { m_thread->wait(); }

    bool isReady() const { return Ko::isReady(m_result); }
    void wait() const { m_result.wait(); }
    Started get() { return m_result.get(); }
    // Whether the holder told the start that it is on its way out.
    bool heardEnding() const { return m_heardEnding.load(); }

private:
    std::atomic<bool> m_heardEnding{false};
    std::promise<Started> m_promise;
    std::future<Started> m_result;
    std::unique_ptr<QThread> m_thread;
};

// A later start's request for the window, from a thread of its own; whether it was taken.
bool laterStartHandsOver(const QString& folder) {
    auto forwarded = onThread([folder] { return UrlDelivery(folder, kScheme).forward({}); });
    if (!QTest::qWaitFor([&] { return isReady(forwarded); }, 30000))
        return false;
    return forwarded.get();
}

// Leaves a unix socket file at path, which nothing listens on and which cannot be opened.
bool leaveSocketFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

// Leaves at path what a crash, a user or another program may leave under a name of ours: a
// "socket" file nothing listens on, a "directory" with a file in it, an "empty directory", a
// "file", a "fifo", or a link to target ("link"; "dangling link" where target does not exist).
bool leaveEntry(const QString& kind, const QString& path, const QString& target = {}) {
    if (kind == "socket")
        return leaveSocketFile(path);
    if (kind == "directory")
        return QDir().mkpath(path + "/inside") &&
               QFile(path + "/inside/file").open(QIODevice::WriteOnly);
    if (kind == "empty directory")
        return QDir().mkpath(path);
    if (kind == "file")
        return QFile(path).open(QIODevice::WriteOnly);
    if (kind == "fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == "link" || kind == "dangling link")
        return QFile::link(target, path);
    return false;
}

// The kind of what lies at path, not following a link: S_IFSOCK, S_IFDIR...; 0 for nothing.
mode_t entryType(const QString& path) {
    struct stat entry = {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return 0;
    return entry.st_mode & S_IFMT;
}

// A folder of this user's alone: owned, and closed to everybody else.
bool isPrivate(const QString& path) {
    struct stat entry = {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISDIR(entry.st_mode) &&
           entry.st_uid == ::geteuid() && (entry.st_mode & 077) == 0;
}

// A user who is not this one, for entries that another user left: nobody.
constexpr uid_t kOtherUser = 65534;

} // namespace

// Stands for the scheme's handler: what the holder hands to it.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;

public slots:
    void handle(const QUrl& url) { urls << url; }
};

Q_DECLARE_METATYPE(Holder)
Q_DECLARE_METATYPE(UrlDelivery::Start)

// The holder of the folder answers on this thread's event loop; a start blocks on a thread of its
// own, as the start-up of a second process does.
class TestUrlDelivery : public QObject {
    Q_OBJECT

    // Where this process's hand-overs go unless a test says otherwise: a temporary folder and a
    // home of the test's own, outside any session.
    std::unique_ptr<QTemporaryDir> m_scratch;

    void useDefaultFolders() {
        qputenv("TMPDIR", QFile::encodeName(m_scratch->filePath("tmp")));
        qputenv("HOME", QFile::encodeName(m_scratch->filePath("home")));
        qunsetenv("XDG_RUNTIME_DIR");
    }

private slots:
    void initTestCase() {
        m_scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(m_scratch->isValid());
        QVERIFY(QDir().mkpath(m_scratch->filePath("tmp")));
        QVERIFY(QDir().mkpath(m_scratch->filePath("home")));
        QVERIFY(QFile::setPermissions(m_scratch->filePath("home"), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner));
        useDefaultFolders();
    }
    void cleanup() { useDefaultFolders(); }

    // What a start does, by what holds its data folder. It runs only where no other process
    // holds the folder, ends only when its request was taken, and never takes silence for an
    // answer.
    void start_data() {
        QTest::addColumn<Holder>("holder");
        QTest::addColumn<UrlDelivery::Start>("expected");
        dataRow("nobody holds the folder: the start runs", Holder::Nobody, UrlDelivery::Start::Run);
        dataRow("a running instance takes the request", Holder::Running,
                UrlDelivery::Start::HandedOver);
        dataRow("an instance on its way out: the start runs once it has ended", Holder::Ending,
                UrlDelivery::Start::Run);
        dataRow("a holder that reads the request later takes it", Holder::Late,
                UrlDelivery::Start::HandedOver);
        dataRow("a holder that drops the request and then ends: the start runs",
                Holder::DropsThenLetsGo, UrlDelivery::Start::Run);
        dataRow("a holder that neither answers nor ends: the start gives up", Holder::Hung,
                UrlDelivery::Start::GaveUp);
        dataRow("a crashed holder's socket file: the start runs and takes the name",
                Holder::StaleSocket, UrlDelivery::Start::Run);
    }
    void start() {
        QFETCH(Holder, holder);
        QFETCH(UrlDelivery::Start, expected);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString name = UrlDelivery::socketName(folder.path());

        std::unique_ptr<UrlDelivery> instance;
        std::unique_ptr<QSignalSpy> activations;
        // A stand-in holder: the folder's lock and a bare server on the name.
        std::unique_ptr<DataFolderLock> lock;
        std::unique_ptr<QLocalServer> standIn;
        LogCapture log;
        if (holder == Holder::Running || holder == Holder::Ending) {
            instance = std::make_unique<UrlDelivery>(folder.path(), kScheme);
            QVERIFY(instance->listen());
            instance->open();
            activations =
                std::make_unique<QSignalSpy>(instance.get(), &UrlDelivery::activationRequested);
            if (holder == Holder::Ending)
                instance->stopTaking();
        } else if (holder == Holder::StaleSocket) {
            QVERIFY(leaveSocketFile(name));
        } else if (holder != Holder::Nobody) {
            lock = std::make_unique<DataFolderLock>(folder.path());
            QCOMPARE(lock->tryTake(), DataFolderLock::Take::Taken);
            standIn = std::make_unique<QLocalServer>();
            QVERIFY(standIn->listen(name));
        }

        // The hung holder is waited for briefly; every other start has all the time it needs.
        const auto limit =
            holder == Holder::Hung ? std::chrono::milliseconds(1500) : UrlDelivery::kStartLimit;
        StartOnThread started(folder.path(), limit);
        if (holder == Holder::Ending) {
            // The request is there, unanswered; only the end of the holder lets the start go,
            // and the start knows that the holder ends, so it tells its user of no hang.
            QTRY_VERIFY_WITH_TIMEOUT(log.count(kStartWaits) == 1, 10000);
            QTRY_VERIFY_WITH_TIMEOUT(started.heardEnding(), 10000);
            QVERIFY(!started.isReady());
            instance.reset();
        }
        if (standIn) {
            QVERIFY(standIn->waitForNewConnection(10000));
            QLocalSocket* const request = standIn->nextPendingConnection();
            QTRY_VERIFY(request->canReadLine());
            QCOMPARE(request->readLine(), QByteArray("\n"));
            if (holder == Holder::Late) {
                request->write("\n");
                request->flush();
            } else if (holder == Holder::DropsThenLetsGo) {
                standIn.reset();
                lock.reset();
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(started.isReady(), 30000);
        Started result = started.get();
        QCOMPARE(result.start, expected);
        if (activations)
            QCOMPARE(activations->count(), expected == UrlDelivery::Start::HandedOver ? 1 : 0);

        DataFolderLock probe(folder.path());
        if (expected != UrlDelivery::Start::Run) {
            // The start left the folder and the name to their holder.
            QCOMPARE(probe.tryTake(), DataFolderLock::Take::HeldElsewhere);
            result.delivery.reset();
            QCOMPARE(probe.tryTake(), DataFolderLock::Take::HeldElsewhere);
            return;
        }
        // The start holds the folder and listens: a later start hands over to it once it is
        // open, and finds the folder free once it has gone.
        QCOMPARE(probe.tryTake(), DataFolderLock::Take::HeldElsewhere);
        QSignalSpy asked(result.delivery.get(), &UrlDelivery::activationRequested);
        result.delivery->open();
        QVERIFY(laterStartHandsOver(folder.path()));
        QTRY_COMPARE(asked.count(), 1);
        result.delivery.reset();
        QCOMPARE(entryType(name), mode_t(0));
        QCOMPARE(probe.tryTake(), DataFolderLock::Take::Taken);
    }

    // A URL longer than any of the scheme needs is not sent: the holder would drop the whole
    // connection for it. What is left is delivered; a start left with no URL asks for the window.
    void urlsOverTheBound_data() {
        QTest::addColumn<QList<int>>("lengths");
        QTest::addColumn<int>("windowRequests");
        QTest::addColumn<int>("delivered");
        dataRow("the only URL, over the bound", QList<int>{70000}, 1, 0);
        dataRow("the only URL, under the bound", QList<int>{60000}, 0, 1);
        dataRow("one URL over, one under", QList<int>{70000, 100}, 0, 1);
    }
    void urlsOverTheBound() {
        QFETCH(QList<int>, lengths);
        QFETCH(int, windowRequests);
        QFETCH(int, delivered);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(kScheme, &catcher, "handle");
        const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(kScheme); });
        UrlDelivery holder(folder.path(), kScheme);
        QVERIFY(holder.listen());
        holder.open();
        QSignalSpy activations(&holder, &UrlDelivery::activationRequested);
        QStringList urls;
        for (int length : lengths) {
            const QString prefix = kScheme + QStringLiteral(":/goto?name=");
            urls << prefix + QString(length - int(prefix.size()), QLatin1Char('M'));
        }
        auto forwarded = onThread([&folder, urls] {
            return UrlDelivery(folder.path(), kScheme).forward(urls, std::chrono::seconds(30));
        });
        QTRY_VERIFY_WITH_TIMEOUT(isReady(forwarded), 30000);
        QVERIFY(forwarded.get());
        QTRY_COMPARE(activations.count() + catcher.urls.size(), windowRequests + delivered);
        // Nothing more comes once the request is carried out.
        QCoreApplication::processEvents();
        QCOMPARE(activations.count(), windowRequests);
        QCOMPARE(catcher.urls.size(), delivered);
        for (const QUrl& url : catcher.urls)
            QVERIFY(url.toString().size() < UrlDelivery::kMaxForwardBytes);
    }

    // Only the holder of the folder binds the name, and only it removes it: a start that handed
    // over, or that gave up on a holder too busy to answer, leaves the name answering for the
    // holder.
    void theNameStaysWithItsHolder_data() {
        QTest::addColumn<bool>("holderBusy");
        QTest::newRow("after a start that handed over") << false;
        QTest::newRow("after a start that gave up on a busy holder") << true;
    }
    void theNameStaysWithItsHolder() {
        QFETCH(bool, holderBusy);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        UrlDelivery holder(folder.path(), kScheme);
        QVERIFY(holder.listen());
        holder.open();
        {
            StartOnThread started(folder.path(), std::chrono::milliseconds(500));
            // Busy: this thread runs no events, so the holder reads nothing until the start has
            // given up.
            if (holderBusy)
                started.wait();
            QTRY_VERIFY_WITH_TIMEOUT(started.isReady(), 30000);
            QCOMPARE(started.get().start,
                     holderBusy ? UrlDelivery::Start::GaveUp : UrlDelivery::Start::HandedOver);
        }
        QCOMPARE(entryType(UrlDelivery::socketName(folder.path())), mode_t(S_IFSOCK));
        QVERIFY(laterStartHandsOver(folder.path()));
    }

    // The folder's lock: one holder at a time, free again once released, and a lock whose holder
    // has ended is taken over, wherever it ran. What else lies under the lock's name is taken
    // over too, and never opened in a way that blocks.
    void folderLock_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<DataFolderLock::Take>("take");
        QTest::addColumn<bool>("stale");
        QTest::addColumn<QString>("holderMachine");
        const auto row = [](const char* name, const char* before, DataFolderLock::Take take,
                            bool stale, const char* machine = "") {
            QTest::newRow(name) << QString::fromLatin1(before) << take << stale
                                << QString::fromLatin1(machine);
        };
        using T = DataFolderLock::Take;
        row("a free folder", "", T::Taken, false);
        row("held by a live process", "held", T::HeldElsewhere, false);
        row("released by its holder", "released", T::Taken, false);
        row("left by a process that has ended", "ended", T::Taken, true);
        // A home folder restored from a backup, or kept across a reinstall: nobody holds a file
        // lock on it, whatever it names.
        row("another machine's lock, its process ended", "other machine", T::Taken, true);
        row("another machine's lock in the older three-line form", "other machine, three lines",
            T::Taken, true);
        row("this host's name with another machine's identity", "other machine id", T::Taken, true);
        row("another host's lock naming a process alive here", "other host", T::Taken, true);
        // A holder on another machine of a shared folder: kept, and named.
        row("another machine's lock held under a file lock", "other machine, file-locked",
            T::HeldElsewhere, false, "elsewhere");
        // What a power cut, a crash or a user can leave under the lock's name: it names no
        // process, so nobody holds the folder.
        row("an empty file", "empty", T::Taken, true);
        row("garbage bytes", "garbage", T::Taken, true);
        row("garbage dated ahead of a clock set back", "garbage, in the future", T::Taken, true);
        row("a directory with a file in it", "directory", T::Taken, true);
        row("a dangling symbolic link", "dangling link", T::Taken, true);
        // Only root can open a file of no permissions, and a lock that cannot be opened may be
        // another user's live holder's: anyone else keeps it.
        const bool root = ::geteuid() == 0;
        row("a file of no permissions", "unreadable", root ? T::Taken : T::HeldElsewhere, root);
        row("a unix socket file, which cannot be opened", "socket", T::Taken, true);
        row("a FIFO, whose opening would wait for a writer", "fifo", T::Taken, true);
        // A live holder's lock, between its making and its process being written into it.
        row("an empty file just made", "empty, just made", T::HeldElsewhere, false);
        // Young enough to be one in the making on a loaded machine, well past a moment's grace.
        row("an empty file made a third of a second ago", "empty, moments old", T::HeldElsewhere,
            false);
        row("garbage held under a file lock", "garbage, file-locked", T::HeldElsewhere, false);
    }
    void folderLock() {
        QFETCH(QString, before);
        QFETCH(DataFolderLock::Take, take);
        QFETCH(bool, stale);
        QFETCH(QString, holderMachine);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        DataFolderLock other(folder.path());
        if (before == "held" || before == "released")
            QCOMPARE(other.tryTake(), DataFolderLock::Take::Taken);
        if (before == "released")
            other.release();
        const QByteArray path = QFile::encodeName(other.filePath());
        // As the program writes it: its process, its name, the host, the machine and the boot.
        const auto writeLock = [&other](qint64 pid, const QByteArray& host,
                                        const QByteArray& machine, const QByteArray& boot,
                                        bool threeLines) {
            QFile file(other.filePath());
            if (!file.open(QIODevice::WriteOnly))
                return false;
            QByteArray text = QByteArray::number(pid) + "\nquorvel\n" + host + '\n';
            if (!threeLines)
                text += machine + '\n' + boot + '\n';
            return file.write(text) == text.size();
        };
        // A process that no longer runs: found among the highest numbers, which the system hands
        // out last. (Starting and reaping a child instead would fork this threaded process, which
        // ThreadSanitizer does not follow.)
        qint64 endedPid = 0;
        if (before == "ended" || before.startsWith("other machine")) {
            for (qint64 pid = 4194000; pid > 1 && endedPid == 0; --pid) {
                if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
                    endedPid = pid;
            }
            QVERIFY(endedPid > 0);
        }
        const QByteArray here = QSysInfo::machineHostName().toUtf8();
        const QByteArray otherId = "0123456789abcdef0123456789abcdef";
        if (before == "ended") {
            QVERIFY(writeLock(endedPid, here, QSysInfo::machineUniqueId(), QSysInfo::bootUniqueId(),
                              false));
        } else if (before == "other machine" || before == "other machine, file-locked") {
            QVERIFY(writeLock(endedPid, "elsewhere", otherId, otherId, false));
        } else if (before == "other machine, three lines") {
            QVERIFY(writeLock(endedPid, "elsewhere", {}, {}, true));
        } else if (before == "other machine id") {
            QVERIFY(writeLock(endedPid, here, otherId, otherId, false));
        } else if (before == "other host") {
            // This process lives, but on that host it is another one.
            QVERIFY(writeLock(QCoreApplication::applicationPid(), "elsewhere", otherId, otherId,
                              false));
        } else if (before.startsWith("empty") || before.startsWith("garbage") ||
                   before == "unreadable") {
            QFile file(other.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (before.startsWith("garbage"))
                file.write(QByteArray("\x01\xfe\x00", 3) + " not a lock\n\xff");
            QVERIFY(file.flush());
            // Left long ago, but for the one in the making.
            QDateTime made = QDateTime::currentDateTime().addDays(-2);
            if (before.endsWith("just made"))
                made = QDateTime::currentDateTime();
            else if (before.endsWith("moments old"))
                made = QDateTime::currentDateTime().addMSecs(-300);
            else if (before.endsWith("in the future"))
                made = QDateTime::currentDateTime().addDays(2);
            QVERIFY(file.setFileTime(made, QFileDevice::FileModificationTime));
            file.close();
            if (before == "unreadable")
                QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        } else if (before == "directory" || before == "dangling link" || before == "socket" ||
                   before == "fifo") {
            QVERIFY(leaveEntry(before, other.filePath(), folder.filePath("gone")));
        }
        int fileLock = -1;
        const auto closeFileLock = qScopeGuard([&fileLock] {
            if (fileLock >= 0)
                ::close(fileLock);
        });
        if (before.endsWith("file-locked")) {
            fileLock = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
            QVERIFY(fileLock >= 0);
            QCOMPARE(::flock(fileLock, LOCK_EX | LOCK_NB), 0);
        }
        DataFolderLock lock(folder.path());
        // On a thread of its own: a take that blocks is let go by a writer, and fails.
        auto taking = onThread([&lock] { return lock.tryTake(); });
        if (!QTest::qWaitFor([&] { return isReady(taking); }, 20000)) {
            const int writer = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            taking.wait();
            if (writer >= 0)
                ::close(writer);
            QFAIL("the take blocked");
        }
        QCOMPARE(taking.get(), take);
        QCOMPARE(lock.held(), take == DataFolderLock::Take::Taken);
        QCOMPARE(lock.tookOverStaleLock(), stale);
        QCOMPARE(lock.holderMachine(), holderMachine);
        if (take == DataFolderLock::Take::Taken) {
            // What it made is a lock file of its own; a link's target was left alone.
            QVERIFY(QFileInfo(lock.filePath()).isFile());
            QVERIFY(!QFileInfo(lock.filePath()).isSymLink());
        }
        // Whoever holds it, one more comer finds it held.
        QCOMPARE(DataFolderLock(folder.path()).tryTake(), DataFolderLock::Take::HeldElsewhere);
    }

    // Two starts that find the same stale entry under the lock's name: the one that comes to
    // remove it after the other has already taken the folder leaves the other's new lock alone.
    void aSlowerStartLeavesTheLockAFasterOneMade_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("a dangling symbolic link") << "dangling link";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("an empty directory") << "empty directory";
        QTest::newRow("a unix socket file") << "socket";
    }
    void aSlowerStartLeavesTheLockAFasterOneMade() {
        QFETCH(QString, entry);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        DataFolderLock slower(folder.path());
        DataFolderLock faster(folder.path());
        QVERIFY(leaveEntry(entry, slower.filePath(), folder.filePath("gone")));
        // The faster start comes and goes between the slower one's judgement and its removal.
        int fasterTakes = 0;
        DataFolderLock::Take fasterTook = DataFolderLock::Take::Unavailable;
        slower.setBeforeRemoval([&] {
            if (fasterTakes++ == 0)
                fasterTook = faster.tryTake();
        });
        QCOMPARE(slower.tryTake(), DataFolderLock::Take::HeldElsewhere);
        QCOMPARE(fasterTook, DataFolderLock::Take::Taken);
        QVERIFY(faster.held());
        QVERIFY(QFileInfo(faster.filePath()).isFile());
        QCOMPARE(DataFolderLock(folder.path()).tryTake(), DataFolderLock::Take::HeldElsewhere);
        faster.release();
        QCOMPARE(slower.tryTake(), DataFolderLock::Take::Taken);
    }

    // Every path to one data folder reaches the program that holds it: the hand-over's name
    // comes from the folder, not from the path.
    void everyPathToTheFolderReachesItsHolder_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("the folder's own path") << "data";
        QTest::newRow("a symbolic link to the folder") << "datalink";
        QTest::newRow("a path through a linked parent") << "baselink/data";
        QTest::newRow("a path with dots in it") << "data/../data/.";
        // No path names it as the other does: only the folder itself is the same.
        QTest::newRow("a bind mount of the folder") << "bound";
    }
    void everyPathToTheFolderReachesItsHolder() {
        QFETCH(QString, path);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        QVERIFY(QDir().mkpath(base.filePath("data")));
        QVERIFY(QFile::link(base.filePath("data"), base.filePath("datalink")));
        QVERIFY(QFile::link(base.path(), base.filePath("baselink")));
        QVERIFY(QDir().mkpath(base.filePath("bound")));
        const QByteArray bound = QFile::encodeName(base.filePath("bound"));
        bool mounted = false;
        // Before the folder goes, so that its removal does not reach through the mount.
        const auto unmount = qScopeGuard([&] {
            if (mounted)
                ::umount2(bound.constData(), MNT_DETACH);
        });
        if (path == "bound") {
            mounted = ::mount(QFile::encodeName(base.filePath("data")).constData(),
                              bound.constData(), nullptr, MS_BIND, nullptr) == 0;
            if (!mounted)
                QSKIP("this run may not make a bind mount");
        }
        UrlDelivery holder(base.filePath("data"), kScheme);
        QVERIFY(holder.listen());
        holder.open();
        QSignalSpy asked(&holder, &UrlDelivery::activationRequested);
        StartOnThread started(base.filePath(path), std::chrono::seconds(20));
        QTRY_VERIFY_WITH_TIMEOUT(started.isReady(), 30000);
        QCOMPARE(started.get().start, UrlDelivery::Start::HandedOver);
        QTRY_COMPARE(asked.count(), 1);
    }

    // A start that gave up on a holder too busy to answer has told its user so: the holder, once
    // it comes to the request, leaves it undone, and takes the next start's as before.
    void aRequestGivenUpOnIsNotCarriedOut_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("a URL") << QStringList{kScheme + ":/goto?name=X"};
        QTest::newRow("a request for the window") << QStringList{};
    }
    void aRequestGivenUpOnIsNotCarriedOut() {
        QFETCH(QStringList, urls);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(kScheme, &catcher, "handle");
        const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(kScheme); });
        LogCapture log;
        UrlDelivery holder(folder.path(), kScheme);
        QVERIFY(holder.listen());
        holder.open();
        QSignalSpy arrived(&holder, &UrlDelivery::startArrived);
        {
            // Busy: this thread runs no events until the start has given up.
            StartOnThread started(folder.path(), std::chrono::milliseconds(500), urls);
            started.wait();
            QCOMPARE(started.get().start, UrlDelivery::Start::GaveUp);
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            log.count(QStringLiteral("a start gave up before its request")) == 1, 10000);
        QCOMPARE(arrived.count(), 0);
        QCOMPARE(catcher.urls.size(), 0);
        QVERIFY(laterStartHandsOver(folder.path()));
        QTRY_COMPARE(arrived.count(), 1);
    }

    // A start that comes once the holder's end has begun: the holder says it is ending and leaves
    // the request to the start, which runs once the holder has gone and carries its URL out
    // itself; called off, the end lets the holder take the request after all. Either way the
    // URL is carried out once.
    void aStartDuringTheEnd_data() {
        QTest::addColumn<bool>("calledOff");
        QTest::newRow("the end goes on: the start runs") << false;
        QTest::newRow("the end is called off: the holder takes the request") << true;
    }
    void aStartDuringTheEnd() {
        QFETCH(bool, calledOff);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(kScheme, &catcher, "handle");
        const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(kScheme); });
        LogCapture log;
        auto holder = std::make_unique<UrlDelivery>(folder.path(), kScheme);
        QVERIFY(holder->listen());
        holder->open();
        QSignalSpy arrived(holder.get(), &UrlDelivery::startArrived);
        holder->setEnding(true);
        const QString url = kScheme + ":/goto?name=X";
        StartOnThread started(folder.path(), UrlDelivery::kStartLimit, {url});
        QTRY_VERIFY_WITH_TIMEOUT(started.heardEnding(), 30000);
        // A close held back for a stop may be let go for it.
        QCOMPARE(arrived.count(), 1);
        QCOMPARE(log.count(kStartWaits), 1);
        QVERIFY(!started.isReady());
        QCOMPARE(catcher.urls.size(), 0);
        if (calledOff)
            holder->setEnding(false);
        else
            holder.reset();
        QTRY_VERIFY_WITH_TIMEOUT(started.isReady(), 30000);
        Started result = started.get();
        QCOMPARE(result.start,
                 calledOff ? UrlDelivery::Start::HandedOver : UrlDelivery::Start::Run);
        if (!calledOff) {
            // The start carries its own URL out, as the program does once it runs.
            result.delivery->open();
            result.delivery->deliver({url});
        }
        QTRY_COMPARE(catcher.urls.size(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first(), QUrl(url));
    }

    // The hand-over's socket lies where only this user can make entries: the session's runtime
    // folder, or a private folder of the user's own. A folder that another user could write in,
    // or that is another user's, is not used, and what another user left there is left alone.
    // Without any such folder the holder says that it cannot listen, and a start gives up on it
    // soon rather than at the end of its limit.
    void theHandOverLivesWhereOnlyThisUserWrites_data() {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("temporary");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("used");
        dataRow("the session's runtime folder", "private", "free", "private", "runtime");
        dataRow("no runtime folder: a private one under the temporary folder", "unset", "free",
                "private", "temporary");
        dataRow("a runtime folder open to others is not used", "open", "free", "private",
                "temporary");
        dataRow("another user's runtime folder (kept across sudo) is not used", "other user's",
                "free", "private", "temporary");
        dataRow("the temporary folder's is ours already", "unset", "private", "private",
                "temporary");
        dataRow("a file under that name: one in the home folder", "unset", "file", "private",
                "home");
        dataRow("another user's folder under that name: one in the home folder", "unset",
                "other user's", "private", "home");
        dataRow("that folder open to others: one in the home folder", "unset", "open", "private",
                "home");
        dataRow("no folder of this user's alone: nothing listens, and a start gives up soon",
                "unset", "other user's", "open", "none");
    }
    void theHandOverLivesWhereOnlyThisUserWrites() {
        QFETCH(QString, runtime);
        QFETCH(QString, temporary);
        QFETCH(QString, home);
        QFETCH(QString, used);
        const bool otherUser = runtime == "other user's" || temporary == "other user's";
        if (otherUser && ::geteuid() != 0)
            QSKIP("only the superuser can leave another user's entry");
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString uid = QString::number(::geteuid());
        // mode: the folder's permissions; owner: the other user, or this one.
        const auto makeFolder = [](const QString& path, QFile::Permissions mode, bool other) {
            return QDir().mkpath(path) && QFile::setPermissions(path, mode) &&
                   (!other ||
                    ::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0);
        };
        using P = QFileDevice;
        const QFile::Permissions owner = P::ReadOwner | P::WriteOwner | P::ExeOwner;
        const QFile::Permissions everybody = owner | P::ReadGroup | P::WriteGroup | P::ExeGroup |
                                             P::ReadOther | P::WriteOther | P::ExeOther;
        const QFile::Permissions readable =
            owner | P::ReadGroup | P::ExeGroup | P::ReadOther | P::ExeOther;

        const QString run = base.filePath("run");
        if (runtime != "unset") {
            QVERIFY(
                makeFolder(run, runtime == "open" ? readable : owner, runtime == "other user's"));
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run));
        }
        QVERIFY(QDir().mkpath(base.filePath("tmp")));
        qputenv("TMPDIR", QFile::encodeName(base.filePath("tmp")));
        const QString ownTemporary = base.filePath("tmp/quorvel-") + uid;
        if (temporary == "file") {
            QFile file(ownTemporary);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (temporary != "free") {
            QVERIFY(makeFolder(ownTemporary, temporary == "open" ? everybody : owner,
                               temporary == "other user's"));
        }
        const QString homeFolder = base.filePath("home");
        QVERIFY(makeFolder(homeFolder, home == "open" ? owner | P::WriteGroup : owner, false));
        qputenv("HOME", QFile::encodeName(homeFolder));
        const QString inHome =
            homeFolder + "/.quorvel-run-" + QSysInfo::machineHostName() + '-' + uid;
        const QMap<QString, QString> folders = {
            {"runtime", run}, {"temporary", ownTemporary}, {"home", inHome}, {"none", QString()}};

        QCOMPARE(UrlDelivery::handOverFolder(), folders.value(used));
        const QString data = base.filePath("data");
        QVERIFY(QDir().mkpath(data));
        const QString name = UrlDelivery::socketName(data);
        LogCapture log;
        UrlDelivery holder(data, kScheme);
        if (used == "none") {
            QVERIFY(name.isEmpty());
            QVERIFY(!holder.listen());
            QCOMPARE(log.count(QStringLiteral("UrlDelivery: cannot listen")), 1);
            // Given a limit far beyond the test's wait: only the holder that cannot be reached
            // ends the wait.
            StartOnThread started(data, UrlDelivery::kStartLimit, {}, std::chrono::seconds(1));
            QTRY_VERIFY_WITH_TIMEOUT(started.isReady(), 30000);
            QCOMPARE(started.get().start, UrlDelivery::Start::GaveUp);
        } else {
            QCOMPARE(QFileInfo(name).path(), folders.value(used));
            QVERIFY(isPrivate(folders.value(used)));
            QVERIFY(holder.listen());
            holder.open();
            QCOMPARE(entryType(name), mode_t(S_IFSOCK));
            QSignalSpy asked(&holder, &UrlDelivery::activationRequested);
            QVERIFY(laterStartHandsOver(data));
            QTRY_COMPARE(asked.count(), 1);
        }
        // What another user left is as it was.
        struct stat entry = {};
        if (runtime == "other user's")
            QVERIFY(::stat(QFile::encodeName(run).constData(), &entry) == 0 &&
                    entry.st_uid == kOtherUser &&
                    entryType(run + "/" + QFileInfo(name).fileName()) == 0);
        if (temporary == "other user's")
            QVERIFY(::stat(QFile::encodeName(ownTemporary).constData(), &entry) == 0 &&
                    entry.st_uid == kOtherUser && QDir(ownTemporary).isEmpty());
    }

    // With the folder held, whatever lies under the socket's name in this user's own folder is
    // not a live holder's: the holder replaces it and listens, and later starts reach it. What a
    // link there points to is left alone.
    void whateverLiesUnderTheNameIsReplaced_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("a socket file of a holder that crashed") << "socket";
        QTest::newRow("a directory with a file in it") << "directory";
        QTest::newRow("a regular file") << "file";
        QTest::newRow("a symbolic link to a folder elsewhere") << "link";
        QTest::newRow("a FIFO") << "fifo";
    }
    void whateverLiesUnderTheNameIsReplaced() {
        QFETCH(QString, entry);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        QFile kept(elsewhere.filePath("kept"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.close();
        const QString name = UrlDelivery::socketName(folder.path());
        QVERIFY(!name.isEmpty());
        QVERIFY(leaveEntry(entry, name, elsewhere.path()));
        LogCapture log;
        auto holder = std::make_unique<UrlDelivery>(folder.path(), kScheme);
        QVERIFY(holder->listen());
        holder->open();
        QCOMPARE(entryType(name), mode_t(S_IFSOCK));
        QSignalSpy asked(holder.get(), &UrlDelivery::activationRequested);
        QVERIFY(laterStartHandsOver(folder.path()));
        QTRY_COMPARE(asked.count(), 1);
        QVERIFY(QFileInfo(elsewhere.filePath("kept")).isFile());
        QCOMPARE(log.count(QStringLiteral("cannot listen")), 0);
        holder.reset();
        QCOMPARE(entryType(name), mode_t(0));
    }

    // A start that waited for the end and went before the end was called off (it gave up, or it
    // was ended): Stay finds nobody to tell, so its request is not carried out, whether or not
    // the holder has seen it go by then.
    void aStartThatWentIsNotTakenAtStay_data() {
        QTest::addColumn<bool>("goneSeen");
        QTest::newRow("the holder has seen the start go") << true;
        QTest::newRow("the start went while the holder was busy") << false;
    }
    void aStartThatWentIsNotTakenAtStay() {
        QFETCH(bool, goneSeen);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(kScheme, &catcher, "handle");
        const auto unsetHandler = qScopeGuard([] { QDesktopServices::unsetUrlHandler(kScheme); });
        UrlDelivery holder(folder.path(), kScheme);
        QVERIFY(holder.listen());
        holder.open();
        QSignalSpy arrived(&holder, &UrlDelivery::startArrived);
        QSignalSpy activations(&holder, &UrlDelivery::activationRequested);
        holder.setEnding(true);
        {
            StartOnThread started(folder.path(), std::chrono::milliseconds(1500),
                                  {kScheme + ":/goto?name=X"});
            QTRY_VERIFY_WITH_TIMEOUT(started.heardEnding(), 30000);
            QCOMPARE(arrived.count(), 1);
            if (goneSeen)
                QTRY_VERIFY_WITH_TIMEOUT(started.isReady(), 30000);
            else
                started.wait();
            QCOMPARE(started.get().start, UrlDelivery::Start::GaveUp);
        }
        holder.setEnding(false);
        QCoreApplication::processEvents();
        QCOMPARE(catcher.urls.size(), 0);
        QCOMPARE(arrived.count(), 1);
        QCOMPARE(activations.count(), 0);
        // The next start is taken as before.
        QVERIFY(laterStartHandsOver(folder.path()));
        QTRY_COMPARE(activations.count(), 1);
        QCOMPARE(catcher.urls.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestUrlDelivery)
#include "tst_urldelivery.moc"
