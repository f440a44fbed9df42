#pragma once

#include <QString>

#include <chrono>
#include <functional>

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
// boot is judged by its process; one from elsewhere is kept, and reported.
// Threads: one thread at a time; the application's main thread in the program.
class DataFolderLock {
public:
    static constexpr char kFileName[] = "instance.lock";

    enum class Take {
        Taken,
        // A live process holds the folder.
        HeldElsewhere,
        // The lock file can be neither made nor read (a folder without write access): nobody can
        // hold the folder.
        Unavailable,
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

    // Test hook: runs after a take has judged what lies under the lock's name to be stale, and
    // before it removes it.
    void setBeforeRemoval(std::function<void()> hook) { m_beforeRemoval = std::move(hook); }

private:
    Take attempt();
    // Removes what lies under the name when no live holder holds it; true if it did.
    bool removeStale();

    const QString m_path;
    // The lock file this process holds, open and file-locked; -1 when it holds none.
    int m_fd = -1;
    bool m_tookOverStale = false;
    QString m_holderMachine;
    std::function<void()> m_beforeRemoval;
};

} // namespace Ko
