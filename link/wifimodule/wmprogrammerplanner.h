#pragma once

#include "link/wifimodule/iwmprogrammerplanner.h"

#include <memory>
#include <vector>

namespace Ko {

class IWMProgrammer;
class ITCCancellable;

// What the app's link does after a step, in the order in which steps are preferred: a step
// whose reply arrives runs before one that may go silent, and one that cuts the link runs last.
enum class WMResp : int { Reply = 0, MayTimeout = 1, Disconnect = 2, NA = 3 };

enum class WMStepKind : int {
    ModeAP = 0,
    ModeSTA = 1,
    ModeBoth = 2,
    APSetting = 3,
    STASetting = 4,
    STAAddress = 5,
};

struct WMStep {
    WMStepKind kind = WMStepKind::ModeAP;
    WMResp resp = WMResp::NA;
    WMState_::E next = WMState_::AA;

    friend bool operator==(const WMStep&, const WMStep&) = default;
};

// Plans and runs a write of the Wi-Fi module's setting through the programmer. Not locked: the
// Wi-Fi configuration service calls it from its single worker thread. The wait after a station
// write that went unanswered sleeps on the token current on that thread, so cancelling the
// token ends it.
// Threads: a task's own thread, always one worker's, never two at once.
class WMProgrammerPlanner : public IWMProgrammerPlanner {
public:
    WMProgrammerPlanner(std::shared_ptr<IWMProgrammer> programmer,
                        std::shared_ptr<ITCCancellable> cancellable);

    Nullable<WifiSetting> readAll() override;
    bool lastReadRefused() const override { return m_readRefused; }
    WMWriteResult apply(bool staWritten, const WifiSetting& current,
                        const WifiSetting& finalSetting) override;
    bool writeMode() override;

    // The steps of apply in the order they run; absent when no safe order exists because every
    // step left is not allowed in the state reached.
    static Nullable<std::vector<WMStep>> plan(bool staWritten, const WifiSetting& current,
                                              const WifiSetting& finalSetting);

    // How long a station write that went unanswered is given before the next step: the module
    // can stay silent while it joins the network.
    static constexpr int64_t kStaJoinWaitMs = 8000;

private:
    bool runStep(WMStepKind kind, const WifiSetting& finalSetting);

    std::shared_ptr<IWMProgrammer> m_programmer;
    std::shared_ptr<ITCCancellable> m_cancellable;
    bool m_readRefused = false;
};

} // namespace Ko
