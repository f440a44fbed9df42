#include "server/qrpserver.h"

#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "base/backgroundwork.h"
#include "base/byteutil.h"
#include "base/clock.h"
#include "base/endingstate.h"
#include "base/ilocation.h"
#include "base/log.h"
#include "base/threadpool.h"
#include "link/ikodevice.h"
#include "model/ialignmentdatacontainer.h"
#include "mount/imountconnection.h"
#include "server/clientconnection.h"
#include "server/planetariumcommon.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string_view>
#include <utility>

namespace Ko {

struct QrpServer::Job {
    CommandEntry entry{};
    CBytes args;
    // A later GoTo of the same client has replaced this one.
    bool superseded = false;
    // The client's last job, queued when it has gone or ended its sending: stops the slews it
    // left running. Behind every command of the client, it runs after the one the worker may be
    // running then.
    bool leave = false;
    // With leave, for a client that ended its sending: its connection closes once the replies
    // before have left.
    bool finish = false;
    uint64_t arrival = 0;
};

struct QrpServer::Slew {
    std::weak_ptr<IMount> mount;
    uint64_t count = 0;
};

struct QrpServer::Client {
    explicit Client(std::shared_ptr<ClientConnection> l) : link(std::move(l)) {}

    const std::shared_ptr<ClientConnection> link;
    // Main thread only: restarted by every arrival; goes with the socket.
    QPointer<QTimer> idle;
    // Main thread only: the client has ended its sending.
    bool ended = false;
    // Worker only: per axis, the slew that the client's last rate command left running, as the
    // mount's motion count after its start; empty when it stopped the axis or moved on.
    std::array<std::optional<Slew>, 2> slews;
    // Worker only: its leave job has run. Anything of it that runs later moves nothing.
    bool left = false;
    // Guarded by the server's queue mutex: the commands waiting, the number waiting or running,
    // whether the client is among those whose turn comes, whether its reading waits for room,
    // and whether its serving waits for its replies to drain.
    std::deque<Job> queue;
    int queued = 0;
    bool hasTurn = false;
    bool full = false;
    bool stalled = false;
};

struct QrpServer::Reading {
    std::shared_ptr<IMount> mount;
    // The arrival count when the read began: it answers commands up to this one.
    uint64_t answers = 0;
    IMount::AnglePair observed;
    // Worked out when first asked for.
    std::optional<U_ASTRO_COORD> j2000;
    std::optional<U_ASTRO_COORD> azAlt;
};

namespace {

constexpr double kTurns16 = 65536.0;
constexpr double kTurns24 = 16777216.0;
// The fixed slew rates of "P" form 2, rate index 1 to 9, in multiples of the sidereal rate.
constexpr std::array<double, 9> kFixedRates = {1, 8, 16, 32, 64, 128, 400, 600, 800};
// One step of the variable rate of "P" form 3: a quarter of an arcsecond per second.
constexpr double kVariableRateStep = 0.25 * k2Pi / 1296000.0;
constexpr uint8_t kAxis1Code = 16;
constexpr uint8_t kAxis2Code = 17;
// Major, minor and patch numbers of the protocol this server speaks.
constexpr char kVersion[] = {2, 1, 12, '#'};
// A paused client is read again once its queue is down to this: a batch of commands per pause,
// not one command per main-thread hop.
constexpr int kResumeAt = QrpServer::kMaxQueuedCommands / 2;

bool isGoto(char letter) {
    return letter == 'R' || letter == 'r' || letter == 'B' || letter == 'b';
}

// Commands that may move the mount or change how it reads: a reading from before them answers
// nothing after them.
bool movesMount(char letter) {
    return std::string_view("PRrBbTM").find(letter) != std::string_view::npos;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    out.reserve(int(values.size()));
    for (int v : values)
        out.append(char(v & 0xFF));
    return out;
}

// The row index of each byte value, -1 for none; the first row of a letter wins.
std::array<int8_t, 256> makeIndex(const std::array<QrpServer::CommandEntry, 24>& table) {
    std::array<int8_t, 256> index;
    index.fill(-1);
    for (size_t i = table.size(); i-- > 0;)
        index[uint8_t(table[i].letter)] = int8_t(i);
    return index;
}

} // namespace

const std::array<QrpServer::CommandEntry, 24> QrpServer::kCommands = {{
    {'P', 7, &QrpServer::axisCommand}, {'E', 0, &QrpServer::readRaDec},
    {'e', 0, &QrpServer::readRaDec},   {'Z', 0, &QrpServer::readAzAlt},
    {'z', 0, &QrpServer::readAzAlt},   {'R', 9, &QrpServer::gotoRaDec},
    {'r', 17, &QrpServer::gotoRaDec},  {'B', 9, &QrpServer::gotoAzAlt},
    {'b', 17, &QrpServer::gotoAzAlt},  {'S', 9, &QrpServer::syncRaDec},
    {'s', 17, &QrpServer::syncRaDec},  {'t', 0, &QrpServer::trackingState},
    {'T', 1, &QrpServer::setTracking}, {'w', 0, &QrpServer::siteLocation},
    {'W', 8, &QrpServer::ignore},      {'h', 0, &QrpServer::localTime},
    {'H', 8, &QrpServer::ignore},      {'V', 0, &QrpServer::version},
    {'m', 0, &QrpServer::mountModel},  {'K', 1, &QrpServer::echo},
    {'J', 0, &QrpServer::aligned},     {'L', 0, &QrpServer::gotoInProgress},
    {'M', 0, &QrpServer::cancelGoto},  {'p', 0, &QrpServer::ignore},
}};

QrpServer::QrpServer(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroCalc> astroCalc,
                     std::shared_ptr<IAstroClock> astroClock,
                     std::shared_ptr<IMountConnection> mountConnection,
                     std::shared_ptr<IAlignmentDataContainer> alignmentDataContainer,
                     std::shared_ptr<ICatalogSettings> catalogSettings, uint16_t port,
                     QTimeZone zone, std::shared_ptr<EndingState> ending)
    : MountGatedServer(std::move(mountConnection), port, "hand-controller-protocol server",
                       kMaxClients),
      m_location(std::move(location)), m_astroCalc(std::move(astroCalc)),
      m_astroClock(std::move(astroClock)),
      m_alignmentDataContainer(std::move(alignmentDataContainer)),
      m_catalogSettings(std::move(catalogSettings)), m_zone(std::move(zone)),
      m_ending(std::move(ending)), m_handover(std::make_unique<Handover>(this)),
      m_writeBatch(std::make_shared<WriteBatch>(this)), m_pool(std::make_unique<ThreadPool>(1)) {}

QrpServer::~QrpServer() {
    unsubscribe();
    m_closing = true;
    stop();
    m_pool.reset();
}

Nullable<QrpServer::CommandEntry> QrpServer::findCommand(char letter) {
    static const std::array<int8_t, 256> index = makeIndex(kCommands);
    const int8_t row = index[uint8_t(letter)];
    if (row < 0)
        return {};
    return kCommands[size_t(row)];
}

CBytes QrpServer::formatPosition(double first, double second, bool precise) {
    const double turns = precise ? kTurns24 : kTurns16;
    const int digits = precise ? 3 : 2;
    const auto text = [&](double angle) {
        // The nearest unit, so that a position read from an argument goes back as it came; a
        // value that rounds up to a whole turn is 0, the same angle.
        const auto v = int32_t(std::llround(wrapTo2Pi(angle) / k2Pi * turns) % std::llround(turns));
        return ByteUtil::IntHexBE(v, digits) + (precise ? "00" : "");
    };
    return CBytes::fromStdString(text(first) + "," + text(second) + "#");
}

bool QrpServer::parsePosition(const CBytes& argument, bool precise, double& first, double& second) {
    const size_t digits = precise ? 6 : 4;
    // The 24-bit form carries two characters after each value that are not read.
    const size_t field = precise ? 8 : 4;
    if (argument.size() != 2 * field + 1 || argument[field] != ',')
        return false;
    const std::string_view text(reinterpret_cast<const char*>(argument.data()), argument.size());
    int32_t a = 0;
    int32_t b = 0;
    if (!ByteUtil::HexBE_Int(text.substr(0, digits), a) ||
        !ByteUtil::HexBE_Int(text.substr(field + 1, digits), b))
        return false;
    const double turns = precise ? kTurns24 : kTurns16;
    first = a / turns * k2Pi;
    second = b / turns * k2Pi;
    return true;
}

void QrpServer::Request::reply(QByteArray bytes) const {
    client->link->send(std::move(bytes));
}

int QrpServer::queuedCommands() const {
    std::lock_guard lock(m_queueMutex);
    return m_queuedCommands;
}

void QrpServer::acceptClient(ClientSocket* socket) {
    auto client =
        std::make_shared<Client>(std::make_shared<ClientConnection>(this, socket, m_writeBatch));
    client->link->setStallLimit(m_stallLimit);
    // A child of the socket, it goes with it.
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(m_idleLimit);
    connect(idle, &QTimer::timeout, this,
            [client] { client->link->close("has sent nothing for too long"); });
    idle->start();
    client->idle = idle;
    client->link->watch({[this, client] { readCommands(client); },
                         [this, client] { resumeServing(client); },
                         [this, client] { clientGone(client); }});
    m_clients.push_back(client);
}

void QrpServer::clientGone(const std::shared_ptr<Client>& client) {
    std::erase(m_clients, client);
    stopSlewsOf(client);
}

qsizetype QrpServer::largestPendingInput() const {
    qsizetype largest = 0;
    for (const auto& client : m_clients)
        largest = std::max(largest, client->link->pending.size());
    return largest;
}

void QrpServer::readCommands(const std::shared_ptr<Client>& client) {
    ClientConnection& link = *client->link;
    {
        // The worker calls again once the queue has room.
        std::lock_guard lock(m_queueMutex);
        if (client->full) {
            link.pauseReading();
            return;
        }
    }
    link.resumeReading();
    QByteArray& buffer = link.pending;
    qsizetype taken = 0;
    for (;;) {
        qsizetype next = 0;
        bool full = false;
        while (next < buffer.size()) {
            const auto entry = findCommand(buffer[next]);
            if (!entry.hasValue()) {
                // Junk is dropped at once, however much of it comes.
                ++next;
                continue;
            }
            const qsizetype length = 1 + entry.value().argumentLength;
            if (buffer.size() - next < length)
                break;
            const auto* data = reinterpret_cast<const uint8_t*>(buffer.constData()) + next + 1;
            if (!queueJob(client, Job{entry.value(), CBytes(data, data + length - 1)})) {
                full = true;
                break;
            }
            next += length;
        }
        buffer.remove(0, next);
        if (full) {
            // The rest stays with the system, which holds the client back.
            link.pauseReading();
            return;
        }
        if (taken >= ClientConnection::kReadPerArrival)
            return;
        const qsizetype before = buffer.size();
        switch (link.readArrived()) {
        case ClientSocket::Read::Bytes:
            taken += buffer.size() - before;
            if (client->idle)
                client->idle->start();
            continue;
        case ClientSocket::Read::Ended:
            endOfInput(client);
            return;
        case ClientSocket::Read::Nothing:
        case ClientSocket::Read::Gone:
            return;
        }
    }
}

void QrpServer::endOfInput(const std::shared_ptr<Client>& client) {
    if (std::exchange(client->ended, true))
        return;
    // Its replies are what it waits for now; the stall limit guards those.
    if (client->idle)
        client->idle->stop();
    Job finish;
    finish.leave = true;
    finish.finish = true;
    queueJob(client, std::move(finish));
}

bool QrpServer::queueJob(const std::shared_ptr<Client>& client, Job job) {
    bool wake = false;
    {
        std::lock_guard lock(m_queueMutex);
        if (!job.leave) {
            if (client->queued >= kMaxQueuedCommands) {
                client->full = true;
                return false;
            }
            // Only the latest target matters.
            if (isGoto(job.entry.letter))
                for (Job& waiting : client->queue)
                    waiting.superseded = waiting.superseded || isGoto(waiting.entry.letter);
        }
        job.arrival = ++m_arrivals;
        client->queue.push_back(std::move(job));
        ++client->queued;
        ++m_queuedCommands;
        if (!client->hasTurn) {
            client->hasTurn = true;
            m_turns.push_back(client);
        }
        wake = !std::exchange(m_serving, true);
    }
    if (wake)
        m_pool->enqueue([this] { serve(); });
    return true;
}

void QrpServer::resumeServing(const std::shared_ptr<Client>& client) {
    bool wake = false;
    {
        std::lock_guard lock(m_queueMutex);
        if (!std::exchange(client->stalled, false) || client->queue.empty() || client->hasTurn)
            return;
        client->hasTurn = true;
        m_turns.push_back(client);
        wake = !std::exchange(m_serving, true);
    }
    if (wake)
        m_pool->enqueue([this] { serve(); });
}

void QrpServer::serve() {
    for (;;) {
        std::shared_ptr<Client> client;
        Job job;
        {
            std::lock_guard lock(m_queueMutex);
            while (!client && !m_turns.empty()) {
                std::shared_ptr<Client> next = std::move(m_turns.front());
                m_turns.pop_front();
                // A client that does not read its replies waits for them to drain; one that has
                // gone is served, so that its slews stop.
                if (!next->link->closed() &&
                    next->link->unsentBytes() > ClientConnection::kStallBytes) {
                    next->hasTurn = false;
                    next->stalled = true;
                    continue;
                }
                client = std::move(next);
            }
            if (!client) {
                m_serving = false;
                return;
            }
            job = std::move(client->queue.front());
            client->queue.pop_front();
            client->hasTurn = !client->queue.empty();
            if (client->hasTurn)
                m_turns.push_back(client);
        }
        if (job.leave) {
            leave(*client);
            if (job.finish)
                client->link->finish();
        } else {
            runCommand(client, job);
        }
        bool resume = false;
        {
            std::lock_guard lock(m_queueMutex);
            --client->queued;
            --m_queuedCommands;
            resume = client->full && client->queued <= kResumeAt;
            if (resume)
                client->full = false;
        }
        // The destructor joins the worker before the hand-over goes, so the call is posted to a
        // live object, and dropped with it.
        if (resume && !m_closing)
            m_handover->post([this, client] { readCommands(client); });
    }
}

void QrpServer::runCommand(const std::shared_ptr<Client>& client, const Job& job) {
    // A client whose leave job has run has gone or sends no more: what it sent after that is
    // dropped, so that nothing of it starts a motion that no leave job stops.
    if (m_closing || client->left || client->link->closed())
        return;
    const std::shared_ptr<IMount> mount = m_mountConnection->sharedMount();
    if (!mount)
        return;
    if (movesMount(job.entry.letter))
        m_reading.reset();
    try {
        (this->*job.entry.handler)(
            Request{client, mount, job.entry.letter, job.args, job.superseded, job.arrival});
    } catch (const std::exception& e) {
        Log("hand-controller-protocol server: command %c failed: %s", job.entry.letter, e.what());
    }
}

void QrpServer::leave(Client& client) {
    client.left = true;
    const std::shared_ptr<IMount> current = m_mountConnection->sharedMount();
    for (uint32_t axis = 0; axis < 2; ++axis) {
        const std::optional<Slew> slew = std::exchange(client.slews[axis], std::nullopt);
        if (!slew)
            continue;
        // Only the client's own slew stops: a motion that anyone started on the axis since
        // (another client, the window, a task) moved the count on and goes on.
        const std::shared_ptr<IMount> mount = slew->mount.lock();
        if (mount && mount == current)
            mount->stopAxisIfLatest(axis, slew->count);
    }
}

void QrpServer::stopSlewsOf(const std::shared_ptr<Client>& client) {
    Job leave;
    leave.leave = true;
    queueJob(client, std::move(leave));
}

bool QrpServer::slewAxis(const Request& r, uint32_t axis, double rate) {
    if (rate == 0) {
        r.mount->stopAxisAsync(axis);
        r.client->slews[axis].reset();
        return true;
    }
    const EndingState::Admission admission(m_ending.get());
    if (!admission) {
        Log("hand-controller-protocol server: slew refused, the program is ending");
        return false;
    }
    r.client->slews[axis] = Slew{r.mount, r.mount->slewAxisCounted(axis, rate)};
    return true;
}

void QrpServer::axisCommand(const Request& r) {
    const CBytes& a = r.args;
    if (a[1] != kAxis1Code && a[1] != kAxis2Code)
        return;
    const uint32_t axis = a[1] - kAxis1Code;
    switch (a[0]) {
    case 1: // motor-controller version
        if (a[2] == 254 && a[6] == 2) {
            const uint32_t v = r.mount->motorControllerVersion(axis);
            r.reply(bytes({int(v), int(v >> 8), '#'}));
        }
        return;
    case 2: // fixed-rate slew
        if ((a[2] == 36 || a[2] == 37) && a[3] < 10) {
            const double rate = a[3] == 0 ? 0 : kFixedRates[a[3] - 1] * kSiderealRate;
            if (slewAxis(r, axis, a[2] == 37 ? -rate : rate))
                r.reply("#");
        }
        return;
    case 3: // variable-rate slew
        if (a[2] == 6 || a[2] == 7) {
            const double rate = (a[3] * 256 + a[4]) * kVariableRateStep;
            if (slewAxis(r, axis, a[2] == 7 ? -rate : rate))
                r.reply("#");
        }
        return;
    case 4: // set axis position
        if (a[2] == 4) {
            const double v = a[3] * 65536 + a[4] * 256 + a[5];
            if (r.mount->setAxisPosition(axis, v / kTurns24 * k2Pi) == CmdRetType_::Ok)
                r.reply("#");
        }
        return;
    default:
        return;
    }
}

QrpServer::Reading* QrpServer::readingFor(const Request& r) {
    if (m_reading && m_reading->mount == r.mount && r.arrival <= m_reading->answers)
        return m_reading.get();
    m_reading.reset();
    auto reading = std::make_unique<Reading>();
    reading->mount = r.mount;
    {
        std::lock_guard lock(m_queueMutex);
        reading->answers = m_arrivals;
    }
    const auto read = r.mount->readPosition();
    if (!read.isOk())
        return nullptr;
    reading->observed = read.value();
    m_reading = std::move(reading);
    return m_reading.get();
}

void QrpServer::readRaDec(const Request& r) {
    Reading* reading = readingFor(r);
    if (!reading)
        return;
    if (!reading->j2000)
        reading->j2000 = j2000OfObserved(*m_astroCalc, reading->observed);
    const CBytes text = formatPosition(reading->j2000->a, reading->j2000->b, r.precise());
    r.reply(QByteArray(reinterpret_cast<const char*>(text.data()), qsizetype(text.size())));
}

void QrpServer::readAzAlt(const Request& r) {
    Reading* reading = readingFor(r);
    if (!reading)
        return;
    if (!reading->azAlt) {
        const U_ASTRO_COORD observed{reading->observed.first, reading->observed.second,
                                     CoordType::HDObsv};
        reading->azAlt = m_astroCalc->convertNow(observed, CoordType::AZObsv);
    }
    const CBytes text = formatPosition(reading->azAlt->a, reading->azAlt->b, r.precise());
    r.reply(QByteArray(reinterpret_cast<const char*>(text.data()), qsizetype(text.size())));
}

U_ASTRO_COORD QrpServer::ofDate(double ra, double dec) const {
    return m_astroCalc->allFramesFromJ2000(ra, dec, 0, 0, CoordType::RDJNow)[CoordType::RDJNow]
        .value();
}

void QrpServer::startGoto(const Request& r, const U_ASTRO_COORD& target) {
    const auto prohibition = remoteGoToProhibition(*m_catalogSettings, *m_astroCalc, target);
    if (prohibition.hasValue()) {
        Log("hand-controller-protocol server: GoTo refused, %s",
            prohibitionText(prohibition.value()));
        return;
    }
    if (refuseWhileEnding(m_ending.get(), "hand-controller-protocol server", "GoTo"))
        return;
    if (r.superseded) {
        r.reply("#");
        return;
    }
    // The GoTo stops the client's slews as well.
    r.client->slews = {};
    // Answered once the GoTo was handed to the mount: the end may begin during its pause.
    if (remoteGoTo(*m_mountConnection, r.mount, MountTarget{"PC Target", target, 0},
                   m_ending.get()))
        r.reply("#");
    else
        refuseWhileEnding(m_ending.get(), "hand-controller-protocol server", "GoTo");
}

void QrpServer::gotoRaDec(const Request& r) {
    double ra = 0;
    double dec = 0;
    if (!parsePosition(r.args, r.precise(), ra, dec))
        return;
    startGoto(r, ofDate(ra, dec));
}

void QrpServer::gotoAzAlt(const Request& r) {
    double az = 0;
    double alt = 0;
    if (!parsePosition(r.args, r.precise(), az, alt))
        return;
    startGoto(r, m_astroCalc->convertNow({az, alt, CoordType::AZTrue}, CoordType::RDJNow));
}

void QrpServer::syncRaDec(const Request& r) {
    double ra = 0;
    double dec = 0;
    if (!parsePosition(r.args, r.precise(), ra, dec))
        return;
    // Acknowledged and converted, but the mount is not re-referenced: clients send this after
    // a user's choice in the planetarium, which is no measurement of where the mount points.
    m_astroCalc->convertNow(ofDate(ra, dec), CoordType::HDObsv);
    r.reply("#");
}

void QrpServer::trackingState(const Request& r) {
    // What the mount took last, not what was asked: the protocol has no answer for "not known",
    // so a mount that does not answer is reported as it was when it last did. A change of
    // tracking that the mount answers but has only partly taken reads as not tracking: the
    // controller changes a rate by stopping the axis before restarting it, and the stop has gone
    // through to a controller that answers, so the axis may stand until the restart is taken. A
    // client told it does not track at worst switches tracking on again, which changes nothing;
    // one told it tracks would trust a standing mount to follow the sky.
    const IMount::AcknowledgedTracking tracking = r.mount->acknowledgedTracking();
    const bool leaving = !tracking.known && r.mount->linkAnswering();
    const int state =
        !tracking.on || leaving ? 0 : (r.mount->mountMode() == MountMode_::AZ ? 1 : 2);
    r.reply(bytes({state, '#'}));
}

void QrpServer::setTracking(const Request& r) {
    const uint8_t mode = r.args[0];
    const bool az = r.mount->mountMode() == MountMode_::AZ;
    if (mode == 0) {
        r.mount->setTrackingEnabled(false);
    } else if ((mode == 1 && az) || (mode == 2 && !az)) {
        // Tracking started while the end waits would take axis 1 from the end's stop.
        const EndingState::Admission admission(m_ending.get());
        if (!admission) {
            Log("hand-controller-protocol server: tracking refused, the program is ending");
            return;
        }
        r.mount->setTrackingEnabled(true);
    } else {
        return;
    }
    r.reply("#");
}

void QrpServer::siteLocation(const Request& r) {
    const double latitude = m_location->latitudeRad();
    const double longitude = m_location->longitudeRad();
    const auto lat = splitAngleSexagesimal(true, 2, latitude);
    const auto lon = splitAngleSexagesimal(true, 2, longitude);
    r.reply(
        bytes({int(lat.whole), int(lat.minutes), int(lat.seconds), latitude < 0 ? 1 : 0,
               int(lon.whole), int(lon.minutes), int(lon.seconds), longitude >= 0 ? 1 : 0, '#'}));
}

void QrpServer::localTime(const Request& r) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(m_astroClock->timeT(), m_zone);
    const QTime time = local.time();
    const QDate date = local.date();
    // The zone's own standard offset: the difference of the local and UTC hour fields is off
    // by a day whenever the two dates differ.
    const int offsetHours = std::abs(m_zone.standardTimeOffset(local)) / 3600;
    r.reply(bytes({time.hour(), time.minute(), time.second(), date.month(), date.day(),
                   date.year() - 2000, offsetHours, m_zone.isDaylightTime(local) ? 1 : 0, '#'}));
}

void QrpServer::version(const Request& r) {
    r.reply(QByteArray(kVersion, sizeof kVersion));
}

void QrpServer::mountModel(const Request& r) {
    r.reply(bytes({int(r.mount->motorControllerVersion(0) >> 16), '#'}));
}

void QrpServer::echo(const Request& r) {
    r.reply(bytes({r.args[0], '#'}));
}

void QrpServer::aligned(const Request& r) {
    r.reply(bytes({m_alignmentDataContainer->alignedStarCount() != 0 ? 1 : 0, '#'}));
}

void QrpServer::gotoInProgress(const Request& r) {
    // A cancel the mount has not taken yet leaves the GoTo running: the client waits on. Any
    // other stop (of tracking, of a manual move) ends no GoTo.
    const bool cancelling = r.mount->stopPendingOf(IMount::StoppedMotion::GoTo);
    r.reply(r.mount->slewToTarget().hasValue() || cancelling ? "1#" : "0#");
}

void QrpServer::cancelGoto(const Request& r) {
    r.client->slews = {};
    r.mount->abortSlewAsync();
    r.reply("#");
}

void QrpServer::ignore(const Request&) {}

} // namespace Ko
