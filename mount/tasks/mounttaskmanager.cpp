#include "mount/tasks/mounttaskmanager.h"

#include "base/backgroundwork.h"
#include "base/cancellable.h"
#include "base/koassert.h"
#include "base/log.h"
#include "mount/tasks/imounttask.h"

#include <chrono>
#include <system_error>

namespace Ko {

struct MountTaskManager::Entry {
    std::shared_ptr<IMountTask> task;
    // Read once at start: the task occupies exactly these until it has ended.
    std::set<int> resources;
    std::shared_ptr<ControlledCancellable> token = std::make_shared<ControlledCancellable>();
    std::function<void()> onStarted;
    std::function<void(CmdRet)> onFinished;
};

namespace {

bool intersects(const std::set<int>& a, const std::set<int>& b) {
    for (int r : a) {
        if (b.count(r))
            return true;
    }
    return false;
}

// The thread count of the manager whose task runs on this thread, so that a manager destroyed
// from one of its own task threads does not wait for that thread.
thread_local const void* t_runningFor = nullptr;

} // namespace

std::string mountTaskTagText(uint32_t tag) {
    if (tag == 0)
        return "none";
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += static_cast<char>((tag >> shift) & 0xFF);
    return text;
}

MountTaskManager::MountTaskManager(std::shared_ptr<ICancellableThreadContext> threadContext)
    : m_threadContext(std::move(threadContext)), m_tags{
                                                     {MountResource::Axis1, MountTaskTag::AxisStop},
                                                     {MountResource::Axis2, MountTaskTag::AxisStop},
                                                     {MountResource::Reserved,
                                                      MountTaskTag::Unclaimed},
                                                     {MountResource::PositionReading, 0}} {
    KO_ASSERT(m_threadContext);
}

MountTaskManager::~MountTaskManager() {
    shutdown();
}

void MountTaskManager::init(std::shared_ptr<IMountTaskManager> self) {
    auto cast = std::dynamic_pointer_cast<MountTaskManager>(self);
    KO_ASSERT(cast.get() == this);
    m_self = cast;
}

uint32_t MountTaskManager::taskType(int resource) {
    std::lock_guard lock(m_mutex);
    return m_tags[resource];
}

std::map<int, uint32_t> MountTaskManager::taskTypes() {
    std::lock_guard lock(m_mutex);
    return m_tags;
}

std::shared_ptr<ICanceller> MountTaskManager::start(std::shared_ptr<IMountTask> task,
                                                    std::function<void()> onStarted,
                                                    std::function<void(CmdRet)> onFinished) {
    KO_ASSERT(task);
    auto entry = std::make_shared<Entry>();
    entry->task = std::move(task);
    entry->resources = entry->task->resources();
    entry->onStarted = std::move(onStarted);
    entry->onFinished = std::move(onFinished);
    {
        std::lock_guard lock(m_mutex);
        // The tags change at once, even when the task has to wait.
        const uint32_t tag = entry->task->type();
        for (int r : entry->resources)
            m_tags[r] = tag;

        // A waiting task that wants any of the same resources is replaced: it never runs and
        // hears nothing.
        m_pending.remove_if([&](const std::shared_ptr<Entry>& p) {
            return intersects(p->resources, entry->resources);
        });

        std::list<std::shared_ptr<Entry>> conflicting;
        for (const auto& r : m_running) {
            if (intersects(r->resources, entry->resources))
                conflicting.push_back(r);
        }
        if (conflicting.empty()) {
            launchLocked(entry);
        } else {
            m_pending.push_back(entry);
            for (const auto& r : conflicting)
                r->token->cancel();
        }
    }
    tasksChanged();
    return entry->token;
}

void MountTaskManager::launchLocked(const std::shared_ptr<Entry>& entry) {
    {
        std::lock_guard lock(m_threadCount->mutex);
        ++m_threadCount->running;
    }
    try {
        // Shutdown of the program cancels it like a newer task would.
        runInBackground(
            "mount task " + mountTaskTagText(entry->task->type()),
            [self = m_self, context = m_threadContext, entry, count = m_threadCount]() mutable {
                threadMain(std::move(self), std::move(context), std::move(entry), std::move(count));
            },
            [token = entry->token] { token->cancel(); });
    } catch (const std::system_error&) {
        std::lock_guard lock(m_threadCount->mutex);
        --m_threadCount->running;
        throw;
    }
    // The new thread cannot complete before this: its completion needs m_mutex.
    m_running.push_back(entry);
}

void MountTaskManager::threadMain(std::weak_ptr<MountTaskManager> manager,
                                  std::shared_ptr<ICancellableThreadContext> threadContext,
                                  std::shared_ptr<Entry> entry,
                                  std::shared_ptr<ThreadCount> count) {
    t_runningFor = count.get();
    if (entry->onStarted)
        entry->onStarted();
    const std::string tag = mountTaskTagText(entry->task->type());
    Log("Task %s started", tag.c_str());
    LogIndentPush();
    threadContext->setCurrent(entry->token);
    const CmdRetType_::E result = entry->task->run();
    threadContext->setCurrent(nullptr);
    LogIndentPop();
    Log("Task %s ended: %s", tag.c_str(), cmdRetTypeText(result));
    if (entry->onFinished)
        entry->onFinished(CmdRet(result));
    if (auto self = manager.lock()) {
        self->complete(entry);
        // When this was the last owner, the manager ends here, on this thread.
        self.reset();
    }
    // The task and everything it holds go before the thread reports itself done.
    entry.reset();
    threadContext.reset();
    {
        std::lock_guard lock(count->mutex);
        --count->running;
    }
    count->done.notify_all();
}

void MountTaskManager::complete(const std::shared_ptr<Entry>& entry) {
    {
        std::lock_guard lock(m_mutex);
        // Axes keep the finished task's tag until another task claims them; the mount reads it
        // to decide how an axis carries on.
        if (entry->resources.count(MountResource::PositionReading))
            m_tags[MountResource::PositionReading] = 0;
        m_running.remove(entry);
    }
    tasksChanged();

    std::list<std::shared_ptr<Entry>> unstartable;
    {
        std::lock_guard lock(m_mutex);
        for (;;) {
            try {
                if (!startOnePendingLocked())
                    break;
            } catch (const std::system_error& e) {
                // No thread for it: its owner still hears that it ended.
                Log("Task thread not created: %s", e.what());
                unstartable.push_back(m_pending.front());
                m_pending.pop_front();
            }
        }
    }
    for (const auto& e : unstartable) {
        if (e->onFinished)
            e->onFinished(CmdRet(CmdRetType_::Other));
    }
}

std::shared_ptr<MountTaskManager::Entry> MountTaskManager::startOnePendingLocked() {
    for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
        bool free = true;
        for (const auto& r : m_running) {
            if (intersects((*it)->resources, r->resources)) {
                free = false;
                break;
            }
        }
        if (!free)
            continue;
        auto entry = *it;
        // Moved to the front first, so that a failed launch can find it there.
        m_pending.splice(m_pending.begin(), m_pending, it);
        launchLocked(entry);
        m_pending.pop_front();
        return entry;
    }
    return nullptr;
}

void MountTaskManager::shutdown() {
    {
        std::lock_guard lock(m_mutex);
        m_pending.clear();
        for (const auto& r : m_running)
            r->token->cancel();
    }
    const int self = t_runningFor == m_threadCount.get() ? 1 : 0;
    std::unique_lock lock(m_threadCount->mutex);
    if (!m_threadCount->done.wait_for(lock, std::chrono::milliseconds(kShutdownWaitMs),
                                      [&] { return m_threadCount->running <= self; }))
        Log("Mount tasks still running after %lld ms", static_cast<long long>(kShutdownWaitMs));
}

} // namespace Ko
