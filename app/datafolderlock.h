#pragma once

#include <QString>

#include <array>
#include <chrono>
#include <functional>

#include <sys/stat.h>
#include <sys/types.h>

namespace Ko {

// The claim of one process on a data folder: a lock file in the folder that exactly one process
// holds at a time. Taking it is atomic (the file is created exclusively), so of two starts at the
// same moment only one gets it.
//
// A holder keeps an exclusive file lock on its lock file for as long as it runs (flock, and a
// POSIX record lock, which a shared network folder carries to the other machines), and removes
// the file while it still holds that lock. So a lock file that nobody holds a file lock on is one
// whose holder has ended, whatever it names: a crash, kill -9, a power cut, or a home folder
// restored from a backup or kept across a reinstall, where the lock names another machine or an
// earlier boot. It is taken over; its age does not count, as a live program holds its lock for
// days. So is whatever else lies under the lock's name (empty after a power cut, garbage, a
// directory, a link, a FIFO, a socket): it names no running holder, and left alone it would keep
// every start out for good. Nothing under the name is ever opened in a way that can block, and an
// empty or half-written file younger than a moment is left to the holder that is making it.
//
// Where the folder's file system keeps no file locks, a lock that names this machine's running
// boot is judged by its process: it holds the folder while it runs as the program it names and
// keeps the lock file open, as every holder does; a process number that another program has taken
// since does not. One from elsewhere is kept, and reported.
//
// A lock file that this user cannot open (another user's, made under a strict umask) is never
// removed: nothing tells whether its holder runs. A lock that nobody holds and that cannot be
// removed (a read-only folder) leaves the folder as one without a lock file: nobody can hold it.
// Threads: one thread at a time; the application's main thread in the program. holderOf() may be
// called from any thread.
class DataFolderLock {
public:
    static constexpr char kFileName[] = "instance.lock";

    enum class Take {
        Taken,
        // A live process holds the folder.
        HeldElsewhere,
        // The lock file can be neither made nor removed (a folder without write access): nobody
        // can hold the folder.
        Unavailable,
    };

    // Who a lock file names, as far as this user can tell, for the user to know whom to ask.
    struct Holder {
        enum class Kind {
            // A program of this user on this computer, or nothing more is known.
            ThisComputer,
            // Another computer of a shared network folder; name: that computer.
            OtherComputer,
            // This computer's name with another installation's identity: an earlier installation
            // of this computer, or another computer of the same name; name: that name.
            SameName,
            // A program of another user of this computer; name: that user.
            OtherUser,
        };
        Kind kind = Kind::ThisComputer;
        QString name;
    };

    // The calls through which a take looks at a lock that is not its own: a test stands in for
    // what it cannot make as root, another user's file or process, a folder whose entries cannot
    // be removed, or a file system without file locks.
    struct SystemCalls {
        // open(2) of the lock file, to read it and to file-lock it.
        std::function<int(const char* path, int flags)> openFile;
        // kill(2), to learn whether a process runs.
        std::function<int(pid_t pid, int signal)> signal;
        // unlink(2) of a stale lock file.
        std::function<int(const char* path)> removeFile;
        // Whether the folder's file system keeps file locks.
        bool fileLocks = true;
        // The real ones.
        SystemCalls();
    };

    explicit DataFolderLock(const QString& dataFolder);
    // Releases the folder if held.
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the folder at once if no live process holds it.
    Take tryTake();
    // The same, but waits up to wait for a holder to release it, looking again at growing
    // intervals from 100 ms: meant for a holder that is about to let go, not for a long wait.
    Take take(std::chrono::milliseconds wait);
    bool held() const;
    // Whether the last take found the lock of a process that had ended, or something else under
    // the lock's name, and took it over.
    bool tookOverStaleLock() const { return m_tookOverStale; }
    // The machine that the lock found held by the last take names, when it is not this one (a
    // shared network folder); empty otherwise.
    QString holderMachine() const { return m_holderMachine; }
    void release();

    QString filePath() const { return m_path; }

    // What the lock file at lockFile names. With read, reads the file: not for a process that
    // holds it or may take it meanwhile, as closing what it opened would let go of that process's
    // record lock. Without, tells only whose file it is.
    static Holder holderOf(const QString& lockFile, bool read = true);

    // Test hook: runs after a take has judged what lies under the lock's name to be stale, and
    // before it removes it.
    void setBeforeRemoval(std::function<void()> hook) { m_beforeRemoval = std::move(hook); }
    // Test hook: the system as a take sees it.
    void setSystemCalls(SystemCalls calls) { m_system = std::move(calls); }

private:
    enum class Stale {
        // Nothing lies under the name, or something that a live holder holds, or something that
        // changed while it was looked at.
        Kept,
        Removed,
        // Nobody holds it, and it cannot be removed.
        Stuck,
    };
    Take attempt();
    // Removes what lies under the name when no live holder holds it.
    Stale removeStale();
    // Whether the process that a lock of this boot names still holds it; looking: the
    // descriptors through which this process looks at the lock.
    bool processRuns(qint64 pid, const QString& app, const struct stat& lock,
                     const std::array<int, 2>& looking) const;

    const QString m_path;
    // The lock file this process holds, open and file-locked; -1 when it holds none.
    int m_fd = -1;
    bool m_tookOverStale = false;
    QString m_holderMachine;
    std::function<void()> m_beforeRemoval;
    SystemCalls m_system;
};

} // namespace Ko
