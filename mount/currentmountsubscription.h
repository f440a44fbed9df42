#pragma once

#include "base/callbacksubscriptions.h"

#include <functional>
#include <memory>
#include <mutex>

namespace Ko {

class IMount;
class IMountConnection;

// Follows one callback list of whichever mount the connection holds. On every change of mount it
// moves its subscription to the new mount's list (dropping the old one, so that a mount that goes
// is not kept alive here) and then calls onMountChanged; onMountEvent runs for each firing of the
// list. Both run on the thread that fires. A mount already held at construction is followed from
// the start. Destroying the object ends both subscriptions; afterwards neither callback runs.
// Threads: any thread.
class CurrentMountSubscription {
public:
    using List = eventpp::CallbackList<void()>;

    CurrentMountSubscription(std::shared_ptr<IMountConnection> connection, List IMount::*list,
                             std::function<void()> onMountEvent,
                             std::function<void()> onMountChanged);

private:
    void bindToMount();

    const std::shared_ptr<IMountConnection> m_connection;
    List IMount::*const m_list;
    const std::function<void()> m_onMountEvent;
    // Keeps a re-subscription whole when mounts change on two threads.
    std::mutex m_rebindMutex;
    CallbackSubscriptions<void()> m_mountSubscription;
    // Last: removed first, so that no change of mount rebinds a half-destroyed object.
    CallbackSubscriptions<void()> m_connectionSubscription;
};

} // namespace Ko
