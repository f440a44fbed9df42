#pragma once

#include "base/callbacklist.h"

#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace Ko {

// Keeps the subscriptions one subscriber made to one owner's callback list and removes them all
// when it is destroyed (or on removeAll). Removal waits for a call of the callback that another
// thread may be running, so once the keeper is gone none of its callbacks runs or starts again:
// a subscriber that holds its keeper as a member is never called back after its destructor has
// passed that member. The keeper holds the owner list alive. A keeper made without a list is
// unbound: it appends nothing until bind gives it one.
// Threads: any thread.
template <class Signature>
class CallbackSubscriptions {
public:
    using List = eventpp::CallbackList<Signature>;
    using Callback = typename List::Callback;

    CallbackSubscriptions() = default;
    explicit CallbackSubscriptions(std::shared_ptr<List> list) : m_list(std::move(list)) {}
    // The list `member` of owner, kept alive through owner.
    template <class Owner>
    CallbackSubscriptions(const std::shared_ptr<Owner>& owner, List Owner::*member)
        : m_list(owner ? std::shared_ptr<List>(owner, &((*owner).*member)) : nullptr) {}

    ~CallbackSubscriptions() { removeAll(); }
    CallbackSubscriptions(const CallbackSubscriptions&) = delete;
    CallbackSubscriptions& operator=(const CallbackSubscriptions&) = delete;

    // Drops the subscriptions to the previous list first.
    void bind(std::shared_ptr<List> list) {
        removeAll();
        std::lock_guard lock(m_mutex);
        m_list = std::move(list);
    }

    bool isBound() const {
        std::lock_guard lock(m_mutex);
        return m_list != nullptr;
    }

    // false when unbound (nothing appended).
    bool append(Callback cb) {
        std::lock_guard lock(m_mutex);
        if (!m_list)
            return false;
        m_handles.push_back(m_list->append(std::move(cb)));
        return true;
    }

    void removeAll() {
        std::shared_ptr<List> list;
        std::vector<typename List::Handle> handles;
        {
            std::lock_guard lock(m_mutex);
            list = m_list;
            handles.swap(m_handles);
        }
        // Outside the keeper's lock: removing waits for running callbacks, and one of them may be
        // appending through this very keeper.
        if (list)
            for (const auto& h : handles)
                list->remove(h);
    }

private:
    mutable std::mutex m_mutex;
    // Both guarded by m_mutex.
    std::shared_ptr<List> m_list;
    std::vector<typename List::Handle> m_handles;
};

} // namespace Ko
