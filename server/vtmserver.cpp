#include "server/vtmserver.h"

#include "base/endingstate.h"
#include "base/log.h"
#include "mount/imountconnection.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>

namespace Ko {

namespace {

const char kRecordHeader[] = "Quorvel1.0"; // and its zero byte
constexpr size_t kRecordHeaderBytes = sizeof(kRecordHeader);
constexpr size_t kRecordNameBytes = 128;
// year 2, month, day, hour, minute, second 1 each, millisecond 2
constexpr size_t kRecordTimeBytes = 9;
// interval, count, selector
constexpr size_t kRecordCountsBytes = 12;
constexpr size_t kRecordFixedBytes =
    kRecordHeaderBytes + kRecordNameBytes + kRecordTimeBytes + kRecordCountsBytes + 4;
constexpr size_t kPointBytes = 16;
// The selector's lowest byte above this refuses a record.
constexpr uint8_t kMaxSelector = 3;

// Days from 1970-01-01 to the first of the month in the proleptic Gregorian calendar; month
// counts from 1 and may lie outside 1..12, carrying into the years.
int64_t daysToMonthStart(int64_t year, int64_t month) {
    year += (month - 1 >= 0 ? (month - 1) / 12 : -((12 - month) / 12));
    month = ((month - 1) % 12 + 12) % 12 + 1;
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

uint32_t le32(const CBytes& bytes, size_t at) {
    return qFromLittleEndian<uint32_t>(bytes.data() + at);
}

uint16_t le16(const CBytes& bytes, size_t at) {
    return qFromLittleEndian<uint16_t>(bytes.data() + at);
}

const std::vector<std::pair<std::string, bool>>& methodTable() {
    // The name and whether the method needs a connected mount.
    static const std::vector<std::pair<std::string, bool>> table = [] {
        static const char* const names[] = {"ServerVersion",
                                            "ServerTestCommunication",
                                            "ServerDeviceNameGet",
                                            "CanFindHomeGet",
                                            "CanMoveAxis",
                                            "CanParkGet",
                                            "CanPulseGuideGet",
                                            "CanSetDeclinationRateGet",
                                            "CanSetGuideRatesGet",
                                            "CanSetParkGet",
                                            "CanSetPierSideGet",
                                            "CanSetRightAscensionRateGet",
                                            "CanSetTrackingGet",
                                            "CanSlewGet",
                                            "CanSlewAltAzGet",
                                            "CanSlewAltAzAsyncGet",
                                            "CanSlewAsyncGet",
                                            "CanSyncGet",
                                            "CanSyncAltAzGet",
                                            "CanUnparkGet",
                                            "AxisRates",
                                            "TrackingRatesGet",
                                            "ApertureAreaGet",
                                            "ApertureDiameterGet",
                                            "FocalLengthGet",
                                            "DestinationSideOfPier",
                                            "AlignmentModeGet",
                                            "EquatorialSystemGet",
                                            "DoesRefractionGet",
                                            "DoesRefractionSet",
                                            "SideOfPierGet",
                                            "SideOfPierSet",
                                            "SlewSettleTimeGet",
                                            "SlewSettleTimeSet",
                                            "GuideRateDeclinationGet",
                                            "GuideRateDeclinationSet",
                                            "GuideRateRightAscensionGet",
                                            "GuideRateRightAscensionSet",
                                            "DeclinationRateGet",
                                            "DeclinationRateSet",
                                            "RightAscensionRateGet",
                                            "RightAscensionRateSet",
                                            "SiteElevationGet",
                                            "SiteElevationSet",
                                            "SiteLatitudeGet",
                                            "SiteLatitudeSet",
                                            "SiteLongitudeGet",
                                            "SiteLongitudeSet",
                                            "SiderealTimeGet",
                                            "UTCDateGet",
                                            "UTCDateSet",
                                            "AtHomeGet",
                                            "AtParkGet",
                                            "IsPulseGuidingGet",
                                            "SlewingGet",
                                            "TrackingGet",
                                            "TrackingSet",
                                            "TrackingRateGet",
                                            "TrackingRateSet",
                                            "AzimuthGet",
                                            "AltitudeGet",
                                            "AzimuthAltitudeGet",
                                            "RightAscensionGet",
                                            "DeclinationGet",
                                            "RightAscensionDeclinationGet",
                                            "AbortSlew",
                                            "MoveAxis",
                                            "TargetDeclinationGet",
                                            "TargetDeclinationSet",
                                            "TargetRightAscensionGet",
                                            "TargetRightAscensionSet",
                                            "SlewToAltAz",
                                            "SlewToAltAzAsync",
                                            "SlewToCoordinates",
                                            "SlewToCoordinatesAsync",
                                            "SlewToTarget",
                                            "SlewToTargetAsync",
                                            "SyncToAltAz",
                                            "SyncToCoordinates",
                                            "SyncToTarget",
                                            "Park",
                                            "Unpark",
                                            "SetPark",
                                            "FindHome",
                                            "PulseGuide",
                                            "TrackTrailPointsStatusGet",
                                            "StopTrackingTrailPoints",
                                            "TrailPointsTestRunCountDownSet",
                                            "AddTrailPointsOffset",
                                            "KoMountClockGet",
                                            "SyncKoMountClock",
                                            "AlignmentDataGet"};
        std::vector<std::pair<std::string, bool>> out;
        for (const char* name : names) {
            const std::string text(name);
            const bool withoutMount = text == "ServerVersion" || text == "ServerDeviceNameGet" ||
                                      text == "AlignmentDataGet";
            out.emplace_back(text, !withoutMount);
        }
        return out;
    }();
    return table;
}

} // namespace

// Takes the current mount once for a request and lets it go when the request ends.
class VtmServer::MountHold {
public:
    explicit MountHold(VtmServer& server) : m_server(server) {
        m_server.m_requestMount = m_server.m_mountConnection->sharedMount();
    }
    ~MountHold() { m_server.m_requestMount.reset(); }
    MountHold(const MountHold&) = delete;
    MountHold& operator=(const MountHold&) = delete;

private:
    VtmServer& m_server;
};

VtmServer::VtmServer(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroCalc> astroCalc,
                     std::shared_ptr<IAstroClock> astroClock,
                     std::shared_ptr<IMountConnection> mountConnection,
                     std::shared_ptr<IAlignmentDataContainer> alignmentData,
                     std::shared_ptr<IPMSharing> pmSharing,
                     std::shared_ptr<IAlignerHelper> alignerHelper,
                     std::shared_ptr<INetServer> netServer, uint16_t port, DeviceName deviceName,
                     std::shared_ptr<ICatalogSettings> goToLimits,
                     std::shared_ptr<EndingState> ending)
    : m_location(std::move(location)), m_astroCalc(std::move(astroCalc)),
      m_astroClock(std::move(astroClock)), m_mountConnection(std::move(mountConnection)),
      m_alignmentData(std::move(alignmentData)), m_pmSharing(std::move(pmSharing)),
      m_alignerHelper(std::move(alignerHelper)), m_netServer(std::move(netServer)),
      m_deviceName(std::move(deviceName)), m_goToLimits(std::move(goToLimits)),
      m_ending(std::move(ending)), m_trailPointsName("TrackTrailPoints"), m_requestedPort(port),
      m_port(port) {
    for (const auto& [name, needsMount] : methodTable())
        m_methods[name] = Method{{}, needsMount};
    installHandlers();
    start();
}

VtmServer::~VtmServer() {
    stop();
}

void VtmServer::start() {
    INetServer::TcpHandler tcp = [this](INetServer::IStream* stream) { onTcpStream(stream); };
    INetServer::UdpHandler udp = [this](const CBytes& datagram) { return onUdpDatagram(datagram); };
    if (m_requestedPort == 0) {
        m_port = m_netServer->addOnFreePort(std::move(tcp), std::move(udp));
        return;
    }
    m_netServer->addTcpServer(m_port, std::move(tcp));
    m_netServer->addUdpServer(m_port, std::move(udp));
}

void VtmServer::stop() {
    m_netServer->removeTcpServer(m_port);
    m_netServer->removeUdpServer(m_port);
    // The core outlives this server: without the wait a request still running on the core's
    // thread would use freed memory.
    m_netServer->waitPosted();
}

const std::vector<std::string>& VtmServer::methodNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const auto& entry : methodTable())
            out.push_back(entry.first);
        return out;
    }();
    return names;
}

