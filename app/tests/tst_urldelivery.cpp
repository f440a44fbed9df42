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
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QtTest>

#include <cstring>
#include <future>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
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
    StartOnThread(const QString& folder, std::chrono::milliseconds limit) {
        QThread* const home = QThread::currentThread();
        m_result = m_promise.get_future();
        m_thread.reset(QThread::create([this, folder, limit, home] {
            auto run = [&] {
                auto delivery = std::make_unique<UrlDelivery>(folder, kScheme);
                const UrlDelivery::Start start = delivery->claimOrHandOver({}, limit);
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

private:
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

// Leaves a socket file under name that nothing listens on, as a process killed while it listened
// does.
bool leaveStaleSocket(const QString& name) {
    const QByteArray path = QFile::encodeName(QDir::tempPath() + '/' + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

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

private slots:
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
            QVERIFY(leaveStaleSocket(name));
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
            // The request is there, unanswered; only the end of the holder lets the start go.
            QTRY_VERIFY_WITH_TIMEOUT(log.count(kStartWaits) == 1, 10000);
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
        QVERIFY(!QFile::exists(QDir::tempPath() + '/' + name));
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
        QVERIFY(QFile::exists(QDir::tempPath() + '/' + UrlDelivery::socketName(folder.path())));
        QVERIFY(laterStartHandsOver(folder.path()));
    }

    // The folder's lock: one holder at a time, free again once released, and a lock whose holder
    // has ended is taken over.
    void folderLock_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<DataFolderLock::Take>("take");
        QTest::addColumn<bool>("stale");
        dataRow("a free folder", QString(), DataFolderLock::Take::Taken, false);
        dataRow("held by a live process", QStringLiteral("held"),
                DataFolderLock::Take::HeldElsewhere, false);
        dataRow("released by its holder", QStringLiteral("released"), DataFolderLock::Take::Taken,
                false);
        dataRow("left by a process that has ended", QStringLiteral("ended"),
                DataFolderLock::Take::Taken, true);
        dataRow("held by a live process on another host", QStringLiteral("other host"),
                DataFolderLock::Take::HeldElsewhere, false);
        // What a power cut, a crash or a user can leave under the lock's name: it names no
        // process, so nobody holds the folder.
        dataRow("an empty file", QStringLiteral("empty"), DataFolderLock::Take::Taken, true);
        dataRow("garbage bytes", QStringLiteral("garbage"), DataFolderLock::Take::Taken, true);
        dataRow("a directory with a file in it", QStringLiteral("directory"),
                DataFolderLock::Take::Taken, true);
        dataRow("a dangling symbolic link", QStringLiteral("dangling link"),
                DataFolderLock::Take::Taken, true);
        dataRow("a file that cannot be opened", QStringLiteral("unreadable"),
                DataFolderLock::Take::Taken, true);
        // A live holder's lock, between its making and its process being written into it.
        dataRow("an empty file just made", QStringLiteral("empty, just made"),
                DataFolderLock::Take::HeldElsewhere, false);
        dataRow("garbage held under a file lock", QStringLiteral("garbage, file-locked"),
                DataFolderLock::Take::HeldElsewhere, false);
    }
    void folderLock() {
        QFETCH(QString, before);
        QFETCH(DataFolderLock::Take, take);
        QFETCH(bool, stale);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        DataFolderLock other(folder.path());
        if (before == "held" || before == "released" || before == "ended")
            QCOMPARE(other.tryTake(), DataFolderLock::Take::Taken);
        if (before == "released")
            other.release();
        if (before == "ended") {
            // The same lock, naming a process that has ended since.
            QFile file(other.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QList<QByteArray> lines = file.readAll().split('\n');
            file.close();
            QProcess ended;
            ended.start(QStringLiteral("true"), QStringList{});
            QVERIFY(ended.waitForStarted(30000));
            const qint64 pid = ended.processId();
            QVERIFY(ended.waitForFinished(30000));
            lines[0] = QByteArray::number(pid);
            other.release();
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lines.join('\n'));
            file.close();
        }
        const QByteArray path = QFile::encodeName(other.filePath());
        int fileLock = -1;
        const auto closeFileLock = qScopeGuard([&fileLock] {
            if (fileLock >= 0)
                ::close(fileLock);
        });
        if (before == "other host") {
            QCOMPARE(other.tryTake(), DataFolderLock::Take::Taken);
            QFile file(other.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QList<QByteArray> lines = file.readAll().split('\n');
            file.close();
            other.release();
            // This process lives, but on that host it is another one.
            lines[0] = QByteArray::number(QCoreApplication::applicationPid());
            lines[2] = "elsewhere";
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lines.join('\n'));
        } else if (before.startsWith("empty") || before.startsWith("garbage") ||
                   before == "unreadable") {
            QFile file(other.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (before.startsWith("garbage"))
                file.write(QByteArray("\x01\xfe\x00", 3) + " not a lock\n\xff");
            // Left long ago, but for the one in the making.
            QVERIFY(file.flush());
            if (!before.endsWith("just made")) {
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                         QFileDevice::FileModificationTime));
            }
            file.close();
            if (before == "unreadable")
                QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        } else if (before == "directory") {
            QVERIFY(QDir().mkpath(other.filePath() + "/inside"));
            QFile inside(other.filePath() + "/inside/file");
            QVERIFY(inside.open(QIODevice::WriteOnly));
        } else if (before == "dangling link") {
            QVERIFY(QFile::link(folder.filePath("gone"), other.filePath()));
        }
        if (before.endsWith("file-locked")) {
            fileLock = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
            QVERIFY(fileLock >= 0);
            QCOMPARE(::flock(fileLock, LOCK_EX | LOCK_NB), 0);
        }
        DataFolderLock lock(folder.path());
        QCOMPARE(lock.tryTake(), take);
        QCOMPARE(lock.held(), take == DataFolderLock::Take::Taken);
        QCOMPARE(lock.tookOverStaleLock(), stale);
        // Whoever holds it, one more comer finds it held.
        QCOMPARE(DataFolderLock(folder.path()).tryTake(), DataFolderLock::Take::HeldElsewhere);
    }
};

QTEST_GUILESS_MAIN(TestUrlDelivery)
#include "tst_urldelivery.moc"
