#pragma once

#include <QtGlobal>

namespace Ko {

// Whether the peer of a connected TCP socket has reset the connection, though the reset may not
// have been read yet: a burst of clients that connect and reset at once would otherwise hold a
// port's places until the event loop comes round to each of them. A peer that only ended its
// sending has not reset: it may still read its replies.
// Threads: any; it only asks the system about descriptor.
bool peerHasReset(qintptr descriptor);

// Tells whether any of a port's connections may have been reset or hung up since it last told,
// at the cost of one question to the system however many connections it watches: a port that is
// full asks it before it looks at each connection, so that a flood of newcomers at a port full of
// live clients costs no more than their refusal. It may tell of a connection that has not reset
// (one whose both ends have ended their sending), never misses one that has, and never tells of
// a peer that only ended its sending. A connection is watched from add() until its descriptor is
// closed; nothing else need be done when it goes.
// Threads: one thread at a time (the port's own).
class ResetWatch {
public:
    ResetWatch();
    ~ResetWatch();
    ResetWatch(const ResetWatch&) = delete;
    ResetWatch& operator=(const ResetWatch&) = delete;

    void add(qintptr descriptor);
    // Whether any watched connection has been reset or hung up since the last call; then true
    // once for all that have.
    bool anyReset();

private:
    // -1 when the system would not give one: then every call tells of a possible reset.
    int m_fd = -1;
};

} // namespace Ko
