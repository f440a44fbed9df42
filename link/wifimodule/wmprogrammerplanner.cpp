#include "link/wifimodule/wmprogrammerplanner.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/wifimodule/iwmprogrammer.h"

namespace Ko {

namespace {

struct StepEntry {
    WMResp resp;
    WMState_::E next;
};

constexpr StepEntry kNA{WMResp::NA, WMState_::AA};
constexpr StepEntry reply(WMState_::E next) {
    return {WMResp::Reply, next};
}
constexpr StepEntry mayTimeout(WMState_::E next) {
    return {WMResp::MayTimeout, next};
}
constexpr StepEntry disconnect(WMState_::E next) {
    return {WMResp::Disconnect, next};
}

using S = WMState_;

// By current state (rows AA, Ad, AD, SD, SS) and step kind (columns ModeAP, ModeSTA, ModeBoth,
// APSetting, STASetting, STAAddress): what the link does and the state the step leads to. A
// change to the network the app is on cuts its link; so does leaving that network.
constexpr StepEntry WMStepTable[5][6] = {
    {kNA, kNA, reply(S::Ad), disconnect(S::AA), kNA, kNA},
    {reply(S::AA), kNA, kNA, disconnect(S::Ad), mayTimeout(S::Ad), reply(S::Ad)},
    {reply(S::AA), disconnect(S::SS), kNA, disconnect(S::AD), mayTimeout(S::AD), reply(S::AD)},
    {disconnect(S::AA), reply(S::SS), kNA, reply(S::SD), disconnect(S::SD), disconnect(S::SD)},
    {kNA, kNA, reply(S::SD), kNA, disconnect(S::SS), disconnect(S::SS)},
};

WMStepKind modeStep(WifiMode_::E mode) {
    switch (mode) {
    case WifiMode_::STA:
        return WMStepKind::ModeSTA;
    case WifiMode_::AP:
        return WMStepKind::ModeAP;
    case WifiMode_::Both:
        break;
    }
    return WMStepKind::ModeBoth;
}

WMWriteResult failed() {
    return WMWriteResult{};
}

} // namespace

WMProgrammerPlanner::WMProgrammerPlanner(std::shared_ptr<IWMProgrammer> programmer,
                                         std::shared_ptr<ITCCancellable> cancellable)
    : m_programmer(std::move(programmer)), m_cancellable(std::move(cancellable)) {}

Nullable<WifiSetting> WMProgrammerPlanner::readAll() {
    m_readRefused = false;
    // Each read that fails tells whether the module said so or stayed silent.
    const auto failed = [this]() -> Nullable<WifiSetting> {
        m_readRefused = m_programmer->lastReplied();
        return {};
    };
    WifiSetting setting;
    WifiMode_::E mode = WifiMode_::AP;
    WMState_::E state = WMState_::AA;
    if (!m_programmer->readMode(mode, state))
        return failed();
    setting.mode = mode;
    setting.state = state;
    if (mode != WifiMode_::STA) {
        WifiAPSetting ap;
        if (!m_programmer->readAPSetting(ap))
            return failed();
        setting.ap = ap;
    }
    if (mode != WifiMode_::AP) {
        WifiSTASetting sta;
        if (!m_programmer->readSTASetting(sta))
            return failed();
        setting.sta = sta;
    }
    return setting;
}

Nullable<std::vector<WMStep>> WMProgrammerPlanner::plan(bool staWritten, const WifiSetting& current,
                                                        const WifiSetting& finalSetting) {
    KO_ASSERT(!finalSetting.state.hasValue());
    const WMState_::E start = current.state.value();
    const WifiMode_::E requested = finalSetting.mode;
    const bool viaStation = start == WMState_::SD || start == WMState_::SS;
    const WMState_::E target = requested == WifiMode_::STA  ? WMState_::SS
                               : requested == WifiMode_::AP ? WMState_::AA
                               : viaStation                 ? WMState_::SD
                                                            : WMState_::AD;

    // No single step leads from one pure mode to the other without losing the module: pass
    // through Both, where the new network can be set up while the old one still carries the link.
    WifiMode_::E planningMode = requested;
    Nullable<WMStep> lastStep;
    if (start == WMState_::AA && target == WMState_::SS) {
        planningMode = WifiMode_::Both;
        lastStep = WMStep{WMStepKind::ModeSTA, WMResp::Disconnect, WMState_::SS};
    } else if (start == WMState_::SS && target == WMState_::AA) {
        planningMode = WifiMode_::Both;
        lastStep = WMStep{WMStepKind::ModeAP, WMResp::Disconnect, WMState_::AA};
    }

    // Kept in ascending kind, which breaks ties between steps of the same response.
    std::vector<WMStepKind> kinds;
    if (current.mode != planningMode)
        kinds.push_back(modeStep(planningMode));
    const bool hasAP = finalSetting.ap.hasValue();
    const bool hasSTA = finalSetting.sta.hasValue();
    if (hasAP && (!current.ap.hasValue() || current.ap.value() != finalSetting.ap.value()))
        kinds.push_back(WMStepKind::APSetting);
    // The station password cannot be read back, so only the caller knows whether it was written.
    if (hasSTA && !staWritten)
        kinds.push_back(WMStepKind::STASetting);
    if (hasSTA && (!current.sta.hasValue() ||
                   current.sta.value().fixedIp != finalSetting.sta.value().fixedIp))
        kinds.push_back(WMStepKind::STAAddress);

    std::vector<WMStep> steps;
    WMState_::E state = start;
    while (!kinds.empty()) {
        size_t best = 0;
        for (size_t i = 1; i < kinds.size(); ++i) {
            if (WMStepTable[state][int(kinds[i])].resp < WMStepTable[state][int(kinds[best])].resp)
                best = i;
        }
        const StepEntry entry = WMStepTable[state][int(kinds[best])];
        if (entry.resp == WMResp::NA)
            return {};
        steps.push_back({kinds[best], entry.resp, entry.next});
        kinds.erase(kinds.begin() + std::ptrdiff_t(best));
        state = entry.next;
    }
    if (lastStep.hasValue())
        steps.push_back(lastStep.value());
    // Nothing else to change still stores mode AP, so that the module starts in it next time.
    if (steps.empty() && requested == WifiMode_::AP)
        steps.push_back({WMStepKind::ModeAP, WMResp::Reply, WMState_::AA});
    return steps;
}

bool WMProgrammerPlanner::runStep(WMStepKind kind, const WifiSetting& finalSetting) {
    switch (kind) {
    case WMStepKind::ModeAP:
        return m_programmer->writeMode(WifiMode_::AP, false);
    case WMStepKind::ModeSTA:
        return m_programmer->writeMode(WifiMode_::STA, false);
    case WMStepKind::ModeBoth:
        // Running first: a module that refuses Both must not start in it next time.
        return m_programmer->writeMode(WifiMode_::Both, true) &&
               m_programmer->writeMode(WifiMode_::Both, false);
    case WMStepKind::APSetting: {
        const WifiAPSetting& ap = finalSetting.ap.value();
        return m_programmer->writeAPSetting(ap.ssid, ap.pass, ap.channel, ap.wifiSec);
    }
    case WMStepKind::STASetting: {
        const WifiSTASetting& sta = finalSetting.sta.value();
        return m_programmer->writeSTASetting(sta.ssid, sta.pass);
    }
    case WMStepKind::STAAddress: {
        const std::string& fixedIp = finalSetting.sta.value().fixedIp;
        return fixedIp.empty() ? m_programmer->writeDHCP() : m_programmer->writeFixedIp(fixedIp);
    }
    }
    return false;
}

WMWriteResult WMProgrammerPlanner::apply(bool staWritten, const WifiSetting& current,
                                         const WifiSetting& finalSetting) {
    const Nullable<std::vector<WMStep>> planned = plan(staWritten, current, finalSetting);
    if (!planned.hasValue()) {
        // Running the steps that are allowed would leave the module half written with no way on.
        Log("WMProgrammerPlanner: no safe order from state %d to mode %d; nothing written",
            int(current.state.value()), int(finalSetting.mode));
        return failed();
    }
    const std::vector<WMStep>& steps = planned.value();
    bool written = false;
    for (size_t i = 0; i < steps.size(); ++i) {
        const WMStep& step = steps[i];
        const bool done = runStep(step.kind, finalSetting);
        if (step.kind == WMStepKind::STASetting)
            written = true;
        if (!done && step.resp == WMResp::Reply)
            return failed();
        if (!done && step.resp == WMResp::MayTimeout && m_cancellable->sleep(kStaJoinWaitMs))
            return failed();
        if (step.resp == WMResp::Disconnect) {
            const bool toStation = step.next == WMState_::SD || step.next == WMState_::SS;
            return WMWriteResult{true, i + 1 == steps.size(), written,
                                 toStation ? WifiMode_::STA : WifiMode_::AP};
        }
    }
    return WMWriteResult{true, true, written, {}};
}

bool WMProgrammerPlanner::writeMode() {
    return m_programmer->writeMode(WifiMode_::Both, false);
}

} // namespace Ko
