// Round trips on the hand-controller-protocol port: "K" (an echo, no mount work) from one client
// and from 8 clients at once, and "e" (a position read of the emulated mount, converted to J2000)
// from one client. Prints round trips per second and the median and 99th-percentile latency
// (targets for "K", one client, Release build: at least 5,000 per second, 99th percentile under
// 5 ms). Then the servers under floods:
// - memory: 5 clients send "V" as fast as TCP lets them for 20 s and read every reply, which is
//   checked, then end their sending and read to the end: resident memory before, at its peak and
//   5 s after they left (target: at most 64 MB above the start at the peak, within 24 MB of it
//   after);
// - latency: a client probing "K~" every 200 ms on the hand-controller port and one connecting
//   to the position port every 200 ms and timing its first position message, beside 50 clients
//   that each send 64 "e" every 50 ms and read their replies, then beside 20 that send as much
//   and never read (4 KiB receive buffers): median, 99th percentile and longest answer, the
//   probes unanswered within 1 s (target: none), and the main thread's share of a core;
// - full ports: live clients hold every place of the hand-controller port (the probe among them)
//   and then of the position port, while 8 threads connect, send "V" and close, 4000 a second
//   and then as fast as they can (all refused), and a client probes "K~" every 50 ms on the
//   hand-controller port: the main thread's CPU time per refusal, and the probes answered within 1
//   s and their latency.
// The servers run on the main thread's event loop as in the program; the clients are plain
// blocking sockets on threads of their own, on 127.0.0.1.
//   bench_planetarium [round trips per client, default 20000] [seconds per flood, default 20]
//   bench_planetarium full-port [threads, default 8] [seconds, default 8] [newcomers a second,
//   default 4000; 0 as fast as they can]: those rows alone

#include "base/backgroundwork.h"
#include "bench/benchsupport.h"
#include "mount/tests/mountcontrolrig.h"
#include "server/qrpserver.h"
#include "server/stellariumserver.h"
#include "server/tests/gotolimitsrig.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
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

// A connected blocking socket to 127.0.0.1:port, -1 when it cannot connect. receiveBuffer, when
// not 0, is set before the handshake, so that the window offered stays that small.
int connectTo(uint16_t port, int receiveBuffer = 0) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (receiveBuffer > 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads exactly n bytes within timeoutMs; false on time-out, end or error.
bool readExactly(int fd, char* into, size_t n, int timeoutMs) {
    const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
    size_t got = 0;
    while (got < n) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, int(left)) <= 0)
            return false;
        const ssize_t r = ::recv(fd, into + got, n - got, 0);
        if (r <= 0)
            return false;
        got += size_t(r);
    }
    return true;
}

double residentMB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Runs the main thread's event loop for ms milliseconds.
void serveFor(int ms) {
    QTimer::singleShot(ms, qApp, [] { qApp->quit(); });
    QCoreApplication::exec();
}

struct MemoryFigures {
    double before = 0;
    double peak = 0;
    double after = 0;
    long long commands = 0;
    bool inOrder = true;
};

