#pragma once

#include "base/cbytes.h"

namespace Ko {

// A datagram link to one remote address and port.
// Threads: a task's own thread (a receive blocks up to the time-out).
class IUDP {
public:
    virtual ~IUDP() = default;
    virtual bool isOpen() = 0;
    // One datagram with all the bytes; true when it went out.
    virtual bool write(const CBytes& data) = 0;
    // One datagram, waiting at most the receive time-out; empty on time-out or error.
    virtual CBytes read() = 0;
    // Drops every datagram already queued, without waiting.
    virtual void drain() = 0;
    // Closes the socket if open and opens a fresh one.
    virtual bool reopen() = 0;
};

} // namespace Ko
