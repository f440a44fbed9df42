#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <cstdint>
#include <memory>
#include <optional>

namespace Ko {

// A port that is free for both TCP and UDP on every address at the moment of the call.
inline uint16_t freePort() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTcpServer tcp;
        if (!tcp.listen(QHostAddress::Any, 0))
            continue;
        QUdpSocket udp;
        if (udp.bind(QHostAddress::Any, tcp.serverPort()))
            return tcp.serverPort();
    }
    return 0;
}

// Silence is checked by waiting this long for a reply that must not come.
inline constexpr int kSilenceMs = 300;

// One UDP request to 127.0.0.1 and its reply; nullopt when none comes within waitMs.
inline std::optional<QByteArray> udpRequest(uint16_t port, const QByteArray& request,
                                            int waitMs = 5000) {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    socket.writeDatagram(request, QHostAddress::LocalHost, port);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < waitMs) {
        if (socket.hasPendingDatagrams())
            return socket.receiveDatagram().data();
        socket.waitForReadyRead(int(std::max<qint64>(1, waitMs - timer.elapsed())));
    }
    if (socket.hasPendingDatagrams())
        return socket.receiveDatagram().data();
    return std::nullopt;
}

// A TCP client on 127.0.0.1 that sends deliveries and reads what comes back.
class TcpClient {
public:
    explicit TcpClient(uint16_t port) {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        m_connected = m_socket.waitForConnected(5000);
    }
    bool connected() const { return m_connected; }
    QTcpSocket& socket() { return m_socket; }

    void send(const QByteArray& bytes) {
        m_socket.write(bytes);
        m_socket.waitForBytesWritten(5000);
    }
    // What arrives within waitMs, at least minBytes of it when that many come.
    QByteArray receive(int minBytes = 1, int waitMs = 5000) {
        QByteArray got = m_socket.readAll();
        QElapsedTimer timer;
        timer.start();
        while (got.size() < minBytes && timer.elapsed() < waitMs) {
            m_socket.waitForReadyRead(int(std::max<qint64>(1, waitMs - timer.elapsed())));
            got += m_socket.readAll();
        }
        return got;
    }
    QByteArray request(const QByteArray& bytes, int waitMs = 5000) {
        send(bytes);
        return receive(1, waitMs);
    }

private:
    QTcpSocket m_socket;
    bool m_connected = false;
};

} // namespace Ko
