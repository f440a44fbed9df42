#include "app/datafolderlock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Ko {

namespace {

// A holder writes its process into the lock file right after making it: younger than this, an
// empty or half-written file may still be one in the making.
constexpr qint64 kInTheMakingMs = 1000;

bool sameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

DataFolderLock::DataFolderLock(const QString& dataFolder)
    : m_path(QDir(dataFolder).absoluteFilePath(QString::fromLatin1(kFileName))), m_file(m_path) {
    // Only a holder that has ended makes a lock stale; a running program keeps it as long as it
    // runs.
    m_file.setStaleLockTime(0);
}

DataFolderLock::~DataFolderLock() {
    release();
}

DataFolderLock::Take DataFolderLock::tryTake() {
    return take(std::chrono::milliseconds::zero());
}

DataFolderLock::Take DataFolderLock::take(std::chrono::milliseconds wait) {
    if (m_file.isLocked())
        return Take::Taken;
    const bool unreadable = removeUnreadable();
    const bool found = unreadable || QFileInfo::exists(m_path);
    const bool locked = m_file.tryLock(wait);
    // A lock found and taken at once was one whose holder had ended; one taken after a wait was
    // most likely released by its holder.
    m_tookOverStale =
        locked && (unreadable || (found && wait == std::chrono::milliseconds::zero()));
    return taken(locked);
}

bool DataFolderLock::removeUnreadable() const {
    const QByteArray path = QFile::encodeName(m_path);
    struct stat entry = {};
    if (::lstat(path.constData(), &entry) != 0)
        return false;
    qint64 pid = 0;
    QString host;
    QString app;
    // The lock file a holder writes: whether its process lives is the lock's own affair.
    if (!S_ISLNK(entry.st_mode) && m_file.getLockInfo(&pid, &host, &app))
        return false;
    if (S_ISREG(entry.st_mode)) {
        const qint64 age = QFileInfo(m_path).lastModified().msecsTo(QDateTime::currentDateTime());
        if (age >= 0 && age < kInTheMakingMs)
            return false;
    }
    // Held open under an exclusive file lock while it is looked at and removed: a holder keeps
    // one on its lock file, and another start that removes the same file waits for it, and then
    // finds a different file, or none, under the name.
    const int fd = S_ISLNK(entry.st_mode)
                       ? -1
                       : ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    struct stat opened = {};
    struct stat now = {};
    const bool same = (fd < 0 || (::fstat(fd, &opened) == 0 && sameEntry(opened, entry))) &&
                      ::lstat(path.constData(), &now) == 0 && sameEntry(now, entry);
    bool removed = false;
    if (same) {
        removed = S_ISDIR(entry.st_mode) ? QDir(m_path).removeRecursively()
                                         : ::unlink(path.constData()) == 0;
    }
    if (fd >= 0)
        ::close(fd);
    return removed;
}

DataFolderLock::Take DataFolderLock::taken(bool locked) {
    if (locked)
        return Take::Taken;
    return m_file.error() == QLockFile::LockFailedError ? Take::HeldElsewhere : Take::Unavailable;
}

bool DataFolderLock::held() const {
    return m_file.isLocked();
}

void DataFolderLock::release() {
    if (m_file.isLocked())
        m_file.unlock();
}

} // namespace Ko
