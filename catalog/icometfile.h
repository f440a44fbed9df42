#pragma once

#include "base/callbacklist.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <cstdio>

namespace Ko {

// The local comet-elements file in the writable data folder, the record of its last successful
// download, and the download that refreshes it.
// Threads: main thread only.
class ICometFile : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool downloading READ downloading NOTIFY downloadingChanged)
    Q_PROPERTY(QDateTime downloadTime READ downloadDateTime NOTIFY fileChanged_q)
    Q_PROPERTY(QString failure READ failure NOTIFY downloadingChanged)
public:
    using QObject::QObject;

    // Fires once per finished download, after downloadingChanged: true when a new file arrived
    // (before fileChanged_q), false when the transfer failed and the local file stayed as it was.
    eventpp::CallbackList<void(bool ok)> downloadFinished;

    // The local elements file opened for reading, or null when there is none; the caller closes
    // it. A download replaces the file whole, so an open stream keeps reading the old one.
    virtual FILE* openFile() = 0;
    // Starts a download unless one is running; emits downloadingChanged either way.
    Q_INVOKABLE virtual void downloadAsync() = 0;
    virtual bool downloading() const = 0;
    // Why the last download failed, as the network layer words it; empty once another starts,
    // after a success, and before any.
    virtual QString failure() const = 0;
    // Unix seconds of the last successful download; 0 when unknown.
    virtual int64_t downloadTime() const = 0;

    // downloadTime in local time.
    QDateTime downloadDateTime() const { return QDateTime::fromSecsSinceEpoch(downloadTime()); }

signals:
    void downloadingChanged();
    void fileChanged_q();
};

} // namespace Ko
