#pragma once

#include "astro/coordtype.h"
#include "base/nullable.h"
#include "link/ikodevice.h"
#include "model/mountmode.h"
#include "mount/tasks/imounttask.h"

#include <array>
#include <functional>
#include <memory>
#include <utility>

namespace Ko {

class IAlignment;
class IAstroCalc;
class IClock;
class IMountAxis;
class IMountAxisUtil;
class IPAE;
class ITCCancellable;
struct SlewToSettings;
class SlewToTargetMAContainer;

// The GoTo. Works in passes: each reads both axes, turns the target into axis angles through the
// pointing model at that moment, ends when the axes are within the tolerance, and otherwise
// commands both axes (a sky target aimed kAheadMs ahead) and waits for them to stop. An axis that
// has to move down first goes below its target, so that every final approach is upward and the
// gears' backlash is always taken up the same way. Failed passes are repeated; a GoTo ends early
// when it is cancelled, or with Timeout when it has made no progress for kStallLimitMs (no axis
// came closer to its target and no pass ended: a dead link, or replies so garbled that the axes
// never start, while an axis that tracks drifts).
// Threads: a task's own thread (run blocks on the mount).
class SlewToTask : public IMountTask {
public:
    using AnglePair = std::pair<double, double>;

    SlewToTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IClock> clock,
               std::shared_ptr<IMountAxis> axes, std::shared_ptr<IMountAxisUtil> axisUtil,
               std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAlignment> alignment,
               std::shared_ptr<SlewToSettings> settings,
               std::shared_ptr<SlewToTargetMAContainer> targetContainer, std::shared_ptr<IPAE> pae,
               MountMode_::E mode, U_ASTRO_COORD target);

    uint32_t type() const override { return MountTaskTag::SlewTo; }
    std::set<int> resources() const override {
        return {MountResource::Axis1, MountResource::Axis2};
    }
    // Accepts RA/Dec (J2000 or of date), observed az/alt or hour angle/declination, and axis
    // angles; any other frame is a programming error.
    CmdRetType_::E run() override;
    void setTakeOverListener(std::function<void(uint32_t axis)> listener) override;

    // A pass that did not finish is checked again; a six-pass GoTo has stopped converging.
    static constexpr int kMaxCountedPasses = 6;
    static constexpr int64_t kRetryMs = 200;
    // A sky target is aimed this far ahead, about the time a final correction takes.
    static constexpr int64_t kAheadMs = 2000;
    // A move that ended sooner than this after it was commanded is settled by then and done.
    static constexpr int64_t kSettleMs = 3950;
    // How far below its target an axis moving down goes first: 20' equatorial, 45'
    // altitude-azimuth.
    static constexpr double kApproachOffsetEQ = 0.005817764173314431;
    static constexpr double kApproachOffsetAZ = 0.01308996938995747;
    // Long enough to ride out a Wi-Fi drop-out while the access point reconnects (a few seconds,
    // rarely above 20) and the longest stand-still of a GoTo that works (kSettleMs); short
    // enough that a user watching a frozen GoTo learns within half a minute that it has failed.
    static constexpr int64_t kStallLimitMs = 30000;
    // Twice the sidereal rate (rad/s): what tracking, or a target that moves with the sky, can
    // change the distance to the target by without the GoTo moving at all.
    static constexpr double kMaxDriftRate = 1.458423169e-4;

private:
    enum PassOutcome : unsigned { Done = 0, Again = 1, Repeat = 2 };

    CmdRetType_::E prepareTarget();
    CmdResp<unsigned> pass();
    // For the axis waits: they end in Timeout once the GoTo has stalled.
    std::function<bool()> giveUp();
    // Progress is a distance to the target that shrank by more than the tolerance and the drift
    // since it was last looked at (before the target is known, an axis that moved by more than
    // the tolerance), or a pass that ended; stalled is none of that for kStallLimitMs.
    void noteProgress();
    bool moved();
    // The sum of both axes' distances to the target; none before the target is known.
    Nullable<double> distanceToTarget(AnglePair axes) const;
    bool stalled();
    AnglePair targetAxes(int64_t offsetMs, AnglePair current) const;
    // Corrected through the table and turned into axis angles near the reference.
    AnglePair skyToAxes(AnglePair observedHaDec, AnglePair reference) const;

    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IMountAxisUtil> m_axisUtil;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAlignment> m_alignment;
    const std::shared_ptr<SlewToSettings> m_settings;
    const std::shared_ptr<SlewToTargetMAContainer> m_targetContainer;
    const std::shared_ptr<IPAE> m_pae;
    const MountMode_::E m_mode;
    const U_ASTRO_COORD m_target;

    // Right ascension and declination of date; the axis angles follow it at every pass.
    Nullable<AnglePair> m_skyTargetOfDate;
    Nullable<AnglePair> m_fixedAxisTarget;
    // When the GoTo last made progress, and the axis angles it saw then.
    int64_t m_progressMs = 0;
    AnglePair m_progressAxes{0.0, 0.0};
    Nullable<double> m_progressDistance;
    // Per axis: it has taken its approach offset, which it does at most once.
    std::array<bool, 2> m_approached{false, false};
    std::function<void(uint32_t)> m_tookOver;
    // Per axis: the mount has taken an aim of this GoTo.
    std::array<bool, 2> m_aimed{false, false};
};

} // namespace Ko
