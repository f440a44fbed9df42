#include "link/conversertimeoutforwarder.h"

#include "link/iconverser.h"

#include <utility>

namespace Ko {

// Shared between the forwarder and its listener. The listener emits only while holding the lock
// and seeing a live owner, and the forwarder clears the owner under that lock before it detaches
// or dies, so an emission already running on an exchange thread finishes before the forwarder
// goes. Recursive, because a directly connected slot may re-attach from inside the emission.
struct ConverserTimeoutForwarder::Guard {
    std::recursive_mutex mutex;
    ConverserTimeoutForwarder* owner = nullptr;
};

ConverserTimeoutForwarder::ConverserTimeoutForwarder(QObject* parent) : QObject(parent) {}

ConverserTimeoutForwarder::~ConverserTimeoutForwarder() {
    std::unique_lock lock(m_mutex);
    detachLocked(lock);
}

void ConverserTimeoutForwarder::detachLocked(std::unique_lock<std::mutex>& lock) {
    std::shared_ptr<IConverserTimeout> old = std::move(m_converser);
    std::shared_ptr<Guard> guard = std::move(m_guard);
    const auto handle = std::exchange(m_handle, {});
    lock.unlock();
    if (guard) {
        std::lock_guard guardLock(guard->mutex);
        guard->owner = nullptr;
    }
    if (old)
        old->timedoutChangedList.remove(handle);
    lock.lock();
}

void ConverserTimeoutForwarder::attach(std::shared_ptr<IConverserTimeout> converser) {
    {
        std::unique_lock lock(m_mutex);
        detachLocked(lock);
        if (converser) {
            auto guard = std::make_shared<Guard>();
            guard->owner = this;
            m_handle = converser->timedoutChangedList.append([guard](bool) {
                std::lock_guard guardLock(guard->mutex);
                if (guard->owner)
                    emit guard->owner->timedoutChanged_q();
            });
            m_guard = std::move(guard);
            m_converser = std::move(converser);
        }
    }
    emit timedoutChanged_q();
}

bool ConverserTimeoutForwarder::timedout() const {
    std::shared_ptr<IConverserTimeout> converser;
    {
        std::lock_guard lock(m_mutex);
        converser = m_converser;
    }
    return converser ? converser->timedout() : false;
}

} // namespace Ko
