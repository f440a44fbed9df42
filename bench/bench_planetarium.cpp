// Round trips on the hand-controller-protocol port: "K" (an echo, no mount work) from one client
// and from 8 clients at once, and "e" (a position read of the emulated mount, converted to J2000)
// from one client. Prints round trips per second and the median and 99th-percentile latency
// (targets for "K", one client, Release build: at least 5,000 per second, 99th percentile under
// 5 ms). The server runs on the main thread's event loop as in the program; the clients are
// plain blocking sockets on threads of their own, on 127.0.0.1.
//   bench_planetarium [round trips per client, default 20000]

#include "mount/tests/mountcontrolrig.h"
#include "server/qrpserver.h"
#include "server/tests/gotolimitsrig.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Ko;
using Clock = std::chrono::steady_clock;

namespace {

// One client: sends a command, waits for its whole reply, and keeps each round trip's time.
class Client {
public:
    explicit Client(uint16_t port) {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_ok = ::connect(m_fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0;
    }
    ~Client() { ::close(m_fd); }

    bool run(const QByteArray& command, int replyBytes, int count, std::vector<double>& ms) {
        std::vector<char> buf(static_cast<size_t>(replyBytes));
        for (int i = 0; i < count && m_ok; ++i) {
            const auto start = Clock::now();
            if (::send(m_fd, command.constData(), size_t(command.size()), 0) != command.size())
                return false;
            int got = 0;
            while (got < replyBytes) {
                const ssize_t n = ::recv(m_fd, buf.data() + got, size_t(replyBytes - got), 0);
                if (n <= 0)
                    return false;
                got += int(n);
            }
            if (buf.back() != '#')
                return false;
            ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        return m_ok;
    }

private:
    int m_fd = -1;
    bool m_ok = false;
};

struct Figures {
    double perSecond = 0;
    double p50 = 0;
    double p99 = 0;
    bool ok = true;
};

// clients threads of count round trips each, while the main thread serves.
Figures measure(uint16_t port, int clients, const QByteArray& command, int replyBytes, int count) {
    std::vector<std::vector<double>> times(static_cast<size_t>(clients));
    std::atomic<int> running{clients};
    std::atomic<bool> ok{true};
    std::vector<std::thread> threads;
    const auto start = Clock::now();
    for (int c = 0; c < clients; ++c)
        threads.emplace_back([&, c] {
            Client client(port);
            if (!client.run(command, replyBytes, count, times[size_t(c)]))
                ok = false;
            if (--running == 0)
                QMetaObject::invokeMethod(
                    qApp, [] { qApp->quit(); }, Qt::QueuedConnection);
        });
    QCoreApplication::exec();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (auto& t : threads)
        t.join();
    std::vector<double> all;
    for (const auto& t : times)
        all.insert(all.end(), t.begin(), t.end());
    Figures f;
    f.ok = ok && !all.empty();
    if (all.empty())
        return f;
    std::sort(all.begin(), all.end());
    f.perSecond = double(all.size()) / seconds;
    f.p50 = all[all.size() / 2];
    f.p99 = all[std::min(all.size() - 1, all.size() * 99 / 100)];
    return f;
}

void print(const char* what, const Figures& f) {
    std::printf("%-34s %9.0f round trips/s   median %6.3f ms   99th percentile %6.3f ms%s\n", what,
                f.perSecond, f.p50, f.p99, f.ok ? "" : "   (FAILED)");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;

    MountControlRig rig;
    GoToLimitsRig limits(rig.store, rig.clock, rig.altRange, rig.astroClock, rig.astro);
    QrpServer server(rig.location, rig.astro, std::make_shared<AstroClock>(rig.clock), rig.holder,
                     rig.container, limits.settings, 0);
    rig.connect();
    const uint16_t port = server.listeningPort();
    if (port == 0) {
        std::fprintf(stderr, "the server does not listen\n");
        return 1;
    }

    const Figures one = measure(port, 1, "KA", 2, count);
    const Figures eight = measure(port, 8, "KA", 2, count / 8 + 1);
    const Figures position = measure(port, 1, "e", 18, std::max(1, count / 20));
    print("\"K\", 1 client", one);
    print("\"K\", 8 clients (all together)", eight);
    print("\"e\" on the emulated mount, 1 client", position);
    return one.ok && eight.ok && position.ok ? 0 : 1;
}