// Five clients flood "V" for seconds and read every reply; then they end their sending, read
// what is left and go.
MemoryFigures memoryUnderFlood(uint16_t port, int seconds) {
    constexpr int kClients = 5;
    MemoryFigures f;
    f.before = residentMB();
    std::atomic<bool> stop{false};
    std::atomic<bool> sampling{true};
    std::atomic<long long> commands{0};
    std::atomic<bool> inOrder{true};
    std::atomic<double> peak{f.before};
    std::atomic<int> running{kClients};
    std::thread sampler([&] {
        while (sampling) {
            peak = std::max(peak.load(), residentMB());
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c)
        clients.emplace_back([&] {
            const int fd = connectTo(port);
            // What the client's system holds unsent is drained, answered, after the flood:
            // kept to a moment's worth here, so that the drain does not dwarf the flood.
            const int sendBuffer = 64 * 1024;
            ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
            if (fd < 0) {
                inOrder = false;
            } else {
                std::atomic<long long> sent{0};
                std::thread writer([&] {
                    const std::vector<char> chunk(64 * 1024, 'V');
                    while (!stop) {
                        const ssize_t n = ::send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL);
                        if (n <= 0)
                            break;
                        sent += n;
                    }
                    ::shutdown(fd, SHUT_WR);
                });
                // Every reply is the version, whole, in order; the server closes once the last
                // command sent is answered.
                static const char kVersion[] = {2, 1, 12, '#'};
                std::vector<char> buffer(64 * 1024);
                long long received = 0;
                for (;;) {
                    const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
                    if (n <= 0)
                        break;
                    for (ssize_t i = 0; i < n; ++i)
                        if (buffer[size_t(i)] != kVersion[(received + i) % 4])
                            inOrder = false;
                    received += n;
                }
                writer.join();
                if (received != 4 * sent.load())
                    inOrder = false;
                commands += sent.load();
                ::close(fd);
            }
            if (--running == 0)
                postToMainThread([] { qApp->quit(); });
        });
    QTimer::singleShot(seconds * 1000, qApp, [&] { stop = true; });
    QCoreApplication::exec();
    for (auto& t : clients)
        t.join();
    serveFor(5000);
    sampling = false;
    sampler.join();
    f.peak = peak;
    f.after = residentMB();
    f.commands = commands;
    f.inOrder = inOrder;
    return f;
}

struct LatencyFigures {
    std::vector<double> ms;
    int unanswered = 0;
    double p(double q) const {
        if (ms.empty())
            return 0;
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(double(sorted.size()) * q))];
    }
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

struct FloodFigures {
    LatencyFigures qrp;
    LatencyFigures position;
    double mainCpuShare = 0;
    int floodersClosed = 0;
};

// flooders clients each send 64 "e" every 50 ms, reading their replies or not, while the
// probes measure how long the others wait.
FloodFigures latencyUnderFlood(uint16_t qrpPort, uint16_t positionPort, int flooders, bool reading,
                               int seconds) {
    constexpr int kAnswerWithinMs = 1000;
    FloodFigures f;
    std::atomic<bool> stop{false};
    std::atomic<int> closed{0};
    std::atomic<int> running{flooders + 2};
    const auto ended = [&running] {
        if (--running == 0)
            postToMainThread([] { qApp->quit(); });
    };
    std::vector<std::thread> threads;
    for (int c = 0; c < flooders; ++c)
        threads.emplace_back([&] {
            const int fd = connectTo(qrpPort, reading ? 0 : 4096);
            if (fd < 0) {
                ++closed;
                ended();
                return;
            }
            const std::string batch(64, 'e');
            std::vector<char> replies(64 * 18);
            auto next = Clock::now();
            bool open = true;
            while (!stop && open) {
                if (::send(fd, batch.data(), batch.size(), MSG_NOSIGNAL | MSG_DONTWAIT) < 0 &&
                    errno != EAGAIN)
                    open = false;
                if (reading && open && !readExactly(fd, replies.data(), replies.size(), 10000))
                    open = false;
                next += std::chrono::milliseconds(50);
                std::this_thread::sleep_until(next);
            }
            if (!open)
                ++closed;
            ::close(fd);
            ended();
        });
    std::mutex mutex;
    threads.emplace_back([&] {
        const int fd = connectTo(qrpPort);
        auto next = Clock::now();
        while (!stop) {
            next += std::chrono::milliseconds(200);
            std::this_thread::sleep_until(next);
            const auto start = Clock::now();
            char echo[2];
            const bool ok = fd >= 0 && ::send(fd, "K~", 2, MSG_NOSIGNAL) == 2 &&
                            readExactly(fd, echo, 2, kAnswerWithinMs) && echo[0] == '~';
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::lock_guard lock(mutex);
            if (ok)
                f.qrp.ms.push_back(ms);
            else
                ++f.qrp.unanswered;
        }
        if (fd >= 0)
            ::close(fd);
        ended();
    });
    threads.emplace_back([&] {
        auto next = Clock::now();
        while (!stop) {
            next += std::chrono::milliseconds(200);
            std::this_thread::sleep_until(next);
            const auto start = Clock::now();
            const int fd = connectTo(positionPort);
            char message[24];
            const bool ok = fd >= 0 && readExactly(fd, message, sizeof message, kAnswerWithinMs);
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (fd >= 0)
                ::close(fd);
            std::lock_guard lock(mutex);
            if (ok)
                f.position.ms.push_back(ms);
            else
                ++f.position.unanswered;
        }
        ended();
    });
    const double cpuStart = Bench::cpuMs();
    const auto wallStart = Clock::now();
    serveFor(seconds * 1000);
    f.mainCpuShare = (Bench::cpuMs() - cpuStart) /
                     std::chrono::duration<double, std::milli>(Clock::now() - wallStart).count();
    stop = true;
    // The clients end their loops within a period; the server serves meanwhile.
    if (running > 0)
        QCoreApplication::exec();
    for (auto& t : threads)
        t.join();
    f.floodersClosed = closed;
    return f;
}