bool VtmServer::setHandler(const std::string& name, Handler handler) {
    const auto it = m_methods.find(name);
    if (it == m_methods.end())
        return false;
    it->second.handler = std::move(handler);
    return true;
}

const VtmServer::Method& VtmServer::findMethod(const std::string& name) const {
    static const Method none;
    const auto it = m_methods.find(name);
    return it == m_methods.end() ? none : it->second;
}

void VtmServer::onTcpStream(INetServer::IStream* stream) {
    char request[kMaxRequestBytes];
    const int64_t peeked = stream->peek(request, kMaxRequestBytes);
    if (peeked <= 0)
        return;
    const std::string uploadPrefix = m_trailPointsName + ",";
    std::string reply;
    if (size_t(peeked) >= uploadPrefix.size() &&
        std::memcmp(request, uploadPrefix.data(), uploadPrefix.size()) == 0) {
        const std::optional<MethodRet> ret = handleTrailPoints(stream);
        if (!ret)
            return;
        reply = formatReply(*ret, m_trailPointsName);
    } else {
        if (stream->skip(peeked) != peeked) {
            Log("VtmServer TCP: unexpected stream skip error");
            return;
        }
        reply = handleRequest(request, size_t(peeked));
    }
    if (!reply.empty())
        stream->write(reply.data(), int64_t(reply.size()));
}

