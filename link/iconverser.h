#pragma once

#include "base/callbacklist.h"
#include "base/cbytes.h"
#include "link/cmdret.h"

#include <QObject>

namespace Ko {

// One request/reply exchange at byte level. A transport converser answers Ok with the reply bytes,
// or Timeout or Cancel without a value; never Nak or Other.
// Threads: a task's own thread (an exchange blocks until the reply or the time-out);
// IConverserTimeout any thread.
class IConverser : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual CmdResp<CBytes> converse(const CBytes& request) = 0;

signals:
    // Every attempt of one exchange went unanswered. Emitted on the exchange's thread.
    void converseTimeout();
    // The far end is gone for good (a Bluetooth LE device that disconnected): unlike an
    // unanswered exchange, no later one can succeed over this link.
    void linkLost();
};

// The link's time-out state: whether the last exchange ended in Timeout.
class IConverserTimeout {
public:
    virtual ~IConverserTimeout() = default;
    virtual bool timedout() = 0;

    // Fired with the new state whenever it changes, on the thread that ran the exchange.
    eventpp::CallbackList<void(bool)> timedoutChangedList;
};

} // namespace Ko
