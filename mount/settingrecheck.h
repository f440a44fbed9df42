#pragma once

#include "link/cmdret.h"

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace Ko {

// The mount settings whose last write the mount left unanswered. Such a write may have reached
// the mount with only its reply lost, or not at all: what the mount holds is not known, while
// the pages show what it confirmed last. Each such setting keeps one check that makes it sure
// again (a read where the mount can tell it, else the value confirmed last, sent again); the
// checks run once the link answers again. A write of the setting that the mount answers makes it
// sure without a check, and a later unanswered write replaces the earlier check, so that only
// the newest state is ever asserted.
// Threads: any thread; the checks run on the thread that calls recheck (the mount's worker), one
// at a time, outside the lock.
class SettingRecheck {
public:
    // The settings, each one key: a write of one never makes another sure.
    enum class Setting {
        GuideSpeedAxis1,
        GuideSpeedAxis2,
        PolarScopeLight,
        DualEncoders,
        PpecTraining,
        PpecPlayback,
    };
    // Asks or tells the mount once; Ok when it answered.
    using Check = std::function<CmdRetType_::E()>;

    // How a write of the setting ended: unanswered (Timeout), it waits with check for the link;
    // answered in any way (taken or refused), the mount's state is known.
    void written(Setting setting, CmdRetType_::E result, Check check);
    // Runs every waiting check once, oldest first; one the mount leaves unanswered again waits on.
    // Writes and checks are meant to run on one thread, so that none ends while a check runs.
    void recheck();

private:
    std::mutex m_mutex;
    // Guards the checks waiting for the link, in the order their writes ended.
    std::vector<std::pair<Setting, Check>> m_waiting;
};

} // namespace Ko
