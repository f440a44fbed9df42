#pragma once

#include "base/nullable.h"
#include "mount/tasks/iaxisautohometask.h"
#include "mount/tasks/imounttask.h"

#include <array>
#include <memory>
#include <mutex>

namespace Ko {

class ICancellableThreadContext;
class ITCCancellable;

// Homes both axes at once, each on a thread of its own that shares this task's token, so that
// cancelling the task stops both. The axes' own results are kept for the log and do not change
// this task's result: it ends Ok once both have ended.
// Threads: a task's own thread (run blocks on the mount).
class AutoHomeTask : public IMountTask {
public:
    AutoHomeTask(std::shared_ptr<ITCCancellable> cancellable,
                 std::shared_ptr<ICancellableThreadContext> threadContext,
                 std::shared_ptr<IAxisAutoHomeTask> axis1,
                 std::shared_ptr<IAxisAutoHomeTask> axis2);

    uint32_t type() const override { return MountTaskTag::AutoHome; }
    std::set<int> resources() const override {
        return {MountResource::Axis1, MountResource::Axis2};
    }
    CmdRetType_::E run() override;

    // The result of each axis's search, empty until it has ended.
    Nullable<CmdRetType_::E> axisResult(int slot) const;

private:
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<ICancellableThreadContext> m_threadContext;
    const std::array<std::shared_ptr<IAxisAutoHomeTask>, 2> m_axisTasks;

    mutable std::mutex m_mutex;
    // Guarded by m_mutex: written by the axis threads.
    std::array<Nullable<CmdRetType_::E>, 2> m_results;
};

} // namespace Ko
