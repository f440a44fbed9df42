#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A small stand-in for the subset of eventpp's CallbackList that the services use for their change
// events. Callbacks run in append order on the calling thread, outside the list's lock, so a
// callback may remove itself or append another while the list fires. After remove() returns, the
// removed callback is never started again; a call already running on another thread may finish.
namespace eventpp {

template <class Signature>
class CallbackList;

template <class R, class... Args>
class CallbackList<R(Args...)> {
    struct Node {
        std::function<R(Args...)> callback;
        bool removed = false;
    };

public:
    using Callback = std::function<R(Args...)>;
    // An opaque handle; an empty handle refers to nothing.
    class Handle {
    public:
        Handle() = default;
        explicit operator bool() const { return !m_node.expired(); }

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
        std::lock_guard lock(m_mutex);
        for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
            if (*it == node) {
                node->removed = true;
                m_nodes.erase(it);
                return true;
            }
        }
        return false;
    }

    bool empty() const {
        std::lock_guard lock(m_mutex);
        return m_nodes.empty();
    }

    void operator()(Args... args) const {
        std::vector<std::shared_ptr<Node>> snapshot;
        {
            std::lock_guard lock(m_mutex);
            snapshot = m_nodes;
        }
        for (const auto& node : snapshot) {
            {
                // The removed flag is written under the same lock, so a remove() that returned
                // before this check is always seen.
                std::lock_guard lock(m_mutex);
                if (node->removed)
                    continue;
            }
            if (node->callback)
                node->callback(args...);
        }
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<Node>> m_nodes;
};

} // namespace eventpp
