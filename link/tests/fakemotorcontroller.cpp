#include "link/tests/fakemotorcontroller.h"

#include "base/koassert.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace Ko {

namespace {

struct SpeedEntry {
    speed_t speed;
    int baud;
};
constexpr SpeedEntry kSpeeds[] = {
    {B0, 0},           {B50, 50},        {B75, 75},         {B110, 110},       {B134, 134},
    {B150, 150},       {B200, 200},      {B300, 300},       {B600, 600},       {B1200, 1200},
    {B1800, 1800},     {B2400, 2400},    {B4800, 4800},     {B9600, 9600},     {B19200, 19200},
    {B38400, 38400},   {B57600, 57600},  {B115200, 115200}, {B230400, 230400}, {B460800, 460800},
    {B500000, 500000}, {B921600, 921600}};

void writeAll(int fd, const uint8_t* data, size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, data, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return;
        data += w;
        n -= static_cast<size_t>(w);
    }
}

} // namespace

PtyPair::PtyPair() {
    termios raw{};
    ::cfmakeraw(&raw);
    char path[128] = {};
    if (::openpty(&master, &slave, path, &raw, nullptr) != 0) {
        master = slave = -1;
        return;
    }
    name = path;
}

PtyPair::~PtyPair() {
    if (master >= 0)
        ::close(master);
    if (slave >= 0)
        ::close(slave);
}

FakeMotorController::FakeMotorController() {
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC);
    KO_ASSERT(m_wakeFd >= 0);
}

FakeMotorController::~FakeMotorController() {
    stop();
    if (m_udpFd >= 0)
        ::close(m_udpFd);
    ::close(m_wakeFd);
}

int FakeMotorController::baudOfSpeed(unsigned speed) {
    for (const auto& e : kSpeeds) {
        if (e.speed == speed)
            return e.baud;
    }
    return 0;
}

void FakeMotorController::setReply(const std::string& request, const std::string& reply) {
    setReply(CBytes::fromStdString(request), CBytes::fromStdString(reply));
}

void FakeMotorController::setReply(const CBytes& request, const CBytes& reply) {
    std::lock_guard lock(m_mutex);
    m_table[request] = reply;
}

void FakeMotorController::clearReplies() {
    std::lock_guard lock(m_mutex);
    m_table.clear();
}

void FakeMotorController::setHandler(Handler handler) {
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void FakeMotorController::setSilent(bool silent) {
    std::lock_guard lock(m_mutex);
    m_silent = silent;
}

void FakeMotorController::ignoreNext(int n) {
    std::lock_guard lock(m_mutex);
    m_ignore = n;
}

void FakeMotorController::setGarbage(const std::string& garbage) {
    std::lock_guard lock(m_mutex);
    m_garbage = CBytes::fromStdString(garbage);
}

void FakeMotorController::setDelayMs(int ms) {
    std::lock_guard lock(m_mutex);
    m_delayMs = ms;
}

void FakeMotorController::setByteGapMs(int ms) {
    std::lock_guard lock(m_mutex);
    m_byteGapMs = ms;
}

void FakeMotorController::setAnswerBaud(int baud) {
    std::lock_guard lock(m_mutex);
    m_answerBaud = baud;
}

void FakeMotorController::setRecording(bool on) {
    std::lock_guard lock(m_mutex);
    m_recording = on;
}

std::vector<FakeMotorController::Request> FakeMotorController::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

bool FakeMotorController::sendUnasked(const std::string& datagram) {
    CBytes peer;
    {
        std::lock_guard lock(m_mutex);
        peer = m_lastUdpPeer;
    }
    if (m_udpFd < 0 || peer.empty())
        return false;
    return ::sendto(m_udpFd, datagram.data(), datagram.size(), 0,
                    reinterpret_cast<const sockaddr*>(peer.data()),
                    static_cast<socklen_t>(peer.size())) == ssize_t(datagram.size());
}

size_t FakeMotorController::requestCount() const {
    std::lock_guard lock(m_mutex);
    return m_requestCount;
}

bool FakeMotorController::waitForRequests(size_t n, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                         [&] { return m_requestCount >= n; });
}

size_t FakeMotorController::replyCount() const {
    std::lock_guard lock(m_mutex);
    return m_replyCount;
}

bool FakeMotorController::waitForReplies(size_t n, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                         [&] { return m_replyCount >= n; });
}

void FakeMotorController::clearRequests() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
    m_requestCount = 0;
}

