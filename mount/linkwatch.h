#pragma once

#include "link/cmdret.h"
#include "link/ikodevice.h"

#include <cstdint>
#include <memory>

namespace Ko {

class ICancellable;
class IClock;
class IMountAxis;

// Keeps a connected mount's link in use while nothing else talks to it (the mount only tracks, or
// stands idle), so that a controller that restarted or a link that stopped answering is seen
// within a couple of seconds: once the axes have exchanged nothing for kQuietMs, it reads the
// status of one axis, the two in turn. A status read shows a restart (the axes see themselves not
// initialised) and, like any exchange, whether the link answers. Any exchange of the axes counts:
// a link kept busy by a GoTo or the position read pays nothing for the watch.
// Threads: run on a thread of its own, which it holds until its token is cancelled.
class LinkWatch {
public:
    LinkWatch(std::shared_ptr<ICancellable> token, std::shared_ptr<IClock> clock,
              std::shared_ptr<IMountAxis> axes);

    // Watches until the token is cancelled; returns Cancel.
    CmdRetType_::E run();

    static constexpr int64_t kQuietMs = 1000;

private:
    const std::shared_ptr<ICancellable> m_token;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IMountAxis> m_axes;
};

} // namespace Ko