void printLatency(const char* what, const LatencyFigures& l) {
    std::printf("  %-30s %4zu answered, %2d not within 1 s   median %7.2f ms   99th percentile "
                "%7.2f ms   longest %7.2f ms\n",
                what, l.ms.size(), l.unanswered, l.p(0.5), l.p(0.99), l.max());
}

// Runs the main thread's event loop until done() holds, for at most ms milliseconds.
template <class Done>
bool serveUntil(Done done, int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (!done() && Clock::now() < until)
        serveFor(10);
    return done();
}

// Live clients hold every place of flooded, the probe on qrpPort among them when flooded is
// that port's server; threads connect to it, send "V" and close as fast as they can for seconds.
void fullPortRow(const char* name, MountGatedServer& flooded, int places, uint16_t qrpPort,
                 bool probeHoldsPlace, int threads, int seconds, int perSecond) {
    const int probe = connectTo(qrpPort);
    std::vector<int> held;
    // One at a time, each taken before the next: the system queues only so many that the server
    // has not taken, and it takes them on this thread.
    for (int k = 0; k < places - (probeHoldsPlace ? 1 : 0); ++k) {
        held.push_back(connectTo(flooded.listeningPort()));
        serveUntil([&] { return flooded.clientCount() == k + 1 + (probeHoldsPlace ? 1 : 0); },
                   5000);
    }
    if (!serveUntil([&] { return flooded.clientCount() == places; }, 5000)) {
        std::printf("%s: the places are not all held (%d of %d)\n", name, flooded.clientCount(),
                    places);
        return;
    }
    LatencyFigures probed;
    std::atomic<bool> stop{false};
    std::atomic<bool> kept{false};
    std::atomic<bool> proberEnded{false};
    std::thread prober([&] {
        auto next = Clock::now();
        while (!stop) {
            next += std::chrono::milliseconds(50);
            std::this_thread::sleep_until(next);
            const auto start = Clock::now();
            char echo[2];
            const bool ok = probe >= 0 && ::send(probe, "K~", 2, MSG_NOSIGNAL) == 2 &&
                            readExactly(probe, echo, 2, 1000) && echo[0] == '~';
            if (!kept)
                continue;
            if (ok)
                probed.ms.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            else
                ++probed.unanswered;
        }
        proberEnded = true;
    });
    // What the probe alone costs, taken off the flood's cost below.
    const double idleCpuStart = Bench::cpuMs();
    const auto idleWallStart = Clock::now();
    serveFor(2000);
    const double idleShare =
        (Bench::cpuMs() - idleCpuStart) /
        std::chrono::duration<double, std::milli>(Clock::now() - idleWallStart).count();
    kept = true;
    const double cpuStart = Bench::cpuMs();
    const auto wallStart = Clock::now();
    Bench::ConnectFlood flood(flooded.listeningPort(), threads, "V", perSecond);
    serveFor(seconds * 1000);
    const double cpuMs = Bench::cpuMs() - cpuStart;
    const double wallMs =
        std::chrono::duration<double, std::milli>(Clock::now() - wallStart).count();
    // The probe under way and the last newcomers are served while they end.
    kept = false;
    stop = true;
    flood.requestStop();
    serveUntil([&] { return proberEnded.load(); }, 3000);
    flood.stop();
    prober.join();
    const int heldAfter = flooded.clientCount();
    for (int fd : held)
        if (fd >= 0)
            ::close(fd);
    if (probe >= 0)
        ::close(probe);
    serveUntil([&] { return flooded.clientCount() == 0; }, 5000);
    const double answered =
        100.0 * double(probed.ms.size()) /
        double(std::max<size_t>(1, probed.ms.size() + size_t(probed.unanswered)));
    const double refusalsCpuMs = std::max(0.0, cpuMs - idleShare * wallMs);
    std::printf(
        "full %s, %d places: %d threads (%s) made %lld newcomers in %.1f s (%.0f/s, %lld could "
        "not connect), %d held after; main thread %.0f %% of a core (%.1f %% with the "
        "probe alone), %.1f us per refusal; probes %.1f %% answered\n",
        name, places, threads, perSecond > 0 ? "paced" : "unpaced", flood.connections(),
        wallMs / 1000, double(flood.connections()) * 1000 / wallMs, flood.failures(), heldAfter,
        100 * cpuMs / wallMs, 100 * idleShare,
        flood.connections() > 0 ? 1000 * refusalsCpuMs / double(flood.connections()) : 0.0,
        answered);
    printLatency("\"K~\" on 11882 every 50 ms", probed);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool fullPortOnly = argc > 1 && std::strcmp(argv[1], "full-port") == 0;
    const int count = argc > 1 && !fullPortOnly ? std::max(1, std::atoi(argv[1])) : 20000;
    const int seconds = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 60) : 20;

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

    if (fullPortOnly) {
        StellariumServer positionServer(rig.astro, std::make_shared<AstroClock>(rig.clock),
                                        rig.holder, limits.settings, 0);
        positionServer.onMountEvent();
        const int threads = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 64) : 8;
        const int floodSeconds = argc > 3 ? std::clamp(std::atoi(argv[3]), 1, 60) : 8;
        const int perSecond = argc > 4 ? std::max(0, std::atoi(argv[4])) : 4000;
        fullPortRow("11882", server, QrpServer::kMaxClients, port, true, threads, floodSeconds,
                    perSecond);
        fullPortRow("10001", positionServer, StellariumServer::kMaxClients, port, false, threads,
                    floodSeconds, perSecond);
        return 0;
    }

    const Figures one = measure(port, 1, "KA", 2, count);
    const Figures eight = measure(port, 8, "KA", 2, count / 8 + 1);
    const Figures position = measure(port, 1, "e", 18, std::max(1, count / 20));
    print("\"K\", 1 client", one);
    print("\"K\", 8 clients (all together)", eight);
    print("\"e\" on the emulated mount, 1 client", position);

    StellariumServer positionServer(rig.astro, std::make_shared<AstroClock>(rig.clock), rig.holder,
                                    limits.settings, 0);
    positionServer.onMountEvent();
    const uint16_t positionPort = positionServer.listeningPort();

    const MemoryFigures memory = memoryUnderFlood(port, seconds);
    std::printf("5 clients flooding \"V\" for %d s, reading: resident %.1f MB before, %.1f MB at "
                "the peak (+%.1f), %.1f MB 5 s after (%+.1f); %lld commands, %s\n",
                seconds, memory.before, memory.peak, memory.peak - memory.before, memory.after,
                memory.after - memory.before, memory.commands,
                memory.inOrder ? "all answered in order" : "NOT ALL ANSWERED IN ORDER");

    for (const bool reading : {true, false}) {
        const int flooders = reading ? 50 : 20;
        const FloodFigures flood =
            latencyUnderFlood(port, positionPort, flooders, reading, seconds);
        std::printf("%d clients sending 64 \"e\" every 50 ms, %s, for %d s: main thread %.0f %% "
                    "of a core, %d flooders closed\n",
                    flooders, reading ? "reading" : "never reading", seconds,
                    100 * flood.mainCpuShare, flood.floodersClosed);
        printLatency("\"K~\" on 11882 every 200 ms", flood.qrp);
        printLatency("first report on 10001", flood.position);
    }
    for (const int perSecond : {4000, 0}) {
        fullPortRow("11882", server, QrpServer::kMaxClients, port, true, 8, 8, perSecond);
        fullPortRow("10001", positionServer, StellariumServer::kMaxClients, port, false, 8, 8,
                    perSecond);
    }
    return one.ok && eight.ok && position.ok && memory.inOrder ? 0 : 1;
}
