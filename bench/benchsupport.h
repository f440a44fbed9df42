#pragma once

// What the benchmark programs share: a thread CPU clock, the summaries of their rounds, the
// shipped resources folder seen through the file-location service, and a flood of newcomers.

#include "base/ifileutil.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace Ko::Bench {

// Milliseconds of CPU time of the calling thread: waits and other threads do not count.
inline double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// Milliseconds of CPU time of this process's thread named name (its first, when several are);
// 0 when there is none.
inline double threadCpuMs(const std::string& name) {
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string comm;
        std::getline(std::ifstream(task.path() / "comm"), comm);
        if (comm != name)
            continue;
        // Nanoseconds on a CPU, to the nanosecond, where the tick-counted figures of stat would
        // be 10 ms coarse.
        double ns = 0;
        std::ifstream(task.path() / "schedstat") >> ns;
        return ns * 1e-6;
    }
    return 0;
}

// threads threads that each connect to 127.0.0.1:port, send bytes and close, over and over until
// stopped, perSecond newcomers a second in all, or as fast as they can when perSecond is 0:
// newcomers that a full port refuses. Each waits for its refusal
// (at most a second) before it goes: otherwise the system's queue of connections not yet taken
// overflows at once, and a connection attempt it drops waits a second before it is tried again,
// which would leave the server idle.
class ConnectFlood {
public:
    ConnectFlood(uint16_t port, int threads, QByteArray bytes, int perSecond = 0)
        : m_bytes(std::move(bytes)),
          m_period(perSecond > 0 ? std::chrono::nanoseconds(1000000000LL * threads / perSecond)
                                 : std::chrono::nanoseconds(0)) {
        for (int t = 0; t < threads; ++t)
            m_threads.emplace_back([this, port] { run(port); });
    }
    ~ConnectFlood() { stop(); }
    ConnectFlood(const ConnectFlood&) = delete;
    ConnectFlood& operator=(const ConnectFlood&) = delete;

    // Without waiting for the threads, which stop() then does.
    void requestStop() { m_stop = true; }
    void stop() {
        m_stop = true;
        for (auto& t : m_threads)
            if (t.joinable())
                t.join();
    }
    long long connections() const { return m_connections; }
    // Connections that could not be made at all (the system's queue of them full).
    long long failures() const { return m_failures; }

private:
    void run(uint16_t port) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        auto next = std::chrono::steady_clock::now();
        while (!m_stop) {
            if (m_period.count() > 0) {
                // A thread that fell behind starts afresh rather than catching up in a burst.
                next = std::max(next + m_period, std::chrono::steady_clock::now() - m_period);
                std::this_thread::sleep_until(next);
            }
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) {
                ::send(fd, m_bytes.constData(), size_t(m_bytes.size()), MSG_NOSIGNAL);
                ++m_connections;
                pollfd refused{fd, POLLIN, 0};
                if (::poll(&refused, 1, 1000) == 1) {
                    char byte = 0;
                    ::recv(fd, &byte, 1, MSG_DONTWAIT);
                }
            } else {
                ++m_failures;
            }
            ::close(fd);
        }
    }

    const QByteArray m_bytes;
    // Between one thread's newcomers; 0 for none.
    const std::chrono::nanoseconds m_period;
    std::atomic<bool> m_stop{false};
    std::atomic<long long> m_connections{0};
    std::atomic<long long> m_failures{0};
    std::vector<std::thread> m_threads;
};

inline double best(std::vector<double> v) {
    return *std::min_element(v.begin(), v.end());
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Resources are read from the folder of the given file, the source tree's shipped data.
class ShippedFile : public IFileUtil {
public:
    explicit ShippedFile(const char* fileInResources)
        : m_dir(QFileInfo(fileInResources).absolutePath().toStdString()) {}
    std::string appDataDir() override { return "."; }
    std::string resourceUrl(const std::string& name) override { return "file://" + path(name); }
    std::string resourcePath(const std::string& name) override { return path(name); }
    bool fileExists(const std::string& p) override { return QFileInfo::exists(p.c_str()); }

private:
    std::string path(const std::string& name) const { return m_dir + "/" + name; }

    std::string m_dir;
};

} // namespace Ko::Bench
