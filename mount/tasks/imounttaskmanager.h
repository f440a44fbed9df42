#pragma once

#include "base/callbacklist.h"
#include "link/cmdret.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace Ko {

class ICanceller;
class IMountTask;

// Runs mount tasks, each on a thread of its own. Tasks with disjoint resources run side by side;
// a newer task cancels the running tasks it shares a resource with and waits until they have
// ended, and replaces a task still waiting for any of its resources. For each resource it keeps
// the tag of the task that claimed it last.
// Threads: any thread; each task's run and its callbacks on the task's own thread.
class IMountTaskManager {
public:
    virtual ~IMountTaskManager() = default;

    // Must be called once with the owning pointer of this very manager before the first start.
    virtual void init(std::shared_ptr<IMountTaskManager> self) = 0;
    // 0 when no task has claimed the resource.
    virtual uint32_t taskType(int resource) = 0;
    virtual std::map<int, uint32_t> taskTypes() = 0;
    // onStarted runs on the task's thread just before run, onFinished right after it with run's
    // result; either may be empty. The handle cancels the task whether it waits or runs.
    virtual std::shared_ptr<ICanceller> start(std::shared_ptr<IMountTask> task,
                                              std::function<void()> onStarted,
                                              std::function<void(CmdRet)> onFinished) = 0;
    // Drops the waiting tasks without their callbacks and cancels the running ones.
    virtual void shutdown() = 0;

    // Fired after every start and after every task's end, on the thread that did it.
    eventpp::CallbackList<void()> tasksChanged;
};

} // namespace Ko
