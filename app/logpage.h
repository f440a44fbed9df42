#pragma once

#include <QObject>
#include <QString>

namespace Ko {

// Backs the log page: shows, clears and copies the log file "vtflog.txt".
// Threads: main thread only.
class LogPage : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // What is on disk at the moment of the call; lines appended later show at the next call.
    Q_INVOKABLE QString logString() const;
    Q_INVOKABLE void clearLog();
    Q_INVOKABLE void copyToClipboard();
};

} // namespace Ko
