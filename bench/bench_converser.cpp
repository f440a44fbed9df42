// Position reads (":j1" and its reply) through the whole UDP road of a connection, beside a bare
// request/reply round trip to the same fake controller on loopback. Prints exchanges per second
// for both and the cost ratio of the road to the bare round trip (target: at most 1.5). A third
// line shows what the road would cost if every exchange opened a new socket.
// Then the same reads through the serial road over a pseudo-terminal, which has no wire delay:
// its time per exchange is the road's own cost, shown beside the wire time of the same 12 bytes
// at 115200 baud (target: at most a fifth of it), and beside a bare write/read on the terminal.
//   bench_converser [exchanges per round, default 20000] [rounds, default 5]

#include "link/koserialportconverser.h"
#include "link/mountcmd.h"
#include "link/qtserialport.h"
#include "link/tests/udplinkrig.h"

#include <QCoreApplication>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

using namespace Ko;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kTimeoutMs = 1000;
const char kRequest[] = ":j1\r";
const char kReply[] = "=000080\r";

// The bare round trip: one socket, one datagram out, one back.
class BareClient {
public:
    explicit BareClient(uint16_t port) {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        timeval tv{kTimeoutMs / 1000, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        m_to.sin_family = AF_INET;
        m_to.sin_port = htons(port);
        m_to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    }
    ~BareClient() { ::close(m_fd); }
    bool exchange() {
        ::sendto(m_fd, kRequest, 4, 0, reinterpret_cast<const sockaddr*>(&m_to), sizeof m_to);
        char buf[1500];
        const ssize_t n = ::recvfrom(m_fd, buf, sizeof buf, 0, nullptr, nullptr);
        return n == 8 && std::memcmp(buf, kReply, 8) == 0;
    }

private:
    int m_fd = -1;
    sockaddr_in m_to{};
};

// The bare serial round trip: the request written to the port side of the terminal, the reply
// read back from it.
bool bareSerialExchange(int fd) {
    if (::write(fd, kRequest, 4) != 4)
        return false;
    char buf[16];
    size_t got = 0;
    while (got < 8) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kTimeoutMs) <= 0)
            return false;
        const ssize_t n = ::read(fd, buf + got, sizeof buf - got);
        if (n <= 0)
            return false;
        got += size_t(n);
    }
    return got == 8 && std::memcmp(buf, kReply, 8) == 0;
}

