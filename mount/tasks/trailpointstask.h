#pragma once

#include "base/nullable.h"
#include "mount/tasks/imounttask.h"
#include "mount/tasks/itrailpointssender.h"

#include <memory>

namespace Ko {

class IClock;
class IKoMCommand;
class IMountAxis;
class IMountAxisUtil;
class TrailPointsListMaker;

// Follows a trail of timed points: syncs the mount's clock, then for each pier-side segment slews
// to the first point it can still reach in time and hands the rest to the sender. A segment that
// cannot be reached in time ends the run with Other (the path was not followed to its end); later
// segments are not tried. A request without points ends with Ok: there is nothing to follow.
// Threads: a task's own thread (run blocks on the mount).
class TrailPointsTask : public IMountTask {
public:
    TrailPointsTask(std::shared_ptr<IClock> clock, std::shared_ptr<IMountAxisUtil> axisUtil,
                    std::shared_ptr<IMountAxis> axes, std::shared_ptr<IKoMCommand> command,
                    std::shared_ptr<ITrailPointsSender> sender,
                    std::unique_ptr<TrailPointsListMaker> listMaker,
                    ITrailPointsSender::Progress progress);
    ~TrailPointsTask() override;

    uint32_t type() const override { return MountTaskTag::TrailPoints; }
    std::set<int> resources() const override {
        return {MountResource::Axis1, MountResource::Axis2};
    }
    CmdRetType_::E run() override;

    // Each attempt that arrives too late adds this share of the estimated move time.
    static constexpr double kMarginPerAttempt = 0.1;
    // Candidate starts lie this far apart along the path.
    static constexpr double kCandidateSpacingSec = 2.0;

private:
    struct Start {
        CmdRetType_::E result = CmdRetType_::Ok;
        // Empty when no point of the segment can be reached in time.
        Nullable<uint32_t> index;
    };
    Start slewToReachableStart(const TrailPointsSegment& segment);
    void report(TrailPointsDetailedState_::E state, uint64_t donePoints) const;

    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IMountAxisUtil> m_axisUtil;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IKoMCommand> m_command;
    const std::shared_ptr<ITrailPointsSender> m_sender;
    const std::unique_ptr<TrailPointsListMaker> m_listMaker;
    const ITrailPointsSender::Progress m_progress;
};

} // namespace Ko
