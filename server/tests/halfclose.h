#pragma once

#include "loopbackrig.h"

#include <sys/socket.h>

#include <QAbstractSocket>
#include <QByteArray>

#include <algorithm>
#include <utility>

namespace Ko {

// Ends the client's sending once what it wrote is on its way, and returns what the server sends
// until it closes the connection, and whether it closed it within waitMs; the client still reads.
inline std::pair<QByteArray, bool> endSendingUntilClosed(TcpClient& client, int waitMs = 10000) {
    QAbstractSocket& socket = client.socket();
    socket.waitForBytesWritten(5000);
    ::shutdown(int(socket.socketDescriptor()), SHUT_WR);
    const bool closed =
        socket.state() == QAbstractSocket::UnconnectedState || socket.waitForDisconnected(waitMs);
    return {socket.readAll(), closed};
}

// What a client that goes on sending gets: the expected answers, or silence when none is due.
inline QByteArray answersWhileOpen(TcpClient& client, const QByteArray& expected) {
    return client.receive(std::max(1, int(expected.size())),
                          expected.isEmpty() ? kSilenceMs : 5000);
}

} // namespace Ko
