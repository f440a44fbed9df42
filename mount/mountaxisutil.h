#pragma once

#include "mount/imountaxisutil.h"

#include <functional>
#include <memory>

namespace Ko {

class AppCore;
class IMountAxis;
class ITCCancellable;

// The axis utilities of one connected mount. Holds no state of its own: any task thread may use
// it, each blocking only itself.
// Threads: a task's own thread, several at once.
class MountAxisUtil : public IMountAxisUtil {
public:
    MountAxisUtil(std::shared_ptr<IMountAxis> axis, std::shared_ptr<ITCCancellable> cancellable,
                  std::shared_ptr<AppCore> appCore);

    CmdResp<std::pair<double, double>>
    readPositionsRetry(const std::function<bool()>& giveUp = {}) override;
    CmdRetType_::E waitAxesStopped(bool readPositions,
                                   const std::function<bool()>& giveUp = {}) override;
    CmdRetType_::E stopAxes() override;
    int64_t moveTimeoutMs(double angle) override;
    CmdResp<bool> takeUpBacklashAxis(AXISID axis, double rate) override;
    CmdResp<bool> takeUpBacklashBoth(double rate1, double rate2) override;
    CmdResp<bool> takeUpBacklash(Nullable<double> rate1, Nullable<double> rate2) override;

    // Between polls and before a failed command is sent again.
    static constexpr int64_t kPollMs = 100;
    // 64 x sidereal, rad/s: slow enough to close the gear gap gently, and any motion at least
    // this fast needs no take-up.
    static constexpr double kBacklashRate = 0.0046669541409417;
    // A take-up shorter than this is below what the timing can resolve: skipped.
    static constexpr int64_t kMinTakeUpMs = 20;

    // How long the take-up rate needs to cover the backlash angle, truncated to milliseconds.
    static int64_t backlashDurationMs(double backlash);

private:
    // Sends the command until it succeeds, sleeping kPollMs between tries.
    CmdRetType_::E repeatUntilOk(const std::function<CmdRetType_::E()>& command);
    // true when the token was cancelled during the sleep.
    bool sleep(int64_t ms);

    const std::shared_ptr<IMountAxis> m_axis;
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<AppCore> m_appCore;
};

} // namespace Ko
