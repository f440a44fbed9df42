// Round trips of "ServerVersion" to the remote-method server over loopback UDP and TCP, with one
// client and with 16 clients at once, each awaiting every reply: round trips per second and the
// latency percentiles.
//   bench_vtmserver [requests per client of the one-client runs]

#include "mount/writablemountconnection.h"
#include "server/netserver.h"
#include "server/nopmsharing.h"
#include "server/tests/loopbackrig.h"
#include "server/vtmserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

using namespace Ko;

namespace {

struct Run {
    const char* name;
    bool tcp;
    int clients;
    int requests; // per client
};

void measure(uint16_t port, const Run& run) {
    std::mutex mutex;
    std::vector<double> latenciesUs;
    int failures = 0;
    const auto client = [&] {
        std::vector<double> mine;
        int failed = 0;
        std::optional<TcpClient> stream;
        QUdpSocket udp;
        if (run.tcp)
            stream.emplace(port);
        else
            udp.bind(QHostAddress::LocalHost, 0);
        for (int k = 0; k < run.requests; ++k) {
            const auto start = std::chrono::steady_clock::now();
            QByteArray got;
            if (run.tcp) {
                stream->send("ServerVersion");
                got = stream->receive(1);
            } else {
                udp.writeDatagram("ServerVersion", QHostAddress::LocalHost, port);
                if (udp.hasPendingDatagrams() || udp.waitForReadyRead(2000))
                    got = udp.receiveDatagram().data();
            }
            const auto end = std::chrono::steady_clock::now();
            if (!got.contains(",ServerVersion"))
                ++failed;
            mine.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
        std::lock_guard lock(mutex);
        latenciesUs.insert(latenciesUs.end(), mine.begin(), mine.end());
        failures += failed;
    };
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> threads;
    for (int c = 0; c < run.clients; ++c)
        threads.emplace_back(client);
    for (auto& t : threads)
        t.join();
    const double seconds = double(timer.nsecsElapsed()) * 1e-9;
    std::sort(latenciesUs.begin(), latenciesUs.end());
    const auto at = [&](double q) {
        return latenciesUs[size_t(q * double(latenciesUs.size() - 1))];
    };
    std::printf("%-16s %8.0f round trips/s   p50 %7.1f us   p99 %7.1f us   max %8.1f us   "
                "failed %d\n",
                run.name, double(latenciesUs.size()) / seconds, at(0.5), at(0.99),
                latenciesUs.back(), failures);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int requests = argc > 1 ? std::max(100, std::atoi(argv[1])) : 20000;
    const uint16_t port = freePort();
    auto core = std::make_shared<NetServer>();
    VtmServer server(nullptr, nullptr, nullptr, std::make_shared<WritableMountConnection>(),
                     nullptr, std::make_shared<NoPMSharing>(), nullptr, core, port);
    core->waitPosted();
    const Run runs[] = {{"UDP, 1 client", false, 1, requests},
                        {"TCP, 1 client", true, 1, requests},
                        {"UDP, 16 clients", false, 16, requests / 8},
                        {"TCP, 16 clients", true, 16, requests / 8}};
    for (const Run& run : runs)
        measure(port, run);
    return 0;
}
