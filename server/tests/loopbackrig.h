#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace Ko {

namespace Detail {

// Claims the port for this test program among the test programs of this machine (of its network
// namespace), under an abstract socket name that the system drops when the claim is closed or the
// program ends. The last kHeld claims are kept: a test starts its program on a port soon after it
// asks for one. Any thread.
inline bool claimPort(uint16_t port) {
    static constexpr std::size_t kHeld = 64;
    static std::mutex mutex;
    static std::deque<int> held;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = "ko-test-port-" + std::to_string(port);
    // A leading zero byte names an abstract socket: no file.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(fd);
        return false;
    }
    std::lock_guard lock(mutex);
    held.push_back(fd);
    if (held.size() > kHeld) {
        ::close(held.front());
        held.pop_front();
    }
    return true;
}

} // namespace Detail

// A port that is free for both TCP and UDP on every address at the moment of the call, and that
// no other test program running now was given: between the call and a server's opening it, the
// system may hand the same port to another program that asks for a free one, and two programs
// told one port would each meet the other's server.
inline uint16_t freePort() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTcpServer tcp;
        if (!tcp.listen(QHostAddress::Any, 0))
            continue;
        QUdpSocket udp;
        if (udp.bind(QHostAddress::Any, tcp.serverPort()) && Detail::claimPort(tcp.serverPort()))
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
