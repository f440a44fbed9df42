#pragma once

#include "mount/tasks/itrailpointssender.h"

#include <memory>

namespace Ko {

class IClock;
class IConnectionSettings;
class IKoMCommand;
class ITCCancellable;

// The real mount's sender: each point goes out as a time-stamped axis target into the mount's
// queue, as late as the measured command latency allows and never into a full queue; then the
// queue is left to drain and the extended motion is ended. While it sends, the link makes no
// resends, so a lost reply costs one point rather than several round trips; that override lives
// in memory only and ends with the send, however it ends.
// Threads: a task's own thread.
class TrailPointsSender_Absolute : public ITrailPointsSender {
public:
    TrailPointsSender_Absolute(std::shared_ptr<IClock> clock,
                               std::shared_ptr<IConnectionSettings> settings,
                               std::shared_ptr<ITCCancellable> cancellable,
                               std::shared_ptr<IKoMCommand> command);

    CmdRetType_::E send(const TrailPointsSegment& segment, uint32_t startIndex,
                        const Progress& progress) override;

    // Round trips averaged for the send-ahead time.
    static constexpr int kLatencyWindow = 4;
    // No wait on the mount is shorter, so a tiny interval cannot turn a wait into polling.
    static constexpr int64_t kMinWaitMs = 10;

private:
    CmdRetType_::E sendPoints(const TrailPointsSegment& segment, uint32_t startIndex,
                              const Progress& progress);
    // The queue's free slots; a time-out asks again.
    CmdRetType_::E readFreeSlots(uint16_t* free);
    // Waits until the mount has used all but the last queued target.
    CmdRetType_::E drain(const TrailPointsSegment& segment, int capacity);

    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IKoMCommand> m_command;
};

} // namespace Ko
