// The method handlers of the remote-method server; the frame (table, requests, replies) is in
// vtmserver.cpp.

#include "server/vtmserver.h"

#include "align/ialignerhelper.h"
#include "astro/angleutil.h"
#include "astro/iastrocalc.h"
#include "base/clock.h"
#include "base/endingstate.h"
#include "base/ilocation.h"
#include "base/log.h"
#include "model/ialignmentdatacontainer.h"
#include "model/transportalignmentdata.h"
#include "mount/imount.h"
#include "server/ipmsharing.h"
#include "server/planetariumcommon.h"

#include <chrono>
#include <cmath>
#include <thread>

namespace Ko {

namespace {

using MethodRet = VtmServer::MethodRet;
using Args = VtmServer::Args;

constexpr double kRadToDeg = 180.0 / kPi;
// The highest rate of an axis move, degrees per second; also the top of its advertised range.
constexpr double kMaxMoveRateDps = 4.0;
// A GoTo starts this long after the abort of any motion before it, so that the mount has taken
// the stop before the new target arrives.
constexpr std::chrono::milliseconds kGoToPause{100};
constexpr const char* kSyncName = "SyncTo object";

MethodRet ok(std::vector<std::string> values = {}) {
    return {0, "Ok", std::move(values)};
}
MethodRet refused(const char* status) {
    return {0, status, {}};
}
MethodRet silence() {
    return {1, {}, {}};
}
MethodRet okInt(int value) {
    return ok({VtmArgument::fromInt(value).text});
}
MethodRet okDouble(double value) {
    return ok({VtmArgument::fromDouble(value).text});
}

// Exactly one argument per letter of kinds, each of its kind.
bool argsAre(const Args& args, std::string_view kinds) {
    if (args.size() != kinds.size())
        return false;
    for (size_t k = 0; k < kinds.size(); ++k)
        if (!args[k].isType(kinds[k]))
            return false;
    return true;
}

// Radians from hours; the division comes first, so no finite number of hours gives an infinite
// angle.
double hoursToRad(double hours) {
    return hours * kDeg * 15.0;
}
double radToHours(double rad) {
    return rad * kRadToDeg / 15.0;
}

bool inRange(double value, double low, double high) {
    return value >= low && value <= high;
}
bool raDecInRange(double raHours, double decDeg) {
    return inRange(raHours, 0.0, 24.0) && inRange(decDeg, -90.0, 90.0);
}
bool azAltInRange(double azDeg, double altDeg) {
    return inRange(azDeg, 0.0, 360.0) && inRange(altDeg, 0.0, 90.0);
}

// Tracking as the mount took it, which is what a client asking about tracking is told: a change
// that has not reached the mount (or that it refused) is not reported as made. Empty when what
// the mount does is not known: while it does not answer, and while a change of tracking is only
// partly taken (the mount may have left the old state without having taken the new one).
Nullable<IMount::AcknowledgedTracking> knownTracking(const IMount& mount) {
    if (!mount.linkAnswering())
        return {};
    IMount::AcknowledgedTracking tracking = mount.acknowledgedTracking();
    if (!tracking.known)
        return {};
    // A mount that does not track has no rate of its own: the rate it will start at is the one
    // chosen last.
    if (!tracking.on) {
        tracking.rate = mount.trackingRate();
        tracking.target = mount.trackingTarget();
    }
    return tracking;
}

} // namespace

void VtmServer::installHandlers() {
    using Member = MethodRet (VtmServer::*)(const Args&);
    const std::pair<const char*, Member> members[] = {
        {"ServerDeviceNameGet", &VtmServer::ServerDeviceNameGet},
        {"AlignmentDataGet", &VtmServer::AlignmentDataGet},
        {"CanMoveAxis", &VtmServer::CanMoveAxis},
        {"AxisRates", &VtmServer::AxisRates},
        {"SiteElevationGet", &VtmServer::SiteElevationGet},
        {"SiteLatitudeGet", &VtmServer::SiteLatitudeGet},
        {"SiteLongitudeGet", &VtmServer::SiteLongitudeGet},
        {"SiderealTimeGet", &VtmServer::SiderealTimeGet},
        {"UTCDateGet", &VtmServer::UTCDateGet},
        {"AlignmentModeGet", &VtmServer::AlignmentModeGet},
        {"AtParkGet", &VtmServer::AtParkGet},
        {"IsPulseGuidingGet", &VtmServer::IsPulseGuidingGet},
        {"SlewingGet", &VtmServer::SlewingGet},
        {"TrackingGet", &VtmServer::TrackingGet},
        {"TrackingSet", &VtmServer::TrackingSet},
        {"TrackingRateGet", &VtmServer::TrackingRateGet},
        {"TrackingRateSet", &VtmServer::TrackingRateSet},
        {"AzimuthGet", &VtmServer::AzimuthGet},
        {"AltitudeGet", &VtmServer::AltitudeGet},
        {"AzimuthAltitudeGet", &VtmServer::AzimuthAltitudeGet},
        {"RightAscensionGet", &VtmServer::RightAscensionGet},
        {"DeclinationGet", &VtmServer::DeclinationGet},
        {"RightAscensionDeclinationGet", &VtmServer::RightAscensionDeclinationGet},
        {"TargetRightAscensionGet", &VtmServer::TargetRightAscensionGet},
        {"TargetRightAscensionSet", &VtmServer::TargetRightAscensionSet},
        {"TargetDeclinationGet", &VtmServer::TargetDeclinationGet},
        {"TargetDeclinationSet", &VtmServer::TargetDeclinationSet},
        {"AbortSlew", &VtmServer::AbortSlew},
        {"MoveAxis", &VtmServer::MoveAxis},
        {"SlewToAltAzAsync", &VtmServer::SlewToAltAzAsync},
        {"SlewToCoordinatesAsync", &VtmServer::SlewToCoordinatesAsync},
        {"SlewToTargetAsync", &VtmServer::SlewToTargetAsync},
        {"SyncToAltAz", &VtmServer::SyncToAltAz},
        {"SyncToCoordinates", &VtmServer::SyncToCoordinates},
        {"SyncToTarget", &VtmServer::SyncToTarget},
        {"Park", &VtmServer::Park},
        {"Unpark", &VtmServer::Unpark},
        {"SetPark", &VtmServer::SetPark},
        {"SideOfPierGet", &VtmServer::SideOfPierGet},
        {"SideOfPierSet", &VtmServer::SideOfPierSet},
        {"DestinationSideOfPier", &VtmServer::DestinationSideOfPier},
        {"PulseGuide", &VtmServer::PulseGuide},
        {"TrackTrailPointsStatusGet", &VtmServer::TrackTrailPointsStatusGet},
        {"StopTrackingTrailPoints", &VtmServer::StopTrackingTrailPoints},
        {"TrailPointsTestRunCountDownSet", &VtmServer::TrailPointsTestRunCountDownSet},
        {"AddTrailPointsOffset", &VtmServer::AddTrailPointsOffset},
        {"KoMountClockGet", &VtmServer::KoMountClockGet},
        {"SyncKoMountClock", &VtmServer::SyncKoMountClock},
    };
    for (const auto& [name, member] : members)
        setHandler(name, [this, member](const Args& args) { return (this->*member)(args); });

    // Answers that never change: the capabilities and the properties this server cannot set.
    const std::pair<const char*, int> fixed[] = {
        {"CanFindHomeGet", 0},      {"CanParkGet", 1},
        {"CanPulseGuideGet", 1},    {"CanSetDeclinationRateGet", 0},
        {"CanSetGuideRatesGet", 1}, {"CanSetParkGet", 1},
        {"CanSetPierSideGet", 1},   {"CanSetRightAscensionRateGet", 0},
        {"CanSetTrackingGet", 1},   {"CanSlewGet", 1},
        {"CanSlewAltAzGet", 1},     {"CanSlewAltAzAsyncGet", 1},
        {"CanSlewAsyncGet", 1},     {"CanSyncGet", 1},
        {"CanSyncAltAzGet", 1},     {"CanUnparkGet", 1},
        {"EquatorialSystemGet", 1}, {"DoesRefractionGet", 0},
        {"DeclinationRateGet", 0},  {"RightAscensionRateGet", 0},
        {"AtHomeGet", 0},
    };
    for (const auto& [name, value] : fixed)
        setHandler(name, [value](const Args&) { return okInt(value); });
    setHandler("ServerVersion", [](const Args&) { return ok({"2", "1", "12"}); });
    setHandler("ServerTestCommunication", [](const Args&) { return ok(); });
    setHandler("TrackingRatesGet", [](const Args&) { return ok({"0", "1", "2"}); });

    // The synchronous slews and the settings this mount does not have; the asynchronous slews
    // are the working ones.
    for (const char* name :
         {"ApertureAreaGet", "ApertureDiameterGet", "FocalLengthGet", "DoesRefractionSet",
          "SlewSettleTimeGet", "SlewSettleTimeSet", "DeclinationRateSet", "RightAscensionRateSet",
          "SiteElevationSet", "SiteLatitudeSet", "SiteLongitudeSet", "UTCDateSet", "SlewToAltAz",
          "SlewToCoordinates", "SlewToTarget", "FindHome"})
        setHandler(name, [](const Args&) { return refused("Unimplemented"); });

    // Right ascension is axis 1 and declination axis 2 in either mount mode.
    setHandler("GuideRateRightAscensionGet", [this](const Args&) { return guideRateGet(0); });
    setHandler("GuideRateDeclinationGet", [this](const Args&) { return guideRateGet(1); });
    setHandler("GuideRateRightAscensionSet",
               [this](const Args& args) { return guideRateSet(0, args); });
    setHandler("GuideRateDeclinationSet",
               [this](const Args& args) { return guideRateSet(1, args); });
}

// --- The server, the capabilities and the properties ---

VtmServer::MethodRet VtmServer::ServerDeviceNameGet(const Args&) {
    if (!m_deviceName)
        return refused("Error");
    // A name with a comma cannot travel: the maker throws and the request answers Error.
    return ok({VtmArgument::fromString(m_deviceName()).text});
}

VtmServer::MethodRet VtmServer::AlignmentDataGet(const Args&) {
    if (!m_pmSharing || !m_pmSharing->serving())
        return silence();
    // Without a model the package cannot be made: the container throws, and the request
    // answers Error rather than an empty package.
    return ok(
        {VtmArgument::fromString(TransportAlignmentData::pack(m_alignmentData->makeSavedData()))
             .text});
}

VtmServer::MethodRet VtmServer::CanMoveAxis(const Args& args) {
    if (!argsAre(args, "i"))
        return refused("Error");
    return okInt(unsigned(args[0].toInt()) < 2 ? 1 : 0);
}

VtmServer::MethodRet VtmServer::AxisRates(const Args& args) {
    if (!argsAre(args, "i"))
        return refused("Error");
    if (unsigned(args[0].toInt()) >= 2)
        return ok();
    return ok({VtmArgument::fromDouble(0.0).text, VtmArgument::fromDouble(kMaxMoveRateDps).text});
}

VtmServer::MethodRet VtmServer::SiteElevationGet(const Args&) {
    return okDouble(m_location->altitudeMeter());
}

VtmServer::MethodRet VtmServer::SiteLatitudeGet(const Args&) {
    return okDouble(m_location->latitudeRad() * kRadToDeg);
}

VtmServer::MethodRet VtmServer::SiteLongitudeGet(const Args&) {
    // Stored positive west, answered positive east.
    return okDouble(m_location->longitudeRad() * -kRadToDeg);
}

VtmServer::MethodRet VtmServer::SiderealTimeGet(const Args&) {
    return okDouble(radToHours(m_astroCalc->localSiderealRad()));
}

VtmServer::MethodRet VtmServer::UTCDateGet(const Args&) {
    return ok({VtmArgument::fromLong(m_astroClock->nowMs() / 1000).text});
}

VtmServer::MethodRet VtmServer::AlignmentModeGet(const Args&) {
    return okInt(requestMount()->mountMode() == MountMode_::EQ ? 2 : 0);
}

VtmServer::MethodRet VtmServer::AtParkGet(const Args&) {
    return okInt(requestMount()->parked() ? 1 : 0);
}

VtmServer::MethodRet VtmServer::IsPulseGuidingGet(const Args&) {
    return okInt(requestMount()->isPulseGuiding() ? 1 : 0);
}

VtmServer::MethodRet VtmServer::SlewingGet(const Args&) {
    IMount* mount = requestMount();
    const bool goTo = mount->slewToTarget().hasValue();
    const bool manual = mount->axisSlewState(0) != 0 || mount->axisSlewState(1) != 0;
    // A pulse-guide move alone is not a slew. A stop the mount has not taken yet leaves it moving,
    // which is slewing only for a motion reported as such while it ran: a stop of tracking, or of
    // a guide pulse, is no slew.
    const bool stopping = mount->stopPendingOf(IMount::StoppedMotion::GoTo) ||
                          mount->stopPendingOf(IMount::StoppedMotion::ManualSlew);
    return okInt((!mount->isPulseGuiding() && (goTo || manual)) || stopping ? 1 : 0);
}

VtmServer::MethodRet VtmServer::TrackingGet(const Args&) {
    const Nullable<IMount::AcknowledgedTracking> tracking = knownTracking(*requestMount());
    if (!tracking.hasValue())
        return refused("Error");
    return okInt(tracking.value().on ? 1 : 0);
}

VtmServer::MethodRet VtmServer::TrackingSet(const Args& args) {
    if (!argsAre(args, "i"))
        return refused("Error");
    const bool on = args[0].toInt() != 0;
    // Tracking started while the end waits would take axis 1 from the end's stop.
    const EndingState::Admission admission(on ? m_ending.get() : nullptr);
    if (!admission)
        return refusedWhileEnding();
    requestMount()->setTrackingEnabled(on);
    return ok();
}

VtmServer::MethodRet VtmServer::TrackingRateGet(const Args&) {
    const Nullable<IMount::AcknowledgedTracking> tracking = knownTracking(*requestMount());
    if (!tracking.hasValue())
        return refused("Error");
    uint32_t value = 0;
    if (tracking.value().rate.hasValue()) {
        value = uint32_t(tracking.value().rate.value());
    } else {
        // The mount keeps a rate or a target; while it follows a target, the target's kind.
        const Nullable<MountTarget>& target = tracking.value().target;
        if (!target.hasValue())
            return refused("Error");
        value = target.value().kind;
    }
    if (value >= 3)
        return refused("Error");
    return okInt(int(value));
}

VtmServer::MethodRet VtmServer::TrackingRateSet(const Args& args) {
    if (!argsAre(args, "i"))
        return refused("Error");
    const unsigned rate = unsigned(args[0].toInt());
    if (rate >= 3)
        return refused("InvalidValue");
    // A new rate restarts tracking, which would take axis 1 from the end's stop.
    const EndingState::Admission admission(m_ending.get());
    if (!admission)
        return refusedWhileEnding();
    requestMount()->setTrackingRate(TrackingRate(rate));
    return ok();
}

VtmServer::MethodRet VtmServer::guideRateGet(AXISID axis) {
    return okDouble(requestMount()->guideRate(axis) * kRadToDeg);
}

VtmServer::MethodRet VtmServer::guideRateSet(AXISID axis, const Args& args) {
    if (!argsAre(args, "d"))
        return refused("Error");
    // The mount takes its nearest guide speed; a refusal leaves the client to time out.
    return requestMount()->setGuideRate(axis, args[0].toDouble() * kDeg) ? ok() : silence();
}

// --- Position, target, motion, syncs, park, pier side, guiding, trail points, clock ---

Nullable<VtmServer::AnglePair> VtmServer::readAzAlt() {
    const CmdResp<AnglePair> read = requestMount()->readPosition();
    if (!read.isOk())
        return {};
    const AnglePair haDec = read.value();
    const U_ASTRO_COORD azAlt = m_astroCalc->convertNow(
        U_ASTRO_COORD{haDec.first, haDec.second, CoordType::HDObsv}, CoordType::AZObsv);
    return AnglePair{wrapTo2Pi(azAlt.a) * kRadToDeg, azAlt.b * kRadToDeg};
}

Nullable<VtmServer::AnglePair> VtmServer::readRaDec() {
    const CmdResp<AnglePair> read = requestMount()->readPosition();
    if (!read.isOk())
        return {};
    const AnglePair haDec = read.value();
    const U_ASTRO_COORD raDec = m_astroCalc->convertNow(
        U_ASTRO_COORD{haDec.first, haDec.second, CoordType::HDObsv}, CoordType::RDJNow);
    return AnglePair{radToHours(raDec.a), raDec.b * kRadToDeg};
}

namespace {

// The first, the second or both of a reading, in that order; silence when it failed.
MethodRet answerPair(const Nullable<std::pair<double, double>>& pair, bool first, bool second) {
    if (!pair.hasValue())
        return silence();
    std::vector<std::string> values;
    if (first)
        values.push_back(VtmArgument::fromDouble(pair.value().first).text);
    if (second)
        values.push_back(VtmArgument::fromDouble(pair.value().second).text);
    return ok(std::move(values));
}

} // namespace

VtmServer::MethodRet VtmServer::AzimuthGet(const Args&) {
    return answerPair(readAzAlt(), true, false);
}

VtmServer::MethodRet VtmServer::AltitudeGet(const Args&) {
    return answerPair(readAzAlt(), false, true);
}

VtmServer::MethodRet VtmServer::AzimuthAltitudeGet(const Args&) {
    return answerPair(readAzAlt(), true, true);
}

VtmServer::MethodRet VtmServer::RightAscensionGet(const Args&) {
    return answerPair(readRaDec(), true, false);
}

VtmServer::MethodRet VtmServer::DeclinationGet(const Args&) {
    return answerPair(readRaDec(), false, true);
}

VtmServer::MethodRet VtmServer::RightAscensionDeclinationGet(const Args&) {
    return answerPair(readRaDec(), true, true);
}

VtmServer::MethodRet VtmServer::TargetRightAscensionGet(const Args&) {
    if (!m_targetRa.hasValue())
        return refused("InvalidOperation");
    return okDouble(radToHours(m_targetRa.value()));
}

VtmServer::MethodRet VtmServer::TargetRightAscensionSet(const Args& args) {
    if (!argsAre(args, "d"))
        return refused("Error");
    // Any right ascension is kept as sent; the mount reduces it to the circle.
    m_targetRa = hoursToRad(args[0].toDouble());
    return ok();
}

VtmServer::MethodRet VtmServer::TargetDeclinationGet(const Args&) {
    if (!m_targetDec.hasValue())
        return refused("InvalidOperation");
    return okDouble(m_targetDec.value() * kRadToDeg);
}

VtmServer::MethodRet VtmServer::TargetDeclinationSet(const Args& args) {
    if (!argsAre(args, "d"))
        return refused("Error");
    // A declination beyond a pole names no place; kept, it would reach the mount through the
    // target slew and sync, which do not check it again.
    const double dec = args[0].toDouble();
    if (!inRange(dec, -90.0, 90.0))
        return refused("InvalidValue");
    m_targetDec = dec * kDeg;
    return ok();
}

VtmServer::MethodRet VtmServer::AbortSlew(const Args&) {
    IMount* mount = requestMount();
    if (mount->parked())
        return refused("InvalidOperation");
    mount->abortSlewAsync();
    return ok();
}

VtmServer::MethodRet VtmServer::MoveAxis(const Args& args) {
    if (!argsAre(args, "id"))
        return refused("Error");
    const unsigned axis = unsigned(args[0].toInt());
    const double rate = args[1].toDouble();
    if (axis >= 2 || std::abs(rate) > kMaxMoveRateDps)
        return refused("InvalidValue");
    IMount* mount = requestMount();
    if (mount->parked())
        return refused("InvalidOperation");
    // A rate of 0 is a stop, which the end wants as much as the client.
    const EndingState::Admission admission(rate != 0 ? m_ending.get() : nullptr);
    if (!admission)
        return refusedWhileEnding();
    mount->slewAxisAsyncFlagged(axis, rate * kDeg);
    return ok();
}

VtmServer::MethodRet VtmServer::startGoTo(const std::function<MountTarget()>& target) {
    IMount* mount = requestMount();
    if (mount->parked())
        return refused("InvalidOperation");
    if (m_ending && m_ending->ending())
        return refusedWhileEnding();
    // Asked before anything moves, so that a refused target leaves the running GoTo alone.
    const MountTarget goal = target();
    if (!m_goToLimits) {
        Log("remote method server: GoTo refused, no limits to check it against");
        return refused("Error");
    }
    const auto prohibition = remoteGoToProhibition(*m_goToLimits, *m_astroCalc, goal.coord);
    if (prohibition.hasValue()) {
        Log("remote method server: GoTo refused, %s", prohibitionText(prohibition.value()));
        return refused("Error");
    }
    mount->abortSlewAsync();
    std::this_thread::sleep_for(kGoToPause);
    // Asked again: the end may have begun during the pause, which no admission may span.
    const EndingState::Admission admission(m_ending.get());
    if (!admission)
        return refusedWhileEnding();
    return mount->slewToAsync(goal) ? ok() : refused("Error");
}

VtmServer::MethodRet VtmServer::slewToRaDec(AnglePair raDec, bool j2000) {
    return startGoTo([&] {
        U_ASTRO_COORD coord{raDec.first, raDec.second,
                            j2000 ? CoordType::RDJ2000 : CoordType::RDJNow};
        if (j2000)
            coord = m_astroCalc->convertNow(coord, CoordType::RDJNow);
        return MountTarget{"Target", coord, 0};
    });
}

VtmServer::MethodRet VtmServer::SlewToAltAzAsync(const Args& args) {
    if (!argsAre(args, "dd"))
        return refused("Error");
    const double az = args[0].toDouble(), alt = args[1].toDouble();
    if (!azAltInRange(az, alt))
        return refused("InvalidValue");
    return startGoTo([&] {
        return MountTarget{"", U_ASTRO_COORD{az * kDeg, alt * kDeg, CoordType::AZObsv}, 0};
    });
}

VtmServer::MethodRet VtmServer::SlewToCoordinatesAsync(const Args& args) {
    // The only method with a choice of counts: an optional J2000 flag, further ones ignored.
    if (args.size() < 2 || !args[0].isDouble() || !args[1].isDouble())
        return refused("Error");
    const double ra = args[0].toDouble(), dec = args[1].toDouble();
    if (!raDecInRange(ra, dec))
        return refused("InvalidValue");
    if (args.size() > 2 && !args[2].isInt())
        return refused("Error");
    const bool j2000 = args.size() > 2 && args[2].toInt() != 0;
    // Kept as sent, before any conversion, and also when the GoTo is refused.
    m_targetRa = hoursToRad(ra);
    m_targetDec = dec * kDeg;
    return slewToRaDec({m_targetRa.value(), m_targetDec.value()}, j2000);
}

VtmServer::MethodRet VtmServer::SlewToTargetAsync(const Args&) {
    if (!m_targetRa.hasValue() || !m_targetDec.hasValue())
        return refused("InvalidOperation");
    return slewToRaDec({m_targetRa.value(), m_targetDec.value()}, false);
}

VtmServer::MethodRet VtmServer::syncToObserved(AnglePair haDec) {
    IMount* mount = requestMount();
    if (mount->parked())
        return refused("InvalidOperation");
    if (!m_alignerHelper->alignWithSyncTo())
        return fromCmdRet(mount->addPaePoint(
            kSyncName, U_ASTRO_COORD{haDec.first, haDec.second, CoordType::HDObsv}));
    const CmdResp<AnglePair> axes = mount->readAxisPositions();
    if (!axes.isOk())
        return silence();
    const ALIGNMENT_PAIR star{haDec.first, haDec.second, axes.value().first, axes.value().second};
    return m_alignerHelper->sequentialAlign(kSyncName, star) ? ok() : refused("InvalidValue");
}

namespace {

std::pair<double, double> convertPair(const IAstroCalc& calc, double a, double b, CoordType from,
                                      CoordType to) {
    const U_ASTRO_COORD out = calc.convertNow(U_ASTRO_COORD{a, b, from}, to);
    return {out.a, out.b};
}

} // namespace

VtmServer::MethodRet VtmServer::SyncToAltAz(const Args& args) {
    if (!argsAre(args, "dd"))
        return refused("Error");
    const double az = args[0].toDouble(), alt = args[1].toDouble();
    if (!azAltInRange(az, alt))
        return refused("InvalidValue");
    return syncToObserved(
        convertPair(*m_astroCalc, az * kDeg, alt * kDeg, CoordType::AZObsv, CoordType::HDObsv));
}

VtmServer::MethodRet VtmServer::SyncToCoordinates(const Args& args) {
    if (!argsAre(args, "dd"))
        return refused("Error");
    const double ra = args[0].toDouble(), dec = args[1].toDouble();
    if (!raDecInRange(ra, dec))
        return refused("InvalidValue");
    m_targetRa = hoursToRad(ra);
    m_targetDec = dec * kDeg;
    return SyncToTarget({});
}

VtmServer::MethodRet VtmServer::SyncToTarget(const Args&) {
    if (!m_targetRa.hasValue() || !m_targetDec.hasValue())
        return refused("InvalidOperation");
    return syncToObserved(convertPair(*m_astroCalc, m_targetRa.value(), m_targetDec.value(),
                                      CoordType::RDJNow, CoordType::HDObsv));
}

VtmServer::MethodRet VtmServer::Park(const Args&) {
    IMount* mount = requestMount();
    if (mount->parked())
        return ok();
    const EndingState::Admission admission(m_ending.get());
    if (!admission)
        return refusedWhileEnding();
    mount->parkAsync(false);
    return ok();
}

VtmServer::MethodRet VtmServer::Unpark(const Args&) {
    IMount* mount = requestMount();
    // Nothing to unpark is not a failure; a failed unpark is one, whatever its kind.
    if (!mount->parked())
        return ok();
    return fromCmdRet(mount->unparkNow());
}

VtmServer::MethodRet VtmServer::SetPark(const Args&) {
    const CmdResp<AnglePair> axes = requestMount()->readAxisPositions();
    if (!axes.isOk())
        return silence();
    m_parkAxisPositions = axes.value();
    return ok();
}

VtmServer::MethodRet VtmServer::SideOfPierGet(const Args&) {
    const CmdResp<bool> side = requestMount()->sideOfPier();
    if (!side.isOk())
        return silence();
    return okInt(side.value() ? 1 : 0);
}

VtmServer::MethodRet VtmServer::SideOfPierSet(const Args& args) {
    if (!argsAre(args, "i"))
        return refused("Error");
    // The mount takes every side but 1 as the flipped one: an unknown side would start a
    // meridian flip.
    const int side = args[0].toInt();
    if (side != 0 && side != 1)
        return refused("InvalidValue");
    IMount* mount = requestMount();
    // An altitude-azimuth mount has no pier side to change.
    if (mount->mountMode() == MountMode_::AZ)
        return ok();
    if (m_ending && m_ending->ending())
        return refusedWhileEnding();
    // A change of side is a meridian flip, a GoTo. The mount's setSideOfPier reads the side and
    // starts the GoTo in one call: the read waits on the link, which no admission may span, and
    // a GoTo started after it unadmitted could start once the end had begun, answered Ok but
    // cut off with the program. So the side is read first, and only the hand-over is admitted.
    const CmdResp<bool> normalSide = mount->sideOfPier();
    if (!normalSide.isOk())
        return refused("Error");
    if (normalSide.value() == (side == 1))
        return ok();
    const EndingState::Admission admission(m_ending.get());
    if (!admission)
        return refusedWhileEnding();
    mount->setFlippingMode(side == 1 ? FlippingMode_::No : FlippingMode_::Yes);
    // The same place, approached from the other side of the pier, as the read just left it: a
    // tracking mount goes back to the star it held and tracks on at its rate, a mount at rest
    // holds its hour angle and stays at rest.
    const AnglePair sky = mount->lastPosition();
    MountTarget target;
    target.coord = U_ASTRO_COORD{sky.first, sky.second, CoordType::HDObsv};
    target.kind = uint32_t(TrackingRate::Sidereal);
    if (mount->trackingEnabled()) {
        target.coord = m_astroCalc->convertNow(target.coord, CoordType::RDJNow);
        const Nullable<TrackingRate> rate = mount->trackingRate();
        if (rate.hasValue())
            target.kind = uint32_t(rate.value());
    }
    return mount->slewToAsync(target) ? ok() : refused("Error");
}

VtmServer::MethodRet VtmServer::DestinationSideOfPier(const Args& args) {
    if (!argsAre(args, "dd"))
        return refused("Error");
    const double ra = args[0].toDouble(), dec = args[1].toDouble();
    if (!raDecInRange(ra, dec))
        return refused("InvalidValue");
    return okInt(requestMount()->destinationSideOfPier({hoursToRad(ra), dec * kDeg}) ? 1 : 0);
}

VtmServer::MethodRet VtmServer::PulseGuide(const Args& args) {
    if (!argsAre(args, "ii"))
        return refused("Error");
    const unsigned direction = unsigned(args[0].toInt());
    const int durationMs = args[1].toInt();
    if (direction >= 4)
        return refused("Error");
    // A negative duration has no meaning to the mount's guide timer.
    if (durationMs < 0)
        return refused("InvalidValue");
    IMount* mount = requestMount();
    if (mount->parked())
        return refused("InvalidOperation");
    const EndingState::Admission admission(m_ending.get());
    if (!admission)
        return refusedWhileEnding();
    // 0 and 1 move declination (axis 2), 2 and 3 right ascension; even directions are positive.
    const AXISID axis = direction < 2 ? 1 : 0;
    mount->pulseGuideAxisAsync(axis, direction % 2 == 0, durationMs);
    return ok();
}

VtmServer::MethodRet VtmServer::TrackTrailPointsStatusGet(const Args&) {
    const Nullable<TrailPointsTaskInfo> info = requestMount()->trailPointsTaskInfo();
    if (!info.hasValue())
        return refused("InvalidOperation");
    if (!info.value().cmdRet.hasValue())
        return okInt(0);
    switch (info.value().cmdRet.value().type) {
    case CmdRetType_::Ok:
        return okInt(1);
    case CmdRetType_::Cancel:
        return okInt(2);
    default:
        return refused("Error");
    }
}

VtmServer::MethodRet VtmServer::StopTrackingTrailPoints(const Args&) {
    IMount* mount = requestMount();
    if (mount->trailPointsTracking())
        mount->abortSlewAsync();
    return ok();
}

VtmServer::MethodRet VtmServer::TrailPointsTestRunCountDownSet(const Args& args) {
    IMount* mount = requestMount();
    if (!mount->canTrackTrailPoints())
        return refused("Unimplemented");
    if (!argsAre(args, "i"))
        return refused("Error");
    const int count = args[0].toInt();
    if (count < 0)
        return refused("Error");
    mount->setTrailPointsTestRunCountDown(uint32_t(count));
    return ok();
}

VtmServer::MethodRet VtmServer::AddTrailPointsOffset(const Args& args) {
    IMount* mount = requestMount();
    if (!mount->canTrackTrailPoints())
        return refused("Unimplemented");
    if (!argsAre(args, "dd"))
        return refused("Error");
    const CmdResp<AnglePair> offset =
        mount->addTrailPointsOffset(args[0].toDouble() * kDeg, args[1].toDouble() * kDeg);
    if (!offset.isOk())
        return silence();
    return ok({VtmArgument::fromDouble(offset.value().first * kRadToDeg).text,
               VtmArgument::fromDouble(offset.value().second * kRadToDeg).text});
}

VtmServer::MethodRet VtmServer::KoMountClockGet(const Args&) {
    const CmdResp<uint64_t> clock = requestMount()->readMountClock();
    if (!clock.isOk())
        return silence();
    return ok({VtmArgument::fromLong(int64_t(clock.value())).text});
}

VtmServer::MethodRet VtmServer::SyncKoMountClock(const Args&) {
    return requestMount()->syncMountClock() == CmdRetType_::Ok ? ok() : silence();
}

} // namespace Ko