uint16_t FakeMotorController::serveUdp(uint16_t port) {
    KO_ASSERT(!m_thread.joinable());
    m_udpFd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (m_udpFd < 0)
        return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    socklen_t len = sizeof addr;
    if (::bind(m_udpFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::getsockname(m_udpFd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(m_udpFd);
        m_udpFd = -1;
        return 0;
    }
    m_thread = std::thread([this] { run(); });
    return ntohs(addr.sin_port);
}

bool FakeMotorController::serveSerial(int masterFd, int portSideFd) {
    KO_ASSERT(!m_thread.joinable());
    if (masterFd < 0)
        return false;
    m_masterFd = masterFd;
    m_portSideFd = portSideFd;
    m_thread = std::thread([this] { run(); });
    return true;
}

int FakeMotorController::portBaud() const {
    if (m_portSideFd < 0)
        return 0;
    termios t{};
    if (::tcgetattr(m_portSideFd, &t) != 0)
        return 0;
    return baudOfSpeed(static_cast<unsigned>(::cfgetospeed(&t)));
}

void FakeMotorController::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_cv.notify_all();
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t w = ::write(m_wakeFd, &one, sizeof one);
    if (m_thread.joinable())
        m_thread.join();
}

bool FakeMotorController::pause(int ms) {
    if (ms <= 0)
        return true;
    std::unique_lock lock(m_mutex);
    return !m_cv.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stopping; });
}

void FakeMotorController::run() {
    const int fd = m_udpFd >= 0 ? m_udpFd : m_masterFd;
    bool lineOpen = true;
    CBytes pending;
    uint8_t buffer[2048];
    for (;;) {
        pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {fd, POLLIN, 0}};
        // A line whose far side went away would report itself readable for ever; after that only
        // stop() is waited for.
        const int n = ::poll(fds, lineOpen ? 2 : 1, -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || (fds[0].revents & POLLIN))
            return;
        if (!(fds[1].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        if (m_udpFd >= 0) {
            sockaddr_in peer{};
            socklen_t peerLength = sizeof peer;
            const ssize_t got = ::recvfrom(fd, buffer, sizeof buffer, 0,
                                           reinterpret_cast<sockaddr*>(&peer), &peerLength);
            if (got < 0)
                continue;
            handleRequest(CBytes(buffer, buffer + got), &peer, peerLength);
            continue;
        }
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0) {
            lineOpen = false;
            continue;
        }
        // A request runs from ':' to the carriage return; anything before the ':' is noise.
        for (ssize_t i = 0; i < got; ++i) {
            const uint8_t b = buffer[i];
            if (pending.empty() && b != ':')
                continue;
            pending.push_back(b);
            if (b == '\r') {
                handleRequest(pending, nullptr, 0);
                pending.clear();
            }
        }
    }
}

void FakeMotorController::handleRequest(const CBytes& request, const void* udpPeer,
                                        unsigned udpPeerLength) {
    const int baud = udpPeer ? 0 : portBaud();
    const uint16_t peerPort =
        udpPeer ? ntohs(static_cast<const sockaddr_in*>(udpPeer)->sin_port) : uint16_t(0);
    Nullable<CBytes> reply;
    CBytes garbage;
    int delayMs = 0;
    int gapMs = 0;
    Handler handler;
    {
        std::lock_guard lock(m_mutex);
        if (m_recording)
            m_requests.push_back({request, baud, peerPort});
        if (udpPeer) {
            const auto* raw = static_cast<const uint8_t*>(udpPeer);
            m_lastUdpPeer = CBytes(raw, raw + udpPeerLength);
        }
        ++m_requestCount;
        const bool wrongSpeed = !udpPeer && m_answerBaud != 0 && baud != m_answerBaud;
        const bool ignored = m_ignore > 0;
        if (ignored)
            --m_ignore;
        if (!m_silent && !ignored && !wrongSpeed) {
            const auto it = m_table.find(request);
            if (it != m_table.end())
                reply = it->second;
            else
                handler = m_handler;
        }
        garbage = m_garbage;
        delayMs = m_delayMs;
        gapMs = m_byteGapMs;
    }
    m_cv.notify_all();
    if (handler)
        reply = handler(request);
    if (!reply.hasValue())
        return;
    if (!pause(delayMs))
        return;

    CBytes out = garbage;
    out.appendBytes(reply.value());
    if (udpPeer) {
        ::sendto(m_udpFd, out.data(), out.size(), 0, static_cast<const sockaddr*>(udpPeer),
                 static_cast<socklen_t>(udpPeerLength));
    } else if (gapMs <= 0) {
        writeAll(m_masterFd, out.data(), out.size());
    } else {
        for (size_t i = 0; i < out.size(); ++i) {
            if (i > 0 && !pause(gapMs))
                return;
            writeAll(m_masterFd, &out[i], 1);
        }
    }
    {
        std::lock_guard lock(m_mutex);
        ++m_replyCount;
    }
    m_cv.notify_all();
}

} // namespace Ko
