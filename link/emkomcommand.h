#pragma once

#include "link/ikomcommand.h"

#include <memory>
#include <mutex>

namespace Ko {

// The extended commands of the emulated mount: fixed answers, a PPEC training that ends by itself
// after one period, and position offsets that add up. Timed targets are not emulated.
// Threads: any thread.
class EmKoMCommand : public IKoMCommand {
public:
    explicit EmKoMCommand(std::shared_ptr<IClock> clock);

    CmdRetType_::E initialize() override;
    bool lastEnableDualEncoders(AXISID axis) const override;
    CmdRetType_::E setEnableDualEncoders(AXISID axis, bool on) override;
    CmdRetType_::E setGuidingSpeed(AXISID axis, GuidingSpeed_::E speed) override;
    CmdRetType_::E setPolarLEDBrightness(double brightness) override;
    bool supportsPpec() const override;
    bool lastPpecTraining() const override;
    CmdResp<bool> updatePpecTraining() override;
    CmdRetType_::E setPpecTraining(bool start) override;
    bool lastPpecPlayback() const override;
    CmdResp<bool> updatePpecPlayback() override;
    CmdRetType_::E setPpecPlayback(bool on) override;
    double pePeriodSec() const override;
    bool supportsExtended() const override;
    CmdResp<uint64_t> readMountClock() override;
    CmdResp<uint32_t> syncMountClock(const std::shared_ptr<IClock>& appClock) override;
    CmdResp<std::pair<double, double>>
    addPositionOffset(std::pair<double, double> offsets) override;
    CmdRetType_::E sendTimedTarget(int64_t timeMs, std::pair<double, double> angles,
                                   const Nullable<std::pair<double, double>>& rates,
                                   std::pair<double, double>* outAngles, uint64_t* outTime,
                                   uint16_t* outStatus) override;
    CmdRetType_::E readTargetStatus(uint16_t* outStatus) override;
    uint16_t lastTargetStatus() const override;
    CmdRetType_::E stopExtendedMotion() override;

    // How long an emulated training runs before it ends by itself.
    static constexpr int64_t kTrainingMs = 15000;
    static constexpr double kPePeriodSec = 10.0;

private:
    std::shared_ptr<IClock> m_clock;

    mutable std::mutex m_mutex;
    bool m_ppecTraining = false;
    Nullable<int64_t> m_trainingStartMs;
    bool m_ppecPlayback = false;
    std::pair<double, double> m_offsetSum{0.0, 0.0};
};

} // namespace Ko
