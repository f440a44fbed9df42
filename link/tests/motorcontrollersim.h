#pragma once

#include "base/cbytes.h"
#include "base/nullable.h"
#include "link/ikodevice.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

namespace Ko {

// A classic motor controller (firmware 3.26, board model 0, 0x200000 counts per turn) with state,
// for the far side of a real link: its axes keep their counters, start and stop, and report their
// motion and whether they have been initialised as the controller does. Time does not pass on its
// own: a GoTo runs until arrive(), a stop takes effect after the number of status reads that
// setStopReads gives (the deceleration), and a rate slew runs until it is stopped. powerCycle()
// is the controller switched off and on: counters back at home, axes at rest and not initialised.
//
// Served through FakeMotorController::setHandler with answer(). Threads: any; one mutex guards the
// state.
class MotorControllerSim {
public:
    static constexpr uint32_t kCountsPerRev = 0x200000;

    // The answer to one request frame.
    Nullable<CBytes> answer(const CBytes& request);

    void powerCycle();
    // The controller answers the next n commands (requests that begin with ':'; the Wi-Fi
    // module's own requests do not count), then restarts: the command after them is lost (neither
    // acted on nor answered) and the controller comes back as powerCycle leaves it, so that a
    // resend of that command reaches the fresh controller. A controller that boots for a while
    // loses more: the commands sent while it boots, lost in all.
    void restartAfter(int n, int lost = 1);
    // As restartAfter, with the lost commands lost on the link: the controller keeps its state.
    void falterAfter(int n, int lost);
    // The boot is over: the commands from now on are answered.
    void endBoot();
    // The version it reports, as the six hex digits of its answer ("032600" by default): another
    // controller of another firmware or board.
    void setVersionDigits(const std::string& digits);
    // How many counts the axis has turned under its motor since the simulation began: where it
    // points, whatever its counter was set to or restarted at.
    int64_t travelled(AXISID axis) const;
    // The axis stands initialised at a count, as a controller set up by an earlier connection.
    void initialise(AXISID axis, int32_t counts);
    // The axis runs at a rate in that direction, as a hand pad or an earlier connection left it;
    // the axis is initialised.
    void startSlew(AXISID axis, bool positive);
    // Every GoTo under way ends at its target.
    void arrive();
    void setStopReads(int reads);
    // Every axis that is braking after a stop comes to rest now.
    void settle();

    bool moving(AXISID axis) const;
    bool initialised(AXISID axis) const;
    int32_t counts(AXISID axis) const;
    // Motions started with 'J' since the last call.
    int takeStarts();
    // Stops received since the last call.
    int takeStops();

private:
    struct Axis {
        int32_t counts = 0;
        bool initialised = false;
        bool moving = false;
        bool gotoMode = false;
        bool positive = true;
        // Set by 'G', used by the next 'J'.
        bool nextGoto = false;
        bool nextPositive = true;
        uint32_t increment = 0;
        int32_t target = 0;
        // Status reads left until a stop takes effect; -1 when no stop is under way.
        int stopping = -1;
        // Counts turned under the motor; kept through restarts.
        int64_t travelled = 0;
    };
    // Back at home after a restart; the axes still point where they did.
    void restartLocked();

    std::string statusReply(Axis& a);

    mutable std::mutex m_mutex;
    std::array<Axis, 2> m_axes;
    int m_stopReads = 0;
    // Requests left to answer before the restart; -1 when none is due.
    int m_answersBeforeRestart = -1;
    // How many commands the restart (or, without one, the link) loses when it comes, whether it
    // restarts, and how many are still to lose.
    int m_lostToRestart = 0;
    bool m_restartWhenLost = true;
    int m_lostLeft = 0;
    std::string m_versionReply = "=032600\r";
    int m_starts = 0;
    int m_stops = 0;
};

} // namespace Ko
