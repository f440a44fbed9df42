#pragma once

#include "model/alignmentdata.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <string>

namespace Ko {

// Grows the pointing model from sync commands while alignWithSyncTo is on: each synced star joins
// the model, the oldest of three leaving; the newest star can be taken out again.
// Threads: any thread (the remote-control server's and the main thread call it).
class IAlignerHelper : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool alignWithSyncTo READ alignWithSyncTo WRITE setAlignWithSyncTo)
public:
    using QObject::QObject;

    bool alignWithSyncTo() const { return m_alignWithSyncTo.load(); }
    void setAlignWithSyncTo(bool on) { m_alignWithSyncTo.store(on); }

    // pair: the synced position (observed hour angle and declination) and the axis angles read
    // with it. True when the star joined the model.
    virtual bool sequentialAlign(const std::string& name, const ALIGNMENT_PAIR& pair) = 0;
    Q_INVOKABLE virtual void removeLastStar() = 0;

signals:
    // The solver rejected the newest star; starLocation is where it stood (azimuth, altitude).
    void sequentialAlignFailed(QString starLocation);

private:
    std::atomic<bool> m_alignWithSyncTo{false};
};

} // namespace Ko
