#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

namespace Ko {

// The claim of one process on a data folder: a lock file in the folder that exactly one process
// holds at a time. Taking it is atomic (the file is created exclusively), so of two starts at the
// same moment only one gets it. A lock left by a process that ended without releasing it (a
// crash, kill -9) is told from a live one by the process it names, and taken over; its age does
// not count, as a live program holds its lock for days. So is a lock that cannot be read as one
// (empty after a power cut, garbage, a directory, a dangling link, a file that cannot be opened):
// it names no process, and left alone it would keep every start out for good. A live holder keeps
// an exclusive file lock on its lock file, so such a file is only removed while nobody holds it,
// and not in the moment between a holder's creating it and writing its process into it.
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
    // The same, but waits up to wait for a holder to release it. QLockFile retries at growing
    // intervals, from 100 ms: meant for a holder that is about to let go, not for a long wait.
    Take take(std::chrono::milliseconds wait);
    bool held() const;
    // Whether the last take found the lock of a process that had ended, or a lock that could not
    // be read, and took it over.
    bool tookOverStaleLock() const { return m_tookOverStale; }
    void release();

    QString filePath() const { return m_path; }

private:
    Take taken(bool locked);
    // Removes a lock file that cannot be read as a lock; true if it did.
    bool removeUnreadable() const;

    const QString m_path;
    QLockFile m_file;
    bool m_tookOverStale = false;
};

} // namespace Ko
