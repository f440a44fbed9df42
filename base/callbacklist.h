#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A small stand-in for the subset of eventpp's CallbackList that the services use for their change
// events. Callbacks run in append order on the calling thread, outside the list's lock, so a
// callback may remove itself or append another while the list fires. When remove() returns, the
// removed callback is neither running on another thread nor started again, so its owner may be
// destroyed right after removing it.
// Threads: any thread.
namespace eventpp {

template <class Signature>
class CallbackList;

template <class R, class... Args>
class CallbackList<R(Args...)> {
    struct Node {
        std::function<R(Args...)> callback;
        std::atomic<bool> removed{false};
        // Held while the callback runs; recursive so that a callback can remove itself.
        std::recursive_mutex running;
    };

public:
    using Callback = std::function<R(Args...)>;
    // An opaque handle; an empty handle refers to nothing.
    class Handle {
    public:
        Handle() = default;
        explicit operator bool() const { return !m_node.expired(); }
        // Two handles of the same appended callback.
        friend bool operator==(const Handle& a, const Handle& b) {
            return !a.m_node.owner_before(b.m_node) && !b.m_node.owner_before(a.m_node);
        }

    private:
        friend class CallbackList;
        explicit Handle(std::weak_ptr<Node> n) : m_node(std::move(n)) {}
        std::weak_ptr<Node> m_node;
    };

    CallbackList() = default;
    CallbackList(const CallbackList&) = delete;
    CallbackList& operator=(const CallbackList&) = delete;

    Handle append(Callback cb) {
        auto node = std::make_shared<Node>();
        node->callback = std::move(cb);
        std::lock_guard lock(m_mutex);
        m_nodes.push_back(node);
        return Handle(node);
    }

    bool remove(const Handle& handle) {
        auto node = handle.m_node.lock();
        if (!node)
            return false;
        {
            std::lock_guard lock(m_mutex);
            auto it = std::find(m_nodes.begin(), m_nodes.end(), node);
            if (it == m_nodes.end())
                return false;
            node->removed = true;
            m_nodes.erase(it);
        }
        // Waits for a call of this callback that another thread may be running.
        std::lock_guard wait(node->running);
        return true;
    }

    bool empty() const {
        std::lock_guard lock(m_mutex);
        return m_nodes.empty();
    }

    // The callbacks appended so far, in append order.
    std::vector<Handle> handles() const {
        std::lock_guard lock(m_mutex);
        std::vector<Handle> result;
        result.reserve(m_nodes.size());
        for (const auto& node : m_nodes)
            result.push_back(Handle(node));
        return result;
    }

    // Calls one callback, as operator() would; false when it has been removed.
    bool call(const Handle& handle, Args... args) const {
        auto node = handle.m_node.lock();
        if (!node)
            return false;
        std::lock_guard run(node->running);
        if (node->removed || !node->callback)
            return false;
        node->callback(args...);
        return true;
    }

    void operator()(Args... args) const {
        std::vector<std::shared_ptr<Node>> snapshot;
        {
            std::lock_guard lock(m_mutex);
            snapshot = m_nodes;
        }
        for (const auto& node : snapshot) {
            std::lock_guard run(node->running);
            if (!node->removed && node->callback)
                node->callback(args...);
        }
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<Node>> m_nodes;
};

} // namespace eventpp
