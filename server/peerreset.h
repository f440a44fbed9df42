#pragma once

#include <QtGlobal>

namespace Ko {

// Whether the peer of a connected TCP socket has reset the connection, though the reset may not
// have been read yet: a burst of clients that connect and reset at once would otherwise hold a
// port's places until the event loop comes round to each of them. A peer that only ended its
// sending has not reset: it may still read its replies.
// Threads: any; it only asks the system about descriptor.
bool peerHasReset(qintptr descriptor);

} // namespace Ko
