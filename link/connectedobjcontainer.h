#pragma once

#include <memory>
#include <mutex>
#include <utility>

namespace Ko {

// Holds the one object that belongs to the connected mount (its axes, for instance), so that
// application-wide services can reach it while it exists. The connection swaps it on connecting
// and empties it on disconnecting; readers on any thread get either the old or the new object,
// never a torn pointer, and keep it alive for as long as they hold the copy.
// Threads: any thread.
template <class T>
class ConnectedObjContainer {
public:
    ConnectedObjContainer() = default;
    ConnectedObjContainer(const ConnectedObjContainer&) = delete;
    ConnectedObjContainer& operator=(const ConnectedObjContainer&) = delete;

    std::shared_ptr<T> get() const {
        std::lock_guard lock(m_mutex);
        return m_obj;
    }

    void set(std::shared_ptr<T> obj) {
        std::shared_ptr<T> old;
        {
            std::lock_guard lock(m_mutex);
            old = std::exchange(m_obj, std::move(obj));
        }
        // The old object may be the last reference to a whole mount graph: let it go outside the
        // lock, so its destructor can never wait on a reader of this container.
    }

    void reset() { set(nullptr); }

private:
    mutable std::mutex m_mutex;
    // Guarded by m_mutex.
    std::shared_ptr<T> m_obj;
};

} // namespace Ko
