#include "link/imountaxis.h"

#include "base/cancellable.h"

namespace Ko {

CmdRetType_::E IMountAxis::waitUntilStill(AXISID axis, ICancellable& sleeper, int maxPolls) {
    for (int poll = 0; maxPolls < 0 || poll < maxPolls; ++poll) {
        const auto s = readStatus(axis);
        if (!s.isOk())
            return s.type;
        if (s.value().motion == 0)
            return CmdRetType_::Ok;
        if (sleeper.sleep(kStillPollMs))
            return CmdRetType_::Cancel;
    }
    return CmdRetType_::Other;
}

} // namespace Ko
