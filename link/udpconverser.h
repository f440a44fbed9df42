#pragma once

#include "link/iconverser.h"

#include <memory>

namespace Ko {

class IUDP;
class IConnectionSettings;
class ICancellable;

// The UDP transport converser: one datagram per attempt. A late reply to an earlier exchange must
// never be taken for the answer to this one, so an exchange starts on a freshly opened socket
// whenever such a reply may still be on its way. Only after an exchange whose first request got a
// whole frame back is nothing more owed to the socket; the next exchange then keeps it and drops
// whatever stray datagram is already queued, which spares it the cost of a new socket (about as
// much as the round trip itself on a fast link). Not locked: the link's SLConverser serialises it.
// Threads: a task's own thread (an exchange blocks until the reply or the time-out).
class UDPConverser : public IConverser {
    Q_OBJECT
public:
    UDPConverser(std::shared_ptr<IUDP> udp, std::shared_ptr<IConnectionSettings> settings,
                 std::shared_ptr<ICancellable> cancellable);
    CmdResp<CBytes> converse(const CBytes& request) override;

private:
    std::shared_ptr<IUDP> m_udp;
    std::shared_ptr<IConnectionSettings> m_settings;
    std::shared_ptr<ICancellable> m_cancellable;
    bool m_socketSettled = false;
};

} // namespace Ko
