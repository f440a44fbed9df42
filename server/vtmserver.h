#pragma once

#include "base/nullable.h"
#include "mount/mounttarget.h"
#include "mount/tasks/trailpoints.h"
#include "server/inetserver.h"
#include "server/vtmargument.h"

#include "link/cmdret.h"
#include "link/ikodevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Ko {

class IAlignerHelper;
class IAlignmentDataContainer;
class IAstroCalc;
class IAstroClock;
class ICatalogSettings;
class EndingState;
class ILocation;
class IMount;
class IMountConnection;
class IPMSharing;

// The remote-method server: other applications send a method name and its arguments joined by
// commas to one port over TCP and UDP, and get back the status, the name as received and the
// result values joined by commas, or silence. Over TCP "TrackTrailPoints," carries a binary
// trail-point record instead, which is gathered without holding up anyone and read only once it
// is whole (or once its client has stopped sending it). Construction opens the ports and
// destruction closes them, both on the main thread; every request runs on the network core's
// thread, one at a time, and holds the current mount for its whole length, so a disconnect
// meanwhile cannot free it under the request.
// Threads: main thread only for construction, destruction and stop; each request runs on the
// network core's thread.
class VtmServer {
public:
    static constexpr uint16_t kPort = 11881;
    // One text request over TCP is at most this much of what the connection has delivered.
    static constexpr int64_t kMaxRequestBytes = 1024;
    // Upload bounds, checked before anything is allocated: the opaque block, and the points
    // (nearly three hours at ten points a second).
    static constexpr uint32_t kMaxBlockBytes = 64 * 1024;
    static constexpr uint32_t kMaxTrailPoints = 100000;
    // An upload gets more time in proportion to its announced size: this much per step, beyond
    // the network core's request time.
    static constexpr int64_t kUploadStepBytes = 128 * 1024;
    static constexpr int64_t kUploadStepMs = 1000;

    struct MethodRet {
        // 0 answers; any other value sends nothing at all.
        uint8_t code = 0;
        std::string status;
        std::vector<std::string> values;
    };
    using Args = std::vector<VtmArgument>;
    using Handler = std::function<MethodRet(const Args&)>;
    // The name under which this device shows itself to other devices.
    using DeviceName = std::function<std::string()>;
    struct Method {
        Handler handler;
        bool needsMount = false;
    };

    VtmServer(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroCalc> astroCalc,
              std::shared_ptr<IAstroClock> astroClock,
              std::shared_ptr<IMountConnection> mountConnection,
              std::shared_ptr<IAlignmentDataContainer> alignmentData,
              std::shared_ptr<IPMSharing> pmSharing, std::shared_ptr<IAlignerHelper> alignerHelper,
              std::shared_ptr<INetServer> netServer, uint16_t port = kPort,
              DeviceName deviceName = {}, std::shared_ptr<ICatalogSettings> goToLimits = nullptr,
              std::shared_ptr<EndingState> ending = nullptr);
    virtual ~VtmServer();

    VtmServer(const VtmServer&) = delete;
    VtmServer& operator=(const VtmServer&) = delete;

    // Main thread only. stop returns once the ports are closed on the core's thread and no request
    // runs any more; a running request ends first, and an awaited upload is dropped unanswered.
    // Given port 0, start serves on one the system picks for both TCP and UDP.
    void start();
    void stop();
    // Main thread only: the port served since start; 0 when given 0 and none could be had.
    uint16_t port() const { return m_port; }

    // The core's thread, from here on.
    void onTcpStream(INetServer::IStream* stream);
    std::string onUdpDatagram(const CBytes& datagram);
    std::string handleRequest(const char* data, size_t length);
    // A name outside the table gives an entry without handler that needs no mount.
    const Method& findMethod(const std::string& name) const;
    // The upload that the stream's bytes begin with: its answer once its record is accepted or
    // refused; none while it awaits the rest of its record.
    std::optional<MethodRet> handleTrailPoints(INetServer::IStream* stream);

    // What reading one upload record, from the bytes after its request name and comma, came to.
    struct RecordRead {
        enum Outcome { Incomplete, Refused, Accepted };
        Outcome outcome = Incomplete;
        // Accepted or refused: the bytes the record used up; incomplete: the bytes it needs
        // before it can be decided.
        size_t bytes = 0;
        // The time beyond the core's request time that the record's announced size earns.
        int64_t extraMs = 0;
    };
    static RecordRead readBinaryRecord(const uint8_t* data, size_t size, TrailPointsParam& param);

    static std::string formatReply(const MethodRet& ret, const std::string& name);
    static MethodRet fromCmdRet(CmdRetType_::E type);
    // The answer to a request for a new motion once the program has begun to end.
    static MethodRet refusedWhileEnding();
    // The 92 method names in table order.
    static const std::vector<std::string>& methodNames();

    // Installs the handler of a method of the table; false for a name outside it. Before start,
    // or on the core's thread.
    bool setHandler(const std::string& name, Handler handler);

