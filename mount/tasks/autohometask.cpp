#include "mount/tasks/autohometask.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "base/log.h"

#include <thread>

namespace Ko {

AutoHomeTask::AutoHomeTask(std::shared_ptr<ITCCancellable> cancellable,
                           std::shared_ptr<ICancellableThreadContext> threadContext,
                           std::shared_ptr<IAxisAutoHomeTask> axis1,
                           std::shared_ptr<IAxisAutoHomeTask> axis2)
    : m_cancellable(std::move(cancellable)),
      m_threadContext(std::move(threadContext)), m_axisTasks{std::move(axis1), std::move(axis2)} {
    KO_ASSERT(m_cancellable && m_threadContext && m_axisTasks[0] && m_axisTasks[1]);
}

Nullable<CmdRetType_::E> AutoHomeTask::axisResult(int slot) const {
    std::lock_guard lock(m_mutex);
    return m_results[slot];
}

CmdRetType_::E AutoHomeTask::run() {
    const std::shared_ptr<ICancellable> token = m_cancellable->current();
    auto home = [this, token](int slot) {
        m_threadContext->setCurrent(token);
        const CmdRetType_::E r = m_axisTasks[slot]->run();
        {
            std::lock_guard lock(m_mutex);
            m_results[slot] = r;
        }
        m_threadContext->setCurrent(nullptr);
        Log("Auto-home of axis %d ended: %s", slot + 1, cmdRetTypeText(r));
    };
    std::array<std::thread, 2> threads;
    threads[0] = std::thread(home, 0);
    try {
        threads[1] = std::thread(home, 1);
    } catch (...) {
        // Without a second thread: the first must not be left running unjoined.
        threads[0].join();
        throw;
    }
    for (auto& t : threads)
        t.join();
    return CmdRetType_::Ok;
}

} // namespace Ko
