// Position reads (":j1" and its reply) through the whole UDP road of a connection, beside a bare
// request/reply round trip to the same fake controller on loopback. Prints exchanges per second
// for both and the cost ratio of the road to the bare round trip (target: at most 1.5). A third
// line shows what the road would cost if every exchange opened a new socket.
//   bench_converser [exchanges per round, default 20000] [rounds, default 5]

#include "link/mountcmd.h"
#include "link/tests/udplinkrig.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
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

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

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
    if (failures > 0) {
        std::printf("failed exchanges: %d\n", failures);
        return 1;
    }
    return 0;
}