    // The mount that the running request holds; null while none is connected or outside a
    // request. The core's thread.
    IMount* requestMount() const { return m_requestMount.get(); }

private:
    using AnglePair = std::pair<double, double>;

    // The handlers of the methods; each works on the request's mount (requestMount), which is
    // present for every method that needs one. Angles travel in degrees, right ascension and
    // sidereal time in hours, rates in degrees per second, truth values as 1 and 0.
    void installHandlers();
    MethodRet ServerDeviceNameGet(const Args& args);
    MethodRet AlignmentDataGet(const Args& args);
    MethodRet CanMoveAxis(const Args& args);
    MethodRet AxisRates(const Args& args);
    MethodRet SiteElevationGet(const Args& args);
    MethodRet SiteLatitudeGet(const Args& args);
    MethodRet SiteLongitudeGet(const Args& args);
    MethodRet SiderealTimeGet(const Args& args);
    MethodRet UTCDateGet(const Args& args);
    MethodRet AlignmentModeGet(const Args& args);
    MethodRet AtParkGet(const Args& args);
    MethodRet IsPulseGuidingGet(const Args& args);
    MethodRet SlewingGet(const Args& args);
    MethodRet TrackingGet(const Args& args);
    MethodRet TrackingSet(const Args& args);
    MethodRet TrackingRateGet(const Args& args);
    MethodRet TrackingRateSet(const Args& args);
    MethodRet guideRateGet(AXISID axis);
    MethodRet guideRateSet(AXISID axis, const Args& args);

    MethodRet AzimuthGet(const Args& args);
    MethodRet AltitudeGet(const Args& args);
    MethodRet AzimuthAltitudeGet(const Args& args);
    MethodRet RightAscensionGet(const Args& args);
    MethodRet DeclinationGet(const Args& args);
    MethodRet RightAscensionDeclinationGet(const Args& args);
    MethodRet TargetRightAscensionGet(const Args& args);
    MethodRet TargetRightAscensionSet(const Args& args);
    MethodRet TargetDeclinationGet(const Args& args);
    MethodRet TargetDeclinationSet(const Args& args);
    MethodRet AbortSlew(const Args& args);
    MethodRet MoveAxis(const Args& args);
    MethodRet SlewToAltAzAsync(const Args& args);
    MethodRet SlewToCoordinatesAsync(const Args& args);
    MethodRet SlewToTargetAsync(const Args& args);
    MethodRet SyncToAltAz(const Args& args);
    MethodRet SyncToCoordinates(const Args& args);
    MethodRet SyncToTarget(const Args& args);
    MethodRet Park(const Args& args);
    MethodRet Unpark(const Args& args);
    MethodRet SetPark(const Args& args);
    MethodRet SideOfPierGet(const Args& args);
    MethodRet SideOfPierSet(const Args& args);
    MethodRet DestinationSideOfPier(const Args& args);
    MethodRet PulseGuide(const Args& args);
    MethodRet TrackTrailPointsStatusGet(const Args& args);
    MethodRet StopTrackingTrailPoints(const Args& args);
    MethodRet TrailPointsTestRunCountDownSet(const Args& args);
    MethodRet AddTrailPointsOffset(const Args& args);
    MethodRet KoMountClockGet(const Args& args);
    MethodRet SyncKoMountClock(const Args& args);

    // (azimuth, altitude) and (right ascension in hours, declination) of a fresh reading, in
    // degrees; empty when the reading failed.
    Nullable<AnglePair> readAzAlt();
    Nullable<AnglePair> readRaDec();
    // A GoTo to (right ascension, declination) of date, or of J2000 when j2000, in radians.
    MethodRet slewToRaDec(AnglePair raDec, bool j2000);
    // Stops any motion, waits a moment and starts the GoTo to the target made then.
    MethodRet startGoTo(const std::function<MountTarget()>& target);
    // A sync on an observed (hour angle, declination), radians: a correction point, or a star
    // of the model while syncs align.
    MethodRet syncToObserved(AnglePair haDec);

    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IAstroClock> m_astroClock;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    const std::shared_ptr<IAlignmentDataContainer> m_alignmentData;
    const std::shared_ptr<IPMSharing> m_pmSharing;
    const std::shared_ptr<IAlignerHelper> m_alignerHelper;
    const std::shared_ptr<INetServer> m_netServer;
    const DeviceName m_deviceName;
    // The user's GoTo limits, which every GoTo asks first; without them every GoTo is refused.
    const std::shared_ptr<ICatalogSettings> m_goToLimits;
    // Once the program has begun to end, no request starts a motion; a stop is still taken.
    const std::shared_ptr<EndingState> m_ending;
    const std::string m_trailPointsName;
    // Kept between requests, on the core's thread only.
    Nullable<double> m_targetRa;
    Nullable<double> m_targetDec;
    Nullable<std::pair<double, double>> m_parkAxisPositions;

    class MountHold;

    const uint16_t m_requestedPort;
    // Main thread only.
    uint16_t m_port;
    std::unordered_map<std::string, Method> m_methods;
    std::shared_ptr<IMount> m_requestMount;
};

} // namespace Ko
