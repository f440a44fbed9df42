#pragma once

#include "link/imountaxis.h"

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace Ko {

class IClock;
class ILocation;
class ITCCancellable;
class IPerMountDataBasic;

// The two axes of the emulated mount. Each position is integrated from the commanded rate and the
// injected clock, so that a GoTo takes the time a real one would. Two switches let a test make the
// controller behave as a real one can: refuse motions, or keep a position read waiting.
// Threads: any thread, several at once: the periodic position read and a GoTo run on different
// threads.
class EmlatorMountAxis : public IMountAxis {
public:
    EmlatorMountAxis(std::shared_ptr<IKoDevice> device, std::shared_ptr<ITCCancellable> cancellable,
                     std::shared_ptr<IClock> clock,
                     std::shared_ptr<MountAxisTimeContainer> container,
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

    // While set to anything but Ok, every command that would start a motion (a rate slew, a GoTo)
    // answers it and leaves the axis as it was, as a controller does whose link fails; Cancel, the
    // answer of a command whose wait for the reply was called off, ends a GoTo there, without
    // arriving. Ok lets motions through again.
    void setMotionFault(CmdRetType_::E answer);
    // Likewise for position reads: while set to anything but Ok, every one answers it and reads
    // nothing, as over a link that no longer answers.
    void setReadFault(CmdRetType_::E answer);
    // While held, every position read waits on its caller's thread, as on a slow link, until
    // releaseReads(); heldReads() counts the reads that wait. Status reads pass: a test holds the
    // reading of the axes it is about, not the stops that poll an axis until it is still.
    void holdReads();
    void releaseReads();
    int heldReads() const;

    // The fastest rate slew, rad/s.
    static constexpr double kMaxSlewRate = kMaxAxisSlewRate;
    // Rates at or below this (a thousandth of the sidereal rate) only stop the axis.
    static constexpr double kMinSlewRate = kSiderealRate / 1000;
    // The GoTo speed, rad/s (10 degrees per second).
    static constexpr double kGotoRate = 0.17453292519943295;

private:
    enum MotionState : uint32_t { Stopped = 0, Slewing = 1, GoingTo = 2 };

    struct Motion {
        int64_t startTimeMs = 0;
        // Internal axis angle, radians.
        double startPosition = 0.0;
        double rate = 0.0;
        Nullable<double> target;
    };

    struct AxisState {
        Nullable<double> lastRate;
        Nullable<bool> direction;
        uint32_t motionState = Stopped;
        bool held = false;
        double heldPosition = 0.0;
        Nullable<Motion> motion;
    };

    struct Current {
        double position = 0.0;
        bool arrived = false;
    };

    CmdRetType_::E motionFault() const;
    CmdRetType_::E readFault() const;
    // Returns once reads are no longer held.
    void awaitReads();
    // Moves the axis on to the clock's time and records the position reached.
    double stepPosition(AXISID axis);

    // All of these run with m_mutex held.
    Current currentLocked(const AxisState& a, int64_t now) const;
    void holdLocked(AxisState& a, double position);
    // Holds a moving or held axis where it stands now.
    void stopLocked(AxisState& a, int64_t now);
    AxisAngleTime positionStepLocked(AXISID axis, int64_t now);

    AxisState& state(AXISID axis) { return m_axes[axisSlot(axis)]; }
    const AxisState& state(AXISID axis) const { return m_axes[axisSlot(axis)]; }
    double speedFactor() const;

    std::shared_ptr<IKoDevice> m_device;
    std::shared_ptr<ITCCancellable> m_cancellable;
    std::shared_ptr<IClock> m_clock;
    std::shared_ptr<MountAxisTimeContainer> m_container;
    std::shared_ptr<ILocation> m_location;
    std::shared_ptr<IPerMountDataBasic> m_perMountData;

    mutable std::mutex m_mutex;
    bool m_initialized = false;
    std::array<AxisState, 2> m_axes;
    CmdRetType_::E m_motionFault = CmdRetType_::Ok;
    CmdRetType_::E m_readFault = CmdRetType_::Ok;

    // Guards the two below; never taken with m_mutex held.
    mutable std::mutex m_readGateMutex;
    std::condition_variable m_readsReleased;
    bool m_readsHeld = false;
    int m_heldReads = 0;
};

} // namespace Ko
