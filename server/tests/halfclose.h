#pragma once

#include "loopbackrig.h"

#include <sys/socket.h>

#include <QAbstractSocket>
#include <QByteArray>

#include <utility>

namespace Ko {

// Ends the client's sending once what it wrote is on its way; it can still read.
inline void endSending(TcpClient& client) {
    client.socket().waitForBytesWritten(5000);
    ::shutdown(int(client.socket().socketDescriptor()), SHUT_WR);
}

// What the server sends until it closes the connection, and whether it closed it within waitMs.
inline std::pair<QByteArray, bool> untilClosed(TcpClient& client, int waitMs = 10000) {
    QAbstractSocket& socket = client.socket();
    const bool closed =
        socket.state() == QAbstractSocket::UnconnectedState || socket.waitForDisconnected(waitMs);
    return {socket.readAll(), closed};
}

} // namespace Ko
