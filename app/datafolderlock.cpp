#include "app/datafolderlock.h"

#include <QDir>
#include <QFileInfo>

namespace Ko {

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
    const bool found = QFileInfo::exists(m_path);
    const bool locked = m_file.tryLock(wait);
    // A lock found and taken at once was one whose holder had ended; one taken after a wait was
    // most likely released by its holder.
    m_tookOverStale = locked && found && wait == std::chrono::milliseconds::zero();
    return taken(locked);
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
