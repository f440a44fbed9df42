#include "app/datafolderlock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSysInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <optional>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Ko {

namespace {

// A holder writes its process into the lock file right after making it: younger than this, an
// empty or half-written file may still be one in the making.
constexpr qint64 kInTheMakingMs = 1000;
// More than a lock file of any holder ever holds: what lies beyond is not read.
constexpr qsizetype kMaxLockBytes = 4096;
// How often a take that waits looks again: at first soon, as a holder that lets go does so within
// moments, then less often.
constexpr std::chrono::milliseconds kFirstPause{100};
constexpr std::chrono::milliseconds kLongestPause{1000};

// The same entry, as long as a descriptor keeps it from being freed and its number reused.
bool sameEntry(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino &&
           (a.st_mode & S_IFMT) == (b.st_mode & S_IFMT);
}

// Closes the descriptor it owns, and with it any file lock taken through it.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int d) : fd(d) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// What a lock file names: the format every version of the program writes. The older form has
// only the first three lines.
struct LockInfo {
    qint64 pid = 0;
    QString app;
    QString host;
    QByteArray machineId;
    QByteArray bootId;

    bool namesThisMachine() const {
        if (!host.isEmpty() && host != QSysInfo::machineHostName())
            return false;
        const QByteArray ours = QSysInfo::machineUniqueId();
        return machineId.isEmpty() || ours.isEmpty() || machineId == ours;
    }
    bool namesThisBoot() const {
        const QByteArray ours = QSysInfo::bootUniqueId();
        return namesThisMachine() && (bootId.isEmpty() || ours.isEmpty() || bootId == ours);
    }
    // How the user knows the machine: its name, or, without one, its identity.
    QString machine() const { return host.isEmpty() ? QString::fromLatin1(machineId) : host; }
};

std::optional<LockInfo> readLockInfo(int fd) {
    QByteArray content(kMaxLockBytes, '\0');
    qsizetype filled = 0;
    while (filled < content.size()) {
        const ssize_t got =
            ::pread(fd, content.data() + filled, size_t(content.size() - filled), off_t(filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += got;
    }
    content.truncate(filled);
    const QList<QByteArray> lines = content.split('\n');
    if (lines.size() < 3)
        return std::nullopt;
    LockInfo info;
    bool number = false;
    info.pid = lines[0].toLongLong(&number);
    if (!number || info.pid <= 0)
        return std::nullopt;
    info.app = QString::fromUtf8(lines[1]);
    info.host = QString::fromUtf8(lines[2]);
    if (lines.size() >= 5) {
        info.machineId = lines[3];
        info.bootId = lines[4];
    }
    return info;
}

// The user that the numeric user id names, or the number where it names none.
QString userName(uid_t uid) {
    struct passwd entry = {};
    struct passwd* found = nullptr;
    std::array<char, 4096> buffer{};
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QByteArray procPath(qint64 pid, const char* what) {
    return QByteArray("/proc/") + QByteArray::number(pid) + what;
}

enum class FileLock { Free, Held, Unknown };

// Whether any process holds a file lock on the open file. Free leaves it file-locked through fd,
// so that another start that looks at the same file meanwhile finds it held.
FileLock fileLockOf(int fd, bool fileLocks) {
    if (!fileLocks)
        return FileLock::Unknown;
    bool flocked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (!flocked && errno == EWOULDBLOCK)
        return FileLock::Held;
    // A holder on another machine of a network folder shows only through its record lock.
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    if (::fcntl(fd, F_GETLK, &probe) != 0)
        return flocked ? FileLock::Free : FileLock::Unknown;
    return probe.l_type == F_UNLCK ? FileLock::Free : FileLock::Held;
}

// Looked at from the folder's side: only one start at a time removes what lies under the name,
// and each removes only the entry it judged, so that one start never removes the lock another
// has just made in its place.
class FolderGuard {
public:
    explicit FolderGuard(const QByteArray& folder)
        : m_dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        // Held for a removal only: moments. A file system without file locks on folders (a
        // network one) leaves the removal to the check of the entry alone.
        while (m_dir.fd >= 0 && ::flock(m_dir.fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }

private:
    Descriptor m_dir;
};

enum class Removal { Removed, Changed, Failed };

// Removes the entry under path if it is still the one judged stale.
Removal removeJudged(const QString& path, const struct stat& judged,
                     const std::function<int(const char*)>& unlinkFile) {
    const QByteArray name = QFile::encodeName(path);
    const FolderGuard guard(QFile::encodeName(QFileInfo(path).absolutePath()));
    const auto stillThere = [&name, &judged] {
        struct stat now = {};
        return ::lstat(name.constData(), &now) == 0 && sameEntry(now, judged);
    };
    if (!stillThere())
        return Removal::Changed;
    // A link goes, never what it points to.
    if (S_ISDIR(judged.st_mode) ? QDir(path).removeRecursively()
                                : unlinkFile(name.constData()) == 0)
        return Removal::Removed;
    // Removed by a start that came without the guard (a file system without file locks on
    // folders) counts as changed; still there, it stays.
    return stillThere() ? Removal::Failed : Removal::Changed;
}

qint64 ageMs(const struct stat& entry) {
    struct timespec now = {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec - entry.st_mtim.tv_sec) * 1000 +
           (now.tv_nsec - entry.st_mtim.tv_nsec) / 1000000;
}

// What this process writes into its lock file.
QByteArray lockContent() {
    QString app = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    if (app.isEmpty())
        app = QCoreApplication::applicationName();
    return QByteArray::number(qint64(::getpid())) + '\n' + app.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t put =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        written += put;
    }
    return true;
}

} // namespace

DataFolderLock::SystemCalls::SystemCalls()
    : openFile([](const char* path, int flags) { return ::open(path, flags); }),
      signal([](pid_t pid, int signal) { return ::kill(pid, signal); }),
      removeFile([](const char* path) { return ::unlink(path); }) {}

DataFolderLock::DataFolderLock(const QString& dataFolder)
    : m_path(QDir(dataFolder).absoluteFilePath(QString::fromLatin1(kFileName))) {}

DataFolderLock::~DataFolderLock() {
    release();
}

DataFolderLock::Take DataFolderLock::tryTake() {
    return take(std::chrono::milliseconds::zero());
}

DataFolderLock::Take DataFolderLock::take(std::chrono::milliseconds wait) {
    if (m_fd >= 0)
        return Take::Taken;
    m_tookOverStale = false;
    const QDeadlineTimer deadline(wait);
    std::chrono::milliseconds pause = kFirstPause;
    for (;;) {
        const Take taken = attempt();
        if (taken != Take::HeldElsewhere || deadline.hasExpired())
            return taken;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline.remainingTimeAsDuration());
        std::this_thread::sleep_for(std::min(pause, left));
        pause = std::min(pause * 2, kLongestPause);
    }
}

DataFolderLock::Take DataFolderLock::attempt() {
    m_holderMachine.clear();
    const Stale stale = removeStale();
    // Nobody holds it, and nobody can take it: the same as a folder where none can be made.
    if (stale == Stale::Stuck)
        return Take::Unavailable;
    const bool removed = stale == Stale::Removed;
    const QByteArray path = QFile::encodeName(m_path);
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? Take::HeldElsewhere : Take::Unavailable;
    // Locked before anything is written: a start that looks meanwhile finds a young empty file
    // and leaves it alone, and one that looks later finds it held.
    ::flock(fd, LOCK_EX | LOCK_NB);
    struct flock record = {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;
    ::fcntl(fd, F_SETLK, &record);
    if (!writeAll(fd, lockContent())) {
        // A full disk: a lock that names nobody would only be taken over again.
        ::unlink(path.constData());
        ::close(fd);
        return Take::Unavailable;
    }
    ::fdatasync(fd);
    m_fd = fd;
    m_tookOverStale = m_tookOverStale || removed;
    return Take::Taken;
}

DataFolderLock::Stale DataFolderLock::removeStale() {
    const QByteArray path = QFile::encodeName(m_path);
    struct stat entry = {};
    if (::lstat(path.constData(), &entry) != 0)
        return Stale::Kept;
    // Held by a handle that opens nothing (and so never waits), so that what is judged cannot go
    // and a new entry take its place under the same number before the removal looks again.
    const Descriptor pinned(::open(path.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat pinnedEntry = {};
    if (pinned.fd < 0 || ::fstat(pinned.fd, &pinnedEntry) != 0 || !sameEntry(pinnedEntry, entry))
        return Stale::Kept;
    // Only a regular file can be a holder's lock, and only one is ever opened: opening a FIFO
    // waits for a writer, a device may do anything.
    if (S_ISREG(entry.st_mode)) {
        constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        Descriptor file(m_system.openFile(path.constData(), O_RDWR | kFlags));
        if (file.fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
            file.fd = m_system.openFile(path.constData(), O_RDONLY | kFlags);
        // Another user's lock that this user may not read: it may well be held, and taking it
        // over would put two programs on one folder.
        if (file.fd < 0 && (errno == EACCES || errno == EPERM))
            return Stale::Kept;
        struct stat opened = {};
        // Replaced since it was looked at: the next take looks at what is there now.
        if (file.fd >= 0 && (::fstat(file.fd, &opened) != 0 || !sameEntry(opened, entry)))
            return Stale::Kept;
        const std::optional<LockInfo> info =
            file.fd >= 0 ? readLockInfo(file.fd) : std::optional<LockInfo>();
        if (!info) {
            // Negative for a file dated ahead of a clock set back since: not one in the making.
            const qint64 age = ageMs(entry);
            if (age >= 0 && age < kInTheMakingMs)
                return Stale::Kept;
        }
        switch (file.fd >= 0 ? fileLockOf(file.fd, m_system.fileLocks) : FileLock::Unknown) {
        case FileLock::Held:
            if (info && !info->namesThisMachine())
                m_holderMachine = info->machine();
            return Stale::Kept;
        case FileLock::Unknown:
            // Nothing tells whether a holder elsewhere runs; one of this boot, its process.
            if (info && (!info->namesThisBoot() ||
                         processRuns(info->pid, info->app, entry, {pinned.fd, file.fd}))) {
                if (!info->namesThisMachine())
                    m_holderMachine = info->machine();
                return Stale::Kept;
            }
            break;
        case FileLock::Free:
            break;
        }
    }
    if (m_beforeRemoval)
        m_beforeRemoval();
    switch (removeJudged(m_path, entry, m_system.removeFile)) {
    case Removal::Removed:
        return Stale::Removed;
    case Removal::Changed:
        return Stale::Kept;
    case Removal::Failed:
        break;
    }
    return Stale::Stuck;
}

bool DataFolderLock::processRuns(qint64 pid, const QString& app, const struct stat& lock,
                                 const std::array<int, 2>& looking) const {
    // Not permitted to signal it: another user's process, which runs.
    if (m_system.signal(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    const QString exe = QFileInfo(QString::fromLatin1(procPath(pid, "/exe"))).symLinkTarget();
    if (!exe.isEmpty() && !app.isEmpty() && QFileInfo(exe).fileName() != app)
        return false;
    // A holder keeps its lock file open for as long as it runs; a program that has only taken
    // its number since, even another instance of the program on another folder, does not.
    // Another user's process does not let this one look: it may be the holder.
    const QByteArray folder = procPath(pid, "/fd");
    DIR* const descriptors = ::opendir(folder.constData());
    if (!descriptors)
        return errno != ENOENT;
    // This process's own look at the file is no hold on it.
    const bool self = pid == qint64(::getpid());
    bool holds = false;
    while (const dirent* open = ::readdir(descriptors)) {
        bool number = false;
        const int fd = QByteArray(open->d_name).toInt(&number);
        if (!number || (self && std::find(looking.cbegin(), looking.cend(), fd) != looking.cend()))
            continue;
        struct stat target = {};
        const QByteArray link = folder + '/' + open->d_name;
        if (::stat(link.constData(), &target) == 0 && sameEntry(target, lock)) {
            holds = true;
            break;
        }
    }
    ::closedir(descriptors);
    return holds;
}

DataFolderLock::Holder DataFolderLock::holderOf(const QString& lockFile, bool read) {
    const QByteArray path = QFile::encodeName(lockFile);
    struct stat entry = {};
    if (::lstat(path.constData(), &entry) != 0 || !S_ISREG(entry.st_mode))
        return {};
    const Descriptor file(
        read ? ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1);
    const std::optional<LockInfo> info =
        file.fd >= 0 ? readLockInfo(file.fd) : std::optional<LockInfo>();
    if (info && !info->namesThisMachine()) {
        if (info->host == QSysInfo::machineHostName())
            return {Holder::Kind::SameName, info->host};
        return {Holder::Kind::OtherComputer, info->machine()};
    }
    // The one who made it holds it; of a lock of this boot, the process it names, which may be
    // another user's that has taken the number of a holder of this one.
    uid_t owner = entry.st_uid;
    struct stat process = {};
    if (info && info->namesThisBoot() && ::stat(procPath(info->pid, "").constData(), &process) == 0)
        owner = process.st_uid;
    if (owner != ::geteuid())
        return {Holder::Kind::OtherUser, userName(owner)};
    return {};
}

bool DataFolderLock::held() const {
    return m_fd >= 0;
}

void DataFolderLock::release() {
    if (m_fd < 0)
        return;
    // Removed while still file-locked, and only if it is still this process's file: a start that
    // looks meanwhile finds it held, and then gone.
    const QByteArray path = QFile::encodeName(m_path);
    struct stat mine = {};
    struct stat named = {};
    if (::fstat(m_fd, &mine) == 0 && ::lstat(path.constData(), &named) == 0 &&
        sameEntry(mine, named))
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace Ko
