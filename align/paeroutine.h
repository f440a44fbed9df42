#pragma once

#include "align/ipaeroutine.h"
#include "mount/gotoclaim.h"

#include <memory>
#include <mutex>
#include <utility>

namespace Ko {

class CenteringUIStub;
class IMountConnection;
class IShortMessageSink;

// Sends the mount to a target; when the GoTo ends Ok it shows the centering page, and each press
// of the page's centre button records the target against where the axes point as a correction
// point, on a thread of its own so that the page stays live. A failed point (a refused or
// unanswered read, or a reading the model cannot take) is reported as a communication error and
// leaves the page open for another try. A point belongs to the routine's GoTo: once another GoTo
// has sent the mount elsewhere, nothing is recorded, the page closes and the user is told why.
// Made with std::make_shared: the callbacks it hands out hold it weakly, its worker threads
// strongly.
// Threads: main thread only for start; each point is measured on a task's own thread.
class PAERoutine : public IPAERoutine, public std::enable_shared_from_this<PAERoutine> {
public:
    PAERoutine(std::shared_ptr<IMountConnection> connection,
               std::shared_ptr<CenteringUIStub> centering,
               std::shared_ptr<IShortMessageSink> messages);

    void start(const MountTarget& target) override;

private:
    void onGotoFinished(const MountTarget& target, const GotoClaim& claim);
    void onCenterPressed();
    void addPoint();
    std::pair<MountTarget, GotoClaim> lastTarget() const;

    const std::shared_ptr<IMountConnection> m_connection;
    const std::shared_ptr<CenteringUIStub> m_centering;
    const std::shared_ptr<IShortMessageSink> m_messages;
    // Guards m_target and m_claim: written by start on the main thread, read by the point
    // workers.
    mutable std::mutex m_mutex;
    MountTarget m_target{"", {0, 0, CoordType::RDJNow}, 0};
    GotoClaim m_claim;
};

} // namespace Ko
