#include "server/stellariumserver.h"

#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "base/clock.h"
#include "base/endingstate.h"
#include "base/log.h"
#include "base/threadpool.h"
#include "mount/imountconnection.h"
#include "server/clientconnection.h"
#include "server/planetariumcommon.h"

#include <QtEndian>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace Ko {

namespace {
// 2^30 steps per quarter turn.
constexpr double kStepsPerRadian = 1073741824.0 / (kPi / 2);

template <class T>
void appendLE(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

template <class T>
T readLE(const QByteArray& in, int offset) {
    return qFromLittleEndian<T>(in.constData() + offset);
}

// The low 32 bits: from 12 h up, right ascensions come out negative.
int32_t steps(double angle) {
    return int32_t(uint32_t(uint64_t(roundHalfAway(wrapToPi(angle) * kStepsPerRadian))));
}
} // namespace

struct StellariumServer::ReportLoop {
    void requestStop() {
        {
            std::lock_guard lock(mutex);
            stopRequested = true;
        }
        wake.notify_all();
    }
    // true when asked to stop, at once or within the period.
    bool waitForStop(std::chrono::milliseconds period) {
        std::unique_lock lock(mutex);
        return wake.wait_for(lock, period, [this] { return stopRequested; });
    }

    std::mutex mutex;
    std::condition_variable wake;
    // Guarded by mutex.
    bool stopRequested = false;
    std::atomic<bool> finished{false};
    // Main thread.
    std::thread thread;
};

StellariumServer::StellariumServer(std::shared_ptr<IAstroCalc> astroCalc,
                                   std::shared_ptr<IAstroClock> astroClock,
                                   std::shared_ptr<IMountConnection> mountConnection,
                                   std::shared_ptr<ICatalogSettings> catalogSettings, uint16_t port,
                                   std::shared_ptr<EndingState> ending)
    : MountGatedServer(std::move(mountConnection), port, "planetarium position server",
                       kMaxClients),
      m_astroCalc(std::move(astroCalc)), m_astroClock(std::move(astroClock)),
      m_catalogSettings(std::move(catalogSettings)), m_ending(std::move(ending)),
      m_writeBatch(std::make_shared<WriteBatch>(this)), m_pool(std::make_unique<ThreadPool>(1)) {}

StellariumServer::~StellariumServer() {
    unsubscribe();
    m_closing = true;
    stop();
    for (const auto& loop : m_loops) {
        loop->requestStop();
        loop->thread.join();
    }
    m_pool.reset();
}

int StellariumServer::reportingClients() const {
    return int(
        std::count_if(m_loops.begin(), m_loops.end(),
                      [](const std::shared_ptr<ReportLoop>& loop) { return !loop->finished; }));
}

QByteArray StellariumServer::positionMessage(int64_t timeMs, double ra, double dec) {
    QByteArray body;
    appendLE<uint16_t>(body, 0); // type
    appendLE<int64_t>(body, timeMs);
    appendLE<int32_t>(body, steps(ra));
    appendLE<int32_t>(body, steps(dec));
    appendLE<int32_t>(body, 0); // status
    QByteArray message;
    appendLE<uint16_t>(message, uint16_t(body.size() + 2));
    return message + body;
}

std::optional<std::pair<double, double>> StellariumServer::gotoPosition(const QByteArray& message) {
    if (message.size() != kGotoMessageBytes || readLE<uint16_t>(message, 0) != kGotoMessageBytes ||
        readLE<uint16_t>(message, 2) != 0)
        return std::nullopt;
    return std::pair(readLE<int32_t>(message, 12) / kStepsPerRadian,
                     readLE<int32_t>(message, 16) / kStepsPerRadian);
}

void StellariumServer::acceptClient(ClientSocket* socket) {
    reapLoops();
    auto client = std::make_shared<ClientConnection>(this, socket, m_writeBatch);
    auto loop = std::make_shared<ReportLoop>();
    loop->thread = std::thread([this, client, loop] { reportLoop(*client, *loop); });
    m_loops.push_back(loop);
    client->watch({[this, client] { readClient(client); }, {}, [loop] { loop->requestStop(); }});
}

void StellariumServer::readClient(const std::shared_ptr<ClientConnection>& client) {
    QByteArray& buffer = client->pending;
    qsizetype taken = 0;
    for (;;) {
        while (buffer.size() >= 4) {
            // The head tells a message from garbage before the rest of it has come.
            if (readLE<uint16_t>(buffer, 0) != kGotoMessageBytes ||
                readLE<uint16_t>(buffer, 2) != 0) {
                buffer.clear();
                break;
            }
            if (buffer.size() < kGotoMessageBytes)
                break;
            const auto position = gotoPosition(buffer.left(kGotoMessageBytes));
            buffer.remove(0, kGotoMessageBytes);
            if (!client->jobQueued()) {
                buffer.clear();
                return;
            }
            queueGoto(client, *position);
        }
        // One arrival takes a bounded share; the socket stays readable for the rest.
        if (taken >= ClientConnection::kReadPerArrival)
            return;
        const qsizetype before = buffer.size();
        switch (client->readArrived()) {
        case ClientSocket::Read::Bytes:
            taken += buffer.size() - before;
            continue;
        case ClientSocket::Read::Ended:
            // The client sends no more: its GoTos still run, then its connection closes.
            m_pool->enqueue([client] { client->finish(); });
            return;
        case ClientSocket::Read::Nothing:
        case ClientSocket::Read::Gone:
            return;
        }
    }
}

void StellariumServer::queueGoto(const std::shared_ptr<ClientConnection>& client,
                                 std::pair<double, double> position) {
    ++m_queuedGotos;
    m_pool->enqueue([this, client, position] {
        // A client that has gone takes its GoTos with it.
        const std::shared_ptr<IMount> mount =
            m_closing || client->closed() ? nullptr : m_mountConnection->sharedMount();
        constexpr const char* kName = "planetarium position server";
        try {
            if (mount && !refuseWhileEnding(m_ending.get(), kName, "GoTo")) {
                const U_ASTRO_COORD j2000{position.first, position.second, CoordType::RDJ2000};
                const U_ASTRO_COORD ofDate = m_astroCalc->convertNow(j2000, CoordType::RDJNow);
                const auto prohibition =
                    remoteGoToProhibition(*m_catalogSettings, *m_astroCalc, ofDate);
                if (prohibition.hasValue())
                    Log("planetarium position server: GoTo refused, %s",
                        prohibitionText(prohibition.value()));
                else if (!remoteGoTo(*m_mountConnection, mount,
                                     MountTarget{"Stellarium Target", ofDate, 0}, m_ending.get()))
                    refuseWhileEnding(m_ending.get(), kName, "GoTo");
            }
        } catch (const std::exception& e) {
            Log("planetarium position server: GoTo failed: %s", e.what());
        }
        client->jobDone();
        --m_queuedGotos;
    });
}

void StellariumServer::reportLoop(ClientConnection& client, ReportLoop& loop) {
    // A client whose reports stopped while its connection stays open would show a frozen
    // position and could not tell: a pass without a position skips its report, and the next
    // pass tries again. Only the client's going (or the server's) ends the loop.
    bool skipping = false;
    do {
        try {
            const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
            const auto read = mount ? mount->readPosition() : CmdResp<IMount::AnglePair>();
            if (!read.isOk()) {
                if (!std::exchange(skipping, true))
                    Log("planetarium position server: position read failed (%s); reports wait "
                        "for a read that succeeds",
                        mount ? cmdRetTypeText(read.type) : "no mount");
                continue;
            }
            const U_ASTRO_COORD j2000 = j2000OfObserved(*m_astroCalc, read.value());
            client.send(positionMessage(m_astroClock->nowMs(), j2000.a, j2000.b));
            if (std::exchange(skipping, false))
                Log("planetarium position server: reports go on");
        } catch (const std::exception& e) {
            // A read that said Ok without a position, or a frame the chain did not give: this
            // report is lost, not the ones after it.
            if (!std::exchange(skipping, true))
                Log("planetarium position server: report skipped: %s", e.what());
        }
    } while (!loop.waitForStop(kReportPeriod));
    loop.finished = true;
}

void StellariumServer::reapLoops() {
    std::erase_if(m_loops, [](const std::shared_ptr<ReportLoop>& loop) {
        if (!loop->finished)
            return false;
        loop->thread.join();
        return true;
    });
}

} // namespace Ko
