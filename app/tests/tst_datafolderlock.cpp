#include "app/datafolderlock.h"

#include "base/tests/datarow.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>

#include <pwd.h>
#include <unistd.h>

using namespace Ko;

namespace {

// What lies in the folder when a start comes.
enum class Lock {
    // The lock of a live holder of this boot: a lock of this process's, taken as the program
    // takes it.
    Held,
    // A lock of this boot whose process has ended.
    Ended,
    // A lock of this boot naming a process that runs as the program, but which does not hold it:
    // the number was taken since, by another instance on another folder.
    NumberTakenSince,
};

// What this user's system does that a test running as root cannot make with file modes.
enum Refusal : int {
    None = 0,
    // The lock file cannot be opened: another user's, under a strict umask.
    Open = 1,
    // A process may not be signalled: another user's.
    Signal = 2,
    // The entries of the folder cannot be removed: a read-only folder.
    Removal = 4,
    // The folder's file system keeps no file locks.
    FileLocks = 8,
};

DataFolderLock::SystemCalls refusing(int refusals) {
    DataFolderLock::SystemCalls calls;
    const auto refuse = [](int error) {
        errno = error;
        return -1;
    };
    if (refusals & Open)
        calls.openFile = [refuse](const char*, int) { return refuse(EACCES); };
    if (refusals & Signal)
        calls.signal = [refuse](pid_t, int) { return refuse(EPERM); };
    if (refusals & Removal)
        calls.removeFile = [refuse](const char*) { return refuse(EROFS); };
    calls.fileLocks = !(refusals & FileLocks);
    return calls;
}

// A process number that no process has: found among the highest, which the system hands out
// last.
qint64 endedProcess() {
    for (qint64 pid = 4194000; pid > 1; --pid) {
        if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            return pid;
    }
    return 0;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

Q_DECLARE_METATYPE(Lock)
Q_DECLARE_METATYPE(DataFolderLock::Take)
Q_DECLARE_METATYPE(DataFolderLock::Holder::Kind)

class TestDataFolderLock : public QObject {
    Q_OBJECT

private slots:
    // A lock that is not this start's own, judged where this user cannot see all of it: a lock
    // whose holder may run is never taken over, one whose holder has ended never keeps a start
    // waiting for nobody, and one that cannot be removed leaves the folder as one without a lock.
    void aLockSeenOnlyInPart_data() {
        QTest::addColumn<Lock>("lock");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<DataFolderLock::Take>("take");
        using T = DataFolderLock::Take;
        dataRow("another user's held lock that cannot be opened", Lock::Held, int(Open),
                T::HeldElsewhere);
        dataRow("another user's ended lock that cannot be opened: nothing tells", Lock::Ended,
                int(Open), T::HeldElsewhere);
        dataRow("no file locks: a live holder of this boot", Lock::Held, int(FileLocks),
                T::HeldElsewhere);
        dataRow("no file locks: another user's live holder", Lock::Held, Signal | FileLocks,
                T::HeldElsewhere);
        dataRow("no file locks: a holder that has ended", Lock::Ended, int(FileLocks), T::Taken);
        dataRow("no file locks: the number taken since by another instance", Lock::NumberTakenSince,
                int(FileLocks), T::Taken);
        dataRow("an ended lock in a folder whose entries cannot be removed", Lock::Ended,
                int(Removal), T::Unavailable);
        dataRow("no file locks: an ended lock that cannot be removed", Lock::Ended,
                Removal | FileLocks, T::Unavailable);
        dataRow("a held lock in a folder whose entries cannot be removed", Lock::Held, int(Removal),
                T::HeldElsewhere);
    }
    void aLockSeenOnlyInPart() {
        QFETCH(Lock, lock);
        QFETCH(int, refusals);
        QFETCH(DataFolderLock::Take, take);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        DataFolderLock holder(folder.path());
        QCOMPARE(holder.tryTake(), DataFolderLock::Take::Taken);
        if (lock != Lock::Held) {
            // The same lock, as this process writes it, but on a file that nothing holds open.
            QByteArray content = readAll(holder.filePath());
            holder.release();
            if (lock == Lock::Ended) {
                const qint64 ended = endedProcess();
                QVERIFY(ended > 0);
                content = QByteArray::number(ended) + content.mid(content.indexOf('\n'));
            }
            QVERIFY(writeFile(holder.filePath(), content));
        }
        {
            // Made long ago: not one in the making, which a start leaves alone whatever it is.
            QFile file(holder.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                     QFileDevice::FileModificationTime));
        }
        const QByteArray before = readAll(holder.filePath());

        DataFolderLock start(folder.path());
        start.setSystemCalls(refusing(refusals));
        QCOMPARE(start.tryTake(), take);
        QCOMPARE(start.held(), take == DataFolderLock::Take::Taken);
        QCOMPARE(start.tookOverStaleLock(), take == DataFolderLock::Take::Taken);
        if (take == DataFolderLock::Take::Taken) {
            QCOMPARE(DataFolderLock(folder.path()).tryTake(), DataFolderLock::Take::HeldElsewhere);
            return;
        }
        // What the start could not take over lies as it was.
        QCOMPARE(readAll(start.filePath()), before);
        if (lock == Lock::Held)
            QVERIFY(holder.held());
    }

    // A holder lets go of its own lock only: one that has gone from under it (removed by a start
    // that could not see it held, or by the user) and that a later start has since made is left
    // to that start.
    void releaseLeavesASuccessorsLock_data() {
        QTest::addColumn<bool>("successor");
        QTest::newRow("its own lock: removed") << false;
        QTest::newRow("a successor's lock under the name: left") << true;
    }
    void releaseLeavesASuccessorsLock() {
        QFETCH(bool, successor);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        DataFolderLock first(folder.path());
        DataFolderLock next(folder.path());
        QCOMPARE(first.tryTake(), DataFolderLock::Take::Taken);
        if (successor) {
            QVERIFY(QFile::remove(first.filePath()));
            QCOMPARE(next.tryTake(), DataFolderLock::Take::Taken);
        }
        first.release();
        QCOMPARE(QFile::exists(first.filePath()), successor);
        QCOMPARE(DataFolderLock(folder.path()).tryTake(),
                 successor ? DataFolderLock::Take::HeldElsewhere : DataFolderLock::Take::Taken);
    }

    // Whom a notice names for a lock that keeps a start out: the computer, or the user, that the
    // user of this one can ask.
    void holderOf_data() {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<bool>("otherMachineId");
        QTest::addColumn<bool>("otherOwner");
        QTest::addColumn<bool>("read");
        QTest::addColumn<DataFolderLock::Holder::Kind>("kind");
        QTest::addColumn<QString>("name");
        using K = DataFolderLock::Holder::Kind;
        const QByteArray here = QSysInfo::machineHostName().toUtf8();
        dataRow("a lock of this user's on this computer", here, false, false, true, K::ThisComputer,
                QString());
        dataRow("another computer's", QByteArray("elsewhere"), true, false, true, K::OtherComputer,
                QStringLiteral("elsewhere"));
        dataRow("this computer's name with another installation's identity", here, true, false,
                true, K::SameName, QString::fromUtf8(here));
        dataRow("another user's lock on this computer", here, false, true, true, K::OtherUser,
                QStringLiteral("nobody"));
        // While the start may take the lock, the file is not opened: whose it is still shows.
        dataRow("another user's, not read", here, false, true, false, K::OtherUser,
                QStringLiteral("nobody"));
        dataRow("another computer's, not read", QByteArray("elsewhere"), true, false, false,
                K::ThisComputer, QString());
    }
    void holderOf() {
        QFETCH(QByteArray, host);
        QFETCH(bool, otherMachineId);
        QFETCH(bool, otherOwner);
        QFETCH(bool, read);
        QFETCH(DataFolderLock::Holder::Kind, kind);
        QFETCH(QString, name);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = DataFolderLock(folder.path()).filePath();
        const QByteArray otherId = "0123456789abcdef0123456789abcdef";
        const QByteArray machine = otherMachineId ? otherId : QSysInfo::machineUniqueId();
        QVERIFY(writeFile(path, QByteArray::number(endedProcess()) + "\nquorvel\n" + host + '\n' +
                                    machine + '\n' + QSysInfo::bootUniqueId() + '\n'));
        if (otherOwner) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody ||
                ::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
                QSKIP("only root can give a file to another user");
        }
        const DataFolderLock::Holder holder = DataFolderLock::holderOf(path, read);
        QCOMPARE(holder.kind, kind);
        QCOMPARE(holder.name, name);
    }
};

QTEST_GUILESS_MAIN(TestDataFolderLock)
#include "tst_datafolderlock.moc"