std::string VtmServer::onUdpDatagram(const CBytes& datagram) {
    return handleRequest(reinterpret_cast<const char*>(datagram.data()), datagram.size());
}

std::string VtmServer::handleRequest(const char* data, size_t length) {
    std::vector<VtmArgument> arguments = VtmArgument::splitList(data, length);
    std::string name;
    if (!arguments.empty()) {
        name = std::move(arguments.front().text);
        arguments.erase(arguments.begin());
    }
    const Method& method = findMethod(name);
    const MountHold hold(*this);
    if (method.needsMount && !m_requestMount)
        return {};
    MethodRet ret{0, "Unknown", {}};
    if (method.handler) {
        // A reading or making of values that throws ("Read null Nullable", "CmdResp: read
        // invalid", "VtmArgument") answers Error instead of ending the program.
        try {
            ret = method.handler(arguments);
        } catch (const std::exception& e) {
            Log("VtmServer: %s failed: %s", name.c_str(), e.what());
            ret = MethodRet{0, "Error", {}};
        }
    }
    return formatReply(ret, name);
}

std::string VtmServer::formatReply(const MethodRet& ret, const std::string& name) {
    if (ret.code != 0)
        return {};
    std::string reply = ret.status + "," + name;
    for (const std::string& value : ret.values)
        reply += "," + value;
    return reply;
}

VtmServer::MethodRet VtmServer::fromCmdRet(CmdRetType_::E type) {
    switch (type) {
    case CmdRetType_::Ok:
        return {0, "Ok", {}};
    case CmdRetType_::Timeout:
        return {1, {}, {}};
    default:
        return {0, "Error", {}};
    }
}

VtmServer::MethodRet VtmServer::refusedWhileEnding() {
    // The status a client meets for a command that cannot run now; the value says why.
    return {0, "InvalidOperation", {"ProgramEnding"}};
}

std::optional<VtmServer::MethodRet> VtmServer::handleTrailPoints(INetServer::IStream* stream) {
    const size_t prefix = m_trailPointsName.size() + 1;
    const int64_t available = stream->bytesAvailable();
    CBytes bytes(size_t(available), 0);
    stream->peek(bytes.data(), available);
    TrailPointsParam param;
    const RecordRead read = readBinaryRecord(bytes.data() + prefix, bytes.size() - prefix, param);
    if (read.outcome == RecordRead::Incomplete && !stream->ended()) {
        stream->awaitBytes(int64_t(prefix + read.bytes), read.extraMs);
        return std::nullopt;
    }
    // A record whose client stopped sending it has used up all that came of it; the bytes after
    // a decided record stay for the requests that follow.
    stream->skip(read.outcome == RecordRead::Incomplete ? available : int64_t(prefix + read.bytes));
    if (read.outcome != RecordRead::Accepted)
        return MethodRet{0, "Error", {}};
    const MountHold hold(*this);
    const EndingState::Admission admission(m_ending.get());
    if (!admission)
        return refusedWhileEnding();
    if (m_requestMount)
        m_requestMount->trackTrailPointsAsync(std::move(param));
    return MethodRet{0, "Ok", {}};
}

