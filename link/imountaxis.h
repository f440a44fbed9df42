#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "link/cmdret.h"
#include "link/ikodevice.h"
#include "link/mountaxistimecontainer.h"

#include <cstdint>
#include <utility>

namespace Ko {

class ICancellable;

// 3.4 degrees per second: the fastest rate slew either kind of axis is asked to make.
inline constexpr double kMaxAxisSlewRate = 0.059341194567807204;

// A home-sensor read. Without a captured position the two flags tell where the counter stands:
// both set means the axis is on the sensor's active side.
struct HomeSensorReading {
    // Radians; present once the controller has captured the sensor.
    Nullable<double> position;
    // Set only when there is no position.
    bool hasFlag = false;
    bool flag = false;

    bool sensorActive() const { return hasFlag && flag; }
};

// The mount's two axes: positions in radians, rate slews, GoTo, stop, status and home sensor.
// Every reading is published with its time into the mount's MountAxisTimeContainer. The rates and
// directions describe what this object last commanded, not what the mount reports.
// Threads: a task's own thread (every command blocks on the mount's replies).
class IMountAxis {
public:
    virtual ~IMountAxis() = default;

    virtual CmdRetType_::E initialize() = 0;
    virtual Nullable<double> lastRate(AXISID axis) const = 0;
    virtual void assumeRate(AXISID axis, double rate) = 0;
    // true = positive.
    virtual Nullable<bool> lastDirection(AXISID axis) const = 0;
    virtual CmdResp<double> readPosition(AXISID axis) = 0;
    // Axis 1, then axis 2; stores nothing unless both succeed.
    virtual CmdResp<std::pair<double, double>> readPositions() = 0;
    virtual AxisAngleTime lastPosition(AXISID axis) const = 0;
    virtual CmdRetType_::E setPosition(AXISID axis, double rad) = 0;
    // The lowest and highest angle the axis's position counter can represent.
    virtual std::pair<double, double> positionRange(AXISID axis) const = 0;
    virtual CmdResp<MotorStatus> readStatus(AXISID axis) = 0;
    virtual MotorStatus lastStatus(AXISID axis) const = 0;
    // rad/s; a rate near 0 stops the axis.
    virtual CmdRetType_::E slewAtRate(AXISID axis, double rate) = 0;
    // Returns once the mount accepted the GoTo, without waiting for the stop.
    virtual CmdRetType_::E gotoPosition(AXISID axis, double target) = 0;
    virtual CmdRetType_::E stop(AXISID axis) = 0;
    virtual bool isExtendedPositionMode() const = 0;
    virtual CmdRetType_::E gotoPositionAtRate(AXISID axis, double target, double rate) = 0;
    virtual bool supportsAutoHome() const = 0;
    virtual CmdResp<HomeSensorReading> readHomeSensorPosition(AXISID axis) = 0;
    virtual CmdRetType_::E resetHomeSensor(AXISID axis) = 0;
    // The clock time at which the last exchange of either axis with the controller ended,
    // answered or not; 0 before any, and always for axes that have no link.
    virtual int64_t lastExchangeMs() const { return 0; }

    // Reads the status every kStillPollMs, sleeping on sleeper, until the axis reports itself
    // still: Ok; the failure of a read; Cancel when a sleep was cancelled; Other after maxPolls
    // reads (no bound when negative).
    CmdRetType_::E waitUntilStill(AXISID axis, ICancellable& sleeper, int maxPolls = -1);
    static constexpr int64_t kStillPollMs = 100;

    // Fired at the start of every rate slew and GoTo on either axis.
    eventpp::CallbackList<void()> motionCommanded;
    // Fired once, on the thread that read the status, when an axis that was seen initialised
    // reports itself not initialised: the controller restarted and its counters are back at home.
    // From then on the axes refuse every motion; stops still go out.
    eventpp::CallbackList<void()> controllerRestarted;
};

} // namespace Ko
