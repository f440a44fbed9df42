#pragma once

#include "mount/tasks/imounttaskmanager.h"

#include <condition_variable>
#include <list>
#include <mutex>
#include <set>

namespace Ko {

class ICancellable;
class ICancellableThreadContext;

// One per connected mount. Each task runs on a background job that holds only a weak reference
// to the manager, so a finished task after the manager is gone just ends. m_mutex guards the two
// lists and the tag map; no callback and no tasksChanged subscriber is called while it is held.
// Shutdown (and so the destructor) waits, bounded, until the running task threads are done with
// their task, so they do not go on using the mount's objects while the program exits.
// Threads: any thread; each task's run and its callbacks on the task's own thread.
class MountTaskManager : public IMountTaskManager {
public:
    explicit MountTaskManager(std::shared_ptr<ICancellableThreadContext> threadContext);
    ~MountTaskManager() override;

    void init(std::shared_ptr<IMountTaskManager> self) override;
    uint32_t taskType(int resource) override;
    std::map<int, uint32_t> taskTypes() override;
    std::shared_ptr<ICanceller> start(std::shared_ptr<IMountTask> task,
                                      std::function<void()> onStarted,
                                      std::function<void(CmdRet)> onFinished) override;
    void shutdown() override;

    // Long enough for a cancelled task to leave a command exchange in flight with its resends.
    static constexpr int64_t kShutdownWaitMs = 3000;

private:
    struct Entry;
    // Counts the task threads still at work; shared with them so that it outlives the manager.
    struct ThreadCount {
        std::mutex mutex;
        std::condition_variable done;
        int running = 0;
    };

    // Both with m_mutex held.
    void launchLocked(const std::shared_ptr<Entry>& entry);
    std::shared_ptr<Entry> startOnePendingLocked();
    void complete(const std::shared_ptr<Entry>& entry);
    static void threadMain(std::weak_ptr<MountTaskManager> manager,
                           std::shared_ptr<ICancellableThreadContext> threadContext,
                           std::shared_ptr<Entry> entry, std::shared_ptr<ThreadCount> count);

    const std::shared_ptr<ICancellableThreadContext> m_threadContext;
    const std::shared_ptr<ThreadCount> m_threadCount = std::make_shared<ThreadCount>();
    std::weak_ptr<MountTaskManager> m_self;

    std::mutex m_mutex;
    std::list<std::shared_ptr<Entry>> m_running;
    std::list<std::shared_ptr<Entry>> m_pending;
    std::map<int, uint32_t> m_tags;
};

} // namespace Ko
