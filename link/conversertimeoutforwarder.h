#pragma once

#include "base/callbacklist.h"

#include <QObject>

#include <memory>
#include <mutex>

namespace Ko {

class IConverserTimeout;

// Shows the link's time-out state to QML. It listens to at most one converser at a time and
// leaves that converser's listener list when it moves on or dies, so a converser that outlives it
// never calls into it.
// Threads: any thread; QML reads it on the main thread.
class ConverserTimeoutForwarder : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool timedout READ timedout NOTIFY timedoutChanged_q)
public:
    explicit ConverserTimeoutForwarder(QObject* parent = nullptr);
    ~ConverserTimeoutForwarder() override;

    // An empty pointer detaches.
    void attach(std::shared_ptr<IConverserTimeout> converser);
    bool timedout() const;

signals:
    // May be emitted on the thread that ran the exchange.
    void timedoutChanged_q();

private:
    struct Guard;
    void detachLocked(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex;
    std::shared_ptr<IConverserTimeout> m_converser;
    eventpp::CallbackList<void(bool)>::Handle m_handle;
    std::shared_ptr<Guard> m_guard;
};

} // namespace Ko