VtmServer::RecordRead VtmServer::readBinaryRecord(const uint8_t* data, size_t size,
                                                  TrailPointsParam& param) {
    size_t at = 0;
    // The next n bytes of the record, null while they have not all come.
    const auto take = [&](size_t n) -> const uint8_t* {
        if (size - at < n)
            return nullptr;
        const uint8_t* field = data + at;
        at += n;
        return field;
    };
    const auto need = [&](size_t n, int64_t extraMs = 0) {
        return RecordRead{RecordRead::Incomplete, at + n, extraMs};
    };
    const auto refuse = [&] { return RecordRead{RecordRead::Refused, at, 0}; };

    const uint8_t* header = take(kRecordHeaderBytes);
    if (!header)
        return need(kRecordHeaderBytes);
    if (std::memcmp(header, kRecordHeader, kRecordHeaderBytes) != 0)
        return refuse();
    // Nothing among the name, the time and the counts refuses a record before the selector.
    constexpr size_t kHeadBytes = kRecordNameBytes + kRecordTimeBytes + kRecordCountsBytes;
    if (size - at < kHeadBytes)
        return need(kHeadBytes);
    const uint8_t* name = take(kRecordNameBytes);
    param.name.assign(name, std::find(name, name + kRecordNameBytes, uint8_t(0)));

    const CBytes time = CBytes::fromData(take(kRecordTimeBytes), kRecordTimeBytes);
    const int64_t days = daysToMonthStart(le16(time, 0), time[2]) + int64_t(time[3]) - 1;
    const int64_t seconds = ((days * 24 + time[4]) * 60 + time[5]) * 60 + time[6];
    param.startTimeMs = seconds * 1000 + le16(time, 7);

    const CBytes counts = CBytes::fromData(take(kRecordCountsBytes), kRecordCountsBytes);
    param.intervalUs = le32(counts, 0);
    const uint32_t count = le32(counts, 4);
    if ((le32(counts, 8) & 0xff) > kMaxSelector)
        return refuse();
    if (count > kMaxTrailPoints) {
        Log("VtmServer: trail-point upload of %u points refused", count);
        return refuse();
    }
    const uint8_t* blockField = take(4);
    if (!blockField)
        return need(4);
    const uint32_t blockLength = qFromLittleEndian<uint32_t>(blockField);
    if (blockLength > kMaxBlockBytes) {
        Log("VtmServer: trail-point upload with a block of %u bytes refused", blockLength);
        return refuse();
    }
    const int64_t announced =
        int64_t(kRecordFixedBytes) + blockLength + int64_t(count) * int64_t(kPointBytes);
    const size_t rest = size_t(blockLength) + size_t(count) * kPointBytes;
    if (size - at < rest)
        return need(rest, announced * kUploadStepMs / kUploadStepBytes);
    take(blockLength);

    const uint8_t* points = take(size_t(count) * kPointBytes);
    param.points.clear();
    param.points.reserve(count);
    bool finite = true;
    for (size_t k = 0; k < count; ++k) {
        const double ra = qFromLittleEndian<double>(points + k * kPointBytes);
        const double dec = qFromLittleEndian<double>(points + k * kPointBytes + 8);
        // A non-finite point would reach the mount as axis count 0: an arbitrary place.
        finite = finite && std::isfinite(ra) && std::isfinite(dec);
        param.points.emplace_back(ra, dec);
    }
    if (!finite) {
        Log("VtmServer: trail-point upload with a non-finite point refused");
        return refuse();
    }
    param.inRadians = true;
    param.frame = 0;
    return RecordRead{RecordRead::Accepted, at, 0};
}

} // namespace Ko
