#pragma once

#include "link/imountaxis.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

namespace Ko {

class IKoConverser;
class ICmdXUtil;
class ITCCancellable;
class IClock;
class ILocation;
class IPerMountDataBasic;
struct MountCmd;

// Both axes of a real mount: turns each request into the controller's classic 24-bit command
// sequence or, on firmware that has them, the extended 'X' commands.
//
// A controller that restarts during a session comes back with its counters at home and its axes
// not initialised; a position read then is no place in the sky. Once an axis that was seen
// initialised reports itself not initialised, every motion and position read is refused (Other)
// and controllerRestarted fires once; stops still go out. An axis reads its status before it moves
// or reads its position when an exchange went unanswered since its last status read (the
// controller may have restarted meanwhile) or when that read is older than a couple of seconds (a
// restart between two exchanges, as while the mount only tracks): a GoTo, which polls the status,
// pays nothing for it, and the periodic position read one status read per axis in that time.
// initialize stops an axis that the controller reports moving, so that no motion runs that this
// connection did not command.
//
// Threads: a task's own thread (every command blocks on the mount's replies).
class KoMountAxis : public IMountAxis {
public:
    KoMountAxis(std::shared_ptr<IKoConverser> converser, std::shared_ptr<IKoDevice> device,
                std::shared_ptr<ICmdXUtil> cmdXUtil, std::shared_ptr<ITCCancellable> cancellable,
                std::shared_ptr<IClock> clock, std::shared_ptr<MountAxisTimeContainer> container,
                std::shared_ptr<ILocation> location,
                std::shared_ptr<IPerMountDataBasic> perMountData);

    CmdRetType_::E initialize() override;
    Nullable<double> lastRate(AXISID axis) const override;
    void assumeRate(AXISID axis, double rate) override;
    Nullable<bool> lastDirection(AXISID axis) const override;
    CmdResp<double> readPosition(AXISID axis) override;
    CmdResp<std::pair<double, double>> readPositions() override;
    AxisAngleTime lastPosition(AXISID axis) const override;
    CmdRetType_::E setPosition(AXISID axis, double rad) override;
    std::pair<double, double> positionRange(AXISID axis) const override;
    CmdResp<MotorStatus> readStatus(AXISID axis) override;
    MotorStatus lastStatus(AXISID axis) const override;
    CmdRetType_::E slewAtRate(AXISID axis, double rate) override;
    CmdRetType_::E gotoPosition(AXISID axis, double target) override;
    CmdRetType_::E stop(AXISID axis) override;
    bool isExtendedPositionMode() const override;
    CmdRetType_::E gotoPositionAtRate(AXISID axis, double target, double rate) override;
    bool supportsAutoHome() const override;
    CmdResp<HomeSensorReading> readHomeSensorPosition(AXISID axis) override;
    CmdRetType_::E resetHomeSensor(AXISID axis) override;
    int64_t lastExchangeMs() const override;

    // Stops with 'L' (at once) instead of 'K' (decelerating). Off unless set.
    void setInstantStop(bool on);

private:
    struct AxisState {
        Nullable<uint32_t> highSpeedRatio;
        Nullable<double> lastRate;
        Nullable<double> commandedRate;
        Nullable<bool> direction;
    };

    // The caller's angle of an axis count: the device's conversion without the axis offset.
    double countsToAngle(AXISID axis, int32_t counts) const;
    CmdResp<AxisAngleTime> readAngle(AXISID axis);
    double speedFactor() const;
    CmdRetType_::E send(const MountCmd& cmd);
    CmdRetType_::E sendStop(AXISID axis);
    CmdRetType_::E stopAndWait(AXISID axis);
    CmdRetType_::E setMotionMode(AXISID axis, bool positive, bool fast, bool gotoMode);
    CmdResp<uint32_t> highSpeedRatio(AXISID axis);
    CmdRetType_::E classicSlew(AXISID axis, double rate);
    CmdRetType_::E extendedSlew(AXISID axis, double rate);
    CmdRetType_::E classicGoto(AXISID axis, double target);
    CmdRetType_::E extendedGoto(AXISID axis, double target, double rate);
    // Stops an axis found moving at connection and waits until the controller reports it still.
    CmdRetType_::E stopFoundMoving(AXISID axis);
    // What a status reading says about a restart; fires controllerRestarted on the first one.
    void noteStatus(AXISID axis, const MotorStatus& status);
    // After every exchange: when it ended; a Timeout means the link dropped and the controller
    // may have restarted meanwhile.
    void noteExchange(CmdRetType_::E type);
    // Before a motion or a position read: Ok while the controller is the one seen at connection,
    // the failure of the status read, or Other after a restart.
    CmdRetType_::E checkNotRestarted(AXISID axis);

    std::shared_ptr<IKoConverser> m_converser;
    std::shared_ptr<IKoDevice> m_device;
    std::shared_ptr<ICmdXUtil> m_cmdXUtil;
    std::shared_ptr<ITCCancellable> m_cancellable;
    std::shared_ptr<IClock> m_clock;
    std::shared_ptr<MountAxisTimeContainer> m_container;
    std::shared_ptr<ILocation> m_location;
    std::shared_ptr<IPerMountDataBasic> m_perMountData;

    std::atomic<bool> m_instantStop{false};
    std::atomic<bool> m_initialized{false};
    std::atomic<bool> m_extended{false};
    std::atomic<bool> m_restarted{false};
    // Per axis: a status read has shown it initialised; an exchange went unanswered since its
    // last status read; the clock time of that read.
    std::array<std::atomic<bool>, 2> m_seenInitialised{false, false};
    std::array<std::atomic<bool>, 2> m_statusStale{false, false};
    std::array<std::atomic<int64_t>, 2> m_statusReadMs{0, 0};
    std::atomic<int64_t> m_lastExchangeMs{0};
    mutable std::mutex m_mutex;
    std::array<AxisState, 2> m_axes;
};

} // namespace Ko
