#pragma once

#include "link/cmdret.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>

namespace Ko {

// One long-running piece of mount work: it names its kind with a four-character tag, says which
// resources of the mount it occupies while queued or running, and does its work in one blocking
// run on a thread the task manager gives it. A task learns of its cancellation only through the
// thread-context cancellable, whose current token the manager sets to the task's own for the run;
// it returns Cancel when it ended because it was cancelled.
// Threads: a task's own thread for run; the tag and the resources any thread.
class IMountTask {
public:
    virtual ~IMountTask() = default;

    virtual uint32_t type() const = 0;
    virtual std::set<int> resources() const = 0;
    virtual CmdRetType_::E run() = 0;
    // Set before the task is started; called on the task's thread: with false at most once, when
    // the mount left the task's first command unanswered and the task goes on trying, and with
    // true once, when the mount has accepted what the task is for (a tracking rate; a stop, once
    // the axis is seen still after it). A task that keeps setting rates may tell false again
    // after true, when a later rate went unanswered, and true once a rate is taken again. Tasks
    // without such a command ignore it.
    virtual void setAnswerListener(std::function<void(bool accepted)> listener) { (void)listener; }
    // Set before the task is started, like the answer listener; called on the task's thread at
    // most once, before the answer true: when the mount has answered that the axes the task took
    // stand, while what the task is for is not taken yet (a tracking start that stops the axes
    // before it sets them going, or whose restart goes unanswered). Tasks that never leave the
    // axes standing ignore it.
    virtual void setRestListener(std::function<void()> listener) { (void)listener; }
    // Set before the task is started, like the answer listener; called on the task's thread at
    // most once per axis (0 or 1): when the mount has taken the task's first command for that
    // axis, which ends whatever motion the axis had before (a GoTo's first aim replaces a slew,
    // and the stop it brakes with). Tasks that command no axis of their own ignore it.
    virtual void setTakeOverListener(std::function<void(uint32_t axis)> listener) {
        (void)listener;
    }
};

// A four-character tag packed big-endian, the first character in the most significant byte.
constexpr uint32_t mountTaskTag(const char (&text)[5]) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[0])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(text[3]));
}

// The tag as its four characters, for log lines; 0 reads "none".
std::string mountTaskTagText(uint32_t tag);

namespace MountTaskTag {
inline constexpr uint32_t SlewTo = mountTaskTag("slto");
inline constexpr uint32_t AxisSlew = mountTaskTag("slew");
inline constexpr uint32_t PulseGuide = mountTaskTag("puls");
inline constexpr uint32_t Tracking = mountTaskTag("trck");
inline constexpr uint32_t AutoHome = mountTaskTag("home");
inline constexpr uint32_t TrailPoints = mountTaskTag("trps");
inline constexpr uint32_t AxisStop = mountTaskTag("stop");
inline constexpr uint32_t PositionRead = mountTaskTag("read");
// Held by resource 2, which no task claims.
inline constexpr uint32_t Unclaimed = mountTaskTag("clsh");
} // namespace MountTaskTag

// The resources a task can occupy. The axes equal their AXISID index.
namespace MountResource {
inline constexpr int Axis1 = 0;
inline constexpr int Axis2 = 1;
inline constexpr int Reserved = 2;
inline constexpr int PositionReading = 3;
} // namespace MountResource

} // namespace Ko