template <class F>
double secondsFor(int n, F&& exchange, int& failures) {
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
        if (!exchange())
            ++failures;
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

namespace {

// The serial road, KoConverser -> SLConverser -> KoSerialPortConverser -> QtSerialPort, against
// the fake controller on a pseudo-terminal; prints its figures and returns the failed exchanges.
int benchSerial(int n, int rounds) {
    PtyPair barePty, chainPty;
    FakeMotorController bareFake, chainFake;
    for (auto* fake : {&bareFake, &chainFake}) {
        fake->setRecording(false);
        fake->setReply(kRequest, kReply);
    }
    auto settings = std::make_shared<ConnectionSettings>(nullptr);
    settings->setType(ConnectionType_::Serial);
    settings->setReadTimeoutMs_other(kTimeoutMs);
    settings->setMaxRetryCount(0);
    auto port = std::make_shared<QtSerialPort>(chainPty.name);
    if (!barePty.isOpen() || !chainPty.isOpen() || !port->open() || !port->setBaudRate(115200) ||
        !bareFake.serveSerial(barePty.master, barePty.slave) ||
        !chainFake.serveSerial(chainPty.master, chainPty.slave)) {
        std::fprintf(stderr, "cannot set up the pseudo-terminals\n");
        return 1;
    }
    auto transport = std::make_shared<KoSerialPortConverser>(
        settings, port, std::make_shared<ControlledCancellable>());
    auto converser = std::make_shared<KoConverser>(std::make_shared<SLConverser>(transport));
    const MountCmd readPosition(0, 'j');

    int failures = 0;
    auto bareExchange = [&] { return bareSerialExchange(barePty.slave); };
    auto chainExchange = [&] {
        const auto r = converser->converseValue(readPosition);
        return r.isOk() && r.value() == 0x800000u;
    };
    secondsFor(n / 10 + 1, bareExchange, failures);
    secondsFor(n / 10 + 1, chainExchange, failures);
    std::vector<double> bareTimes, chainTimes;
    for (int r = 0; r < rounds; ++r) {
        bareTimes.push_back(secondsFor(n, bareExchange, failures));
        chainTimes.push_back(secondsFor(n, chainExchange, failures));
    }
    chainFake.stop();
    bareFake.stop();

    // ":j1\r" and "=000080\r": 12 bytes of 10 bits each (start, 8 data, stop).
    const double wireUs = 12 * 10 * 1e6 / 115200;
    const double bareUs = 1e6 * median(bareTimes) / n;
    const double chainUs = 1e6 * median(chainTimes) / n;
    std::printf("serial, pseudo-terminal\n");
    std::printf("bare write/read     : %10.0f exchanges/s  %7.2f us each\n", 1e6 / bareUs, bareUs);
    std::printf("serial chain        : %10.0f exchanges/s  %7.2f us each\n", 1e6 / chainUs,
                chainUs);
    std::printf("wire at 115200 baud : %7.2f us; chain/wire %.3f (target <= 0.20: %s)\n", wireUs,
                chainUs / wireUs, chainUs <= wireUs / 5 ? "met" : "NOT met");
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    // The serial port lives on a Qt thread of its own.
    QCoreApplication app(argc, argv);

    UdpLinkRig rig(kTimeoutMs);
    if (rig.port == 0) {
        std::fprintf(stderr, "cannot bind the fake controller on 127.0.0.1\n");
        return 1;
    }
    rig.fake.setRecording(false);
    rig.fake.setReply(kRequest, kReply);
    const MountCmd readPosition(0, 'j');

    BareClient bare(rig.port);
    int failures = 0;
    auto bareExchange = [&] { return bare.exchange(); };
    auto chainExchange = [&] {
        const auto r = rig.converser->converseValue(readPosition);
        return r.isOk() && r.value() == 0x800000u;
    };
    auto freshSocketExchange = [&] {
        rig.udp->reopen();
        return chainExchange();
    };

    // Warm both roads up, then alternate so that machine noise hits both alike.
    secondsFor(n / 10 + 1, bareExchange, failures);
    secondsFor(n / 10 + 1, chainExchange, failures);
    std::vector<double> bareTimes, chainTimes, freshTimes;
    for (int r = 0; r < rounds; ++r) {
        bareTimes.push_back(secondsFor(n, bareExchange, failures));
        chainTimes.push_back(secondsFor(n, chainExchange, failures));
        freshTimes.push_back(secondsFor(n, freshSocketExchange, failures));
    }
    rig.fake.stop();

    const double bareS = median(bareTimes);
    const double chainS = median(chainTimes);
    const double freshS = median(freshTimes);
    const double ratio = chainS / bareS;
    std::printf("exchanges per round: %d, rounds: %d (median round shown)\n", n, rounds);
    std::printf("bare UDP round trip : %10.0f exchanges/s  %7.2f us each\n", n / bareS,
                1e6 * bareS / n);
    std::printf("converser chain     : %10.0f exchanges/s  %7.2f us each\n", n / chainS,
                1e6 * chainS / n);
    std::printf("ratio chain/bare    : %10.2f  (target <= 1.50: %s)\n", ratio,
                ratio <= 1.5 ? "met" : "NOT met");
    std::printf("chain, new socket each exchange: %10.0f exchanges/s  ratio %.2f\n", n / freshS,
                freshS / bareS);
    failures += benchSerial(n, rounds);
    if (failures > 0) {
        std::printf("failed exchanges: %d\n", failures);
        return 1;
    }
    return 0;
}
