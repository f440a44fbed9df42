#include "server/peerreset.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace Ko {

bool peerHasReset(qintptr descriptor) {
    if (descriptor < 0)
        return false;
    // The connection's state, unlike its pending error, can be read without clearing anything
    // that the owner's own read would report.
    tcp_info info{};
    socklen_t length = sizeof info;
    if (::getsockopt(int(descriptor), IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return false;
    return info.tcpi_state == TCP_CLOSE;
}

} // namespace Ko
