#pragma once

#include "link/ikomcommand.h"

#include <array>
#include <memory>
#include <mutex>

namespace Ko {

class IKoConverser;
class ICmdXUtil;
class ITCCancellable;
class MountAxisTimeContainer;
struct MountCmd;

// The extended commands of a real mount. Exchanges are serialised by the converser; the caches
// have a lock of their own because worker threads and the device's change list meet here.
// Threads: a task's own thread for the exchanges; the cached values any thread.
class KoMCommand : public IKoMCommand {
public:
    KoMCommand(std::shared_ptr<IKoConverser> converser, std::shared_ptr<IKoDevice> device,
               std::shared_ptr<ICmdXUtil> cmdXUtil, std::shared_ptr<IClock> clock,
               std::shared_ptr<ITCCancellable> cancellable,
               std::shared_ptr<MountAxisTimeContainer> axisTimeContainer);
    ~KoMCommand() override;
    KoMCommand(const KoMCommand&) = delete;
    KoMCommand& operator=(const KoMCommand&) = delete;

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

private:
    // Lets the device's change list reach this object only while it exists, even when the
    // device fires on another thread during destruction.
    struct DeviceLink;

    CmdRetType_::E send(const MountCmd& cmd);
    CmdResp<uint32_t> syncStep(const IClock& appClock);
    CmdRetType_::E sendClockSync(int64_t timeMs);
    void onDeviceChanged();
    CmdResp<bool> readStatusFlag(bool (*flagOf)(uint16_t status));
    // Sends the PPEC 'W' code; on Ok caches on and fires changed.
    CmdRetType_::E setPpecFlag(uint32_t code, bool on, Nullable<bool>& cache,
                               eventpp::CallbackList<void()>& changed);

    std::shared_ptr<IKoConverser> m_converser;
    std::shared_ptr<IKoDevice> m_device;
    std::shared_ptr<ICmdXUtil> m_cmdXUtil;
    std::shared_ptr<IClock> m_clock;
    std::shared_ptr<ITCCancellable> m_cancellable;
    std::shared_ptr<MountAxisTimeContainer> m_axisTimeContainer;

    mutable std::mutex m_mutex;
    std::array<Nullable<bool>, 2> m_dualEncoders;
    Nullable<bool> m_ppecTraining;
    Nullable<bool> m_ppecPlayback;
    Nullable<double> m_pePeriodSec;
    Nullable<uint16_t> m_targetStatus;

    std::shared_ptr<DeviceLink> m_deviceLink;
    eventpp::CallbackList<void()>::Handle m_deviceHandle;
};

} // namespace Ko
