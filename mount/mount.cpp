#include "mount/mount.h"

#include "astro/iastrocalc.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/ishortmessagesink.h"
#include "base/koassert.h"
#include "base/log.h"
#include "base/threadpool.h"
#include "link/ikomcommand.h"
#include "link/imountaxis.h"
#include "link/mountaxistimecontainer.h"
#include "model/ialignment.h"
#include "model/ipae.h"
#include "model/ipermountdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/iparkdataoption.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/imounttask.h"
#include "mount/tasks/imounttaskfactory.h"
#include "mount/tasks/imounttaskmanager.h"

#include <QPromise>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace Ko {

namespace {

bool claimsAxis(const IMountTask& task, AXISID axis) {
    return task.resources().count(static_cast<int>(axisSlot(axis))) > 0;
}

AXISID otherAxis(AXISID axis) {
    return axisSlot(axis) == 0 ? 1 : 0;
}

// An operation of the connection's preparation, park, home, guiding, trail points or pier side:
// those come with the connection session and are not part of this mount yet.
[[noreturn]] void notAvailable(const char* operation) {
    throw std::logic_error(std::string("Mount: ") + operation + " not available");
}

} // namespace

Mount::Mount(MountMode_::E mode, std::shared_ptr<IKoConverser> converser,
             std::shared_ptr<IKoDevice> device, std::shared_ptr<IMountAxis> axis,
             std::shared_ptr<MountAxisTimeContainer> axisTimes,
             std::shared_ptr<IAlignment> alignment, std::shared_ptr<IMountTaskManager> taskManager,
             std::shared_ptr<IMountTaskFactory> taskFactory,
             std::shared_ptr<IMountTask> positionReadTask, std::shared_ptr<IAstroCalc> astroCalc,
             std::shared_ptr<AltRange> altRange, std::shared_ptr<SlewToSettings> slewToSettings,
             std::shared_ptr<SlewToTargetMAContainer> slewToTargets,
             std::shared_ptr<IKoMCommand> command, std::shared_ptr<AppCore> appCore,
             std::shared_ptr<IPerMountData> perMountData,
             std::shared_ptr<IShortMessageSink> messageSink,
             std::shared_ptr<IParkDataOption> parkDataOption, std::shared_ptr<IPAE> pae,
             std::shared_ptr<IClock> clock)
    : m_mode(mode), m_converser(std::move(converser)), m_device(std::move(device)),
      m_axis(std::move(axis)), m_axisTimes(std::move(axisTimes)), m_alignment(std::move(alignment)),
      m_taskManager(std::move(taskManager)), m_taskFactory(std::move(taskFactory)),
      m_positionReadTask(std::move(positionReadTask)), m_astroCalc(std::move(astroCalc)),
      m_altRange(std::move(altRange)), m_slewToSettings(std::move(slewToSettings)),
      m_slewToTargets(std::move(slewToTargets)), m_command(std::move(command)),
      m_appCore(std::move(appCore)), m_perMountData(std::move(perMountData)),
      m_messageSink(std::move(messageSink)), m_parkDataOption(std::move(parkDataOption)),
      m_pae(std::move(pae)), m_clock(std::move(clock)),
      m_axisTimesSubscription(m_axisTimes, &MountAxisTimeContainer::changed),
      m_slewToTargetsSubscription(m_slewToTargets, &SlewToTargetMAContainer::changed),
      m_tasksSubscription(m_taskManager, &IMountTaskManager::tasksChanged),
      m_workerPool(std::make_unique<ThreadPool>(1)) {
    KO_ASSERT(m_device && m_axis && m_axisTimes && m_taskManager && m_taskFactory &&
              m_positionReadTask && m_astroCalc && m_altRange && m_slewToTargets && m_pae);

    // Every reading is a position change; during a GoTo also a change of its remaining distance.
    m_axisTimesSubscription.append([this] {
        emit positionChanged();
        bool duringGoto = false;
        {
            std::lock_guard lock(m_mutex);
            duringGoto = m_slewToTarget.hasValue();
        }
        if (duringGoto)
            slewToStateChanged();
    });
    m_slewToTargetsSubscription.append([this] { slewToStateChanged(); });
    // Any start or end of a task may change whether tracking really runs.
    m_tasksSubscription.append([this] { emit realTrackingChanged(); });
    if (m_alignment) {
        m_alignmentSubscription.bind(std::shared_ptr<eventpp::CallbackList<void()>>(
            m_alignment, &m_alignment->flippingModeChanged));
        m_alignmentSubscription.append([this] { emit flippingModeChanged(); });
    }
    if (m_command) {
        m_ppecTrainingSubscription.bind(std::shared_ptr<eventpp::CallbackList<void()>>(
            m_command, &m_command->ppecTrainingChanged));
        m_ppecTrainingSubscription.append([this] { emit lastPpecTrainingChanged(); });
        m_ppecPlaybackSubscription.bind(std::shared_ptr<eventpp::CallbackList<void()>>(
            m_command, &m_command->ppecPlaybackChanged));
        m_ppecPlaybackSubscription.append([this] { emit lastPpecPlaybackChanged(); });
    }
}

Mount::~Mount() {
    // Running tasks are cancelled first; their callbacks find no mount any more.
    m_taskManager->shutdown();
    // Queued operations use the mount directly: they all run before anything goes.
    m_workerPool.reset();
    m_alignmentSubscription.removeAll();
    m_ppecPlaybackSubscription.removeAll();
    m_ppecTrainingSubscription.removeAll();
    m_tasksSubscription.removeAll();
    m_slewToTargetsSubscription.removeAll();
    m_axisTimesSubscription.removeAll();
}

void Mount::destroyOnOwnThread(Mount* mount) {
    QThread* home = mount->thread();
    if (!home || home == QThread::currentThread() || home->isFinished()) {
        delete mount;
        return;
    }
    // A task or worker thread let go of the last reference: the destructor joins the worker and
    // waits for the task threads, so it runs where the mount lives.
    QMetaObject::invokeMethod(
        mount, [mount] { delete mount; }, Qt::QueuedConnection);
}

IAlignment* Mount::alignment() const {
    return m_alignment.get();
}

void Mount::init(std::shared_ptr<IMount> self) {
    auto cast = std::dynamic_pointer_cast<Mount>(self);
    KO_ASSERT(cast.get() == this);
    std::lock_guard lock(m_mutex);
    m_weakSelf = self;
}

MountMode_::E Mount::mountMode() const {
    return m_mode;
}

uint32_t Mount::motorControllerVersion(AXISID axis) const {
    return m_device->version(axis);
}

// --- Position reading -------------------------------------------------------------------------

IMount::AnglePair Mount::axisPositions() const {
    return {m_axis->lastPosition(0).angle, m_axis->lastPosition(1).angle};
}

IMount::AnglePair Mount::lastPosition() const {
    if (!m_alignment)
        throw std::logic_error("Read null Nullable");
    return m_pae->lookupShifted(m_alignment->axesToSky(axisPositions()));
}

QFuture<CmdRet> Mount::readPositionAsync() {
    auto promise = std::make_shared<QPromise<CmdRet>>();
    QFuture<CmdRet> future = promise->future();
    promise->start();
    // Holds the axes, not the mount: a read still running when the mount goes stays valid.
    QThreadPool::globalInstance()->start([promise, axis = m_axis] {
        promise->addResult(axis->readPositions().cmdRet());
        promise->finish();
    });
    return future;
}

CmdResp<IMount::AnglePair> Mount::readAxisPositions() {
    return m_axis->readPositions();
}

CmdResp<IMount::AnglePair> Mount::readPosition() {
    const auto r = readAxisPositions();
    if (!r.isOk())
        return CmdResp<AnglePair>(r.type);
    return CmdResp<AnglePair>::ok(lastPosition());
}

bool Mount::positionUpdating() const {
    std::lock_guard lock(m_mutex);
    return m_positionUpdating;
}

void Mount::setPositionUpdating(bool on) {
    std::lock_guard lock(m_mutex);
    m_positionUpdating = on;
    updatePeriodicPositionRead();
}

void Mount::updatePeriodicPositionRead() {
    std::lock_guard lock(m_mutex);
    const bool wanted = m_positionUpdating || m_slewToRunning;
    // A read task that was cancelled keeps its tag until its thread is done: it no longer counts,
    // so asking again at once starts a new one instead of leaving the mount without readings.
    const bool running =
        m_positionReadHandle && tag(MountResource::PositionReading) == MountTaskTag::PositionRead;
    if (wanted == running)
        return;
    if (wanted) {
        m_positionReadHandle = startTaskLocked(m_positionReadTask);
    } else {
        m_positionReadHandle->cancel();
        m_positionReadHandle.reset();
    }
}

CmdRetType_::E Mount::setAxisPositions(double axis1, double axis2) {
    const auto r = m_axis->setPosition(0, axis1);
    if (r != CmdRetType_::Ok)
        return r;
    return m_axis->setPosition(1, axis2);
}

CmdRetType_::E Mount::setAxisPosition(AXISID axis, double angle) {
    return m_axis->setPosition(axis, angle);
}

CmdRetType_::E Mount::syncPosition(double a, double b) {
    if (!m_alignment)
        throw std::logic_error("Read null Nullable");
    const auto axes = m_alignment->skyToAxes({a, b}, {0.0, 0.0});
    return setAxisPositions(axes.first, axes.second);
}

CmdRetType_::E Mount::addPaePoint(std::string name, U_ASTRO_COORD target) {
    const auto r = readAxisPositions();
    if (!r.isOk())
        return r.type;
    const auto t = m_astroCalc->convertNow(target, CoordType::HDObsv);
    if (!m_alignment)
        throw std::logic_error("Read null Nullable");
    const auto measured = m_alignment->axesToSky(r.value());
    m_pae->add(std::move(name), t.a, t.b, measured.first, measured.second);
    return CmdRetType_::Ok;
}

// --- GoTo -------------------------------------------------------------------------------------

Nullable<MountTarget> Mount::slewToTarget() const {
    std::lock_guard lock(m_mutex);
    return m_slewToTarget;
}

Nullable<double> Mount::remainingSlewAngle() const {
    const auto target = m_slewToTargets->target();
    if (!target.hasValue())
        return {};
    return m_astroCalc->angularSeparation(target.value(), axisPositions());
}

bool Mount::slewToAsync(const MountTarget& target) {
    KO_ASSERT(target.coord.type != CoordType::HDTrue && target.coord.type != CoordType::AZTrue &&
              target.coord.type != CoordType::HDMount);
    // A target that is not a number would send the axes nowhere, for ever.
    if (!std::isfinite(target.coord.a) || !std::isfinite(target.coord.b))
        return false;
    if (target.coord.type != CoordType::MountAxes) {
        const double alt = m_astroCalc->convertNow(target.coord, CoordType::AZObsv).b;
        // Inclusive at both ends; a NaN altitude fails both comparisons.
        if (!(alt >= m_altRange->minAlt() && alt <= m_altRange->maxAlt()))
            return false;
    }

    std::lock_guard lock(m_mutex);
    auto task = m_taskFactory->createSlewToTask(target.coord);
    GotoTicket ticket;
    ticket.number = ++m_lastGotoTicket;
    for (AXISID axis : {0u, 1u})
        ticket.axisClaims[axis] = m_axisClaims[axis] + (claimsAxis(*task, axis) ? 1 : 0);
    claimFinishSubscribers(ticket.number);
    std::weak_ptr<IMount> weak = m_weakSelf;
    startTaskLocked(
        std::move(task),
        [weak, ticket, target] {
            if (auto self = weak.lock())
                static_cast<Mount*>(self.get())->onSlewToStarted(ticket, target);
        },
        [weak, ticket, target](CmdRet ret) {
            if (auto self = weak.lock())
                static_cast<Mount*>(self.get())->onSlewToFinished(ticket, target, ret);
        });
    return true;
}

void Mount::onSlewToStarted(const GotoTicket& ticket, const MountTarget& target) {
    {
        std::lock_guard lock(m_mutex);
        m_runningGotoTicket = ticket.number;
        m_slewToRunning = true;
        updatePeriodicPositionRead();
        m_slewToTarget = target;
    }
    m_slewToTargets->setTarget({});
    m_slewToTargets->changed();
    slewToStateChanged();
}

void Mount::onSlewToFinished(const GotoTicket& ticket, const MountTarget& target, CmdRet ret) {
    bool ownsState = false;
    {
        std::lock_guard lock(m_mutex);
        // A side forced for a newer GoTo stays until that GoTo ends.
        if (ticket.number == m_lastGotoTicket && m_alignment)
            m_alignment->setFlippingMode(FlippingMode_::Auto);
        if (m_runningGotoTicket == ticket.number) {
            ownsState = true;
            m_runningGotoTicket = 0;
            m_slewToRunning = false;
            updatePeriodicPositionRead();
            m_slewToTarget.reset();
        }
    }
    if (ownsState) {
        m_slewToTargets->setTarget({});
        m_slewToTargets->changed();
        slewToStateChanged();
    }
    fireSlewToFinished(ticket.number, ret);

    const bool equatorial =
        target.coord.type == CoordType::RDJ2000 || target.coord.type == CoordType::RDJNow;
    if (ret.isOk()) {
        if (equatorial)
            setTrackingRate(static_cast<TrackingRate>(target.kind));
        setTrackingEnabled(equatorial);
    }
    {
        std::lock_guard lock(m_mutex);
        // An axis that a newer task has claimed since this GoTo started belongs to that task.
        for (AXISID axis : {0u, 1u}) {
            if (m_axisClaims[axis] == ticket.axisClaims[axis])
                stopAxisOrResumeTrackingLocked(axis);
        }
    }
    if (ret.isOk()) {
        {
            std::lock_guard lock(m_mutex);
            m_axisSlewFlag = {true, true};
        }
        axisSlewStateChanged();
    }
}

void Mount::claimFinishSubscribers(uint64_t ticket) {
    std::lock_guard lock(m_mutex);
    auto& mine = m_finishClaims[ticket];
    for (const auto& h : slewToFinished.handles()) {
        const bool taken = std::any_of(m_finishClaims.begin(), m_finishClaims.end(), [&](auto& c) {
            return std::find(c.second.begin(), c.second.end(), h) != c.second.end();
        });
        if (!taken)
            mine.push_back(h);
    }
}

void Mount::fireSlewToFinished(uint64_t ticket, CmdRet ret) {
    std::vector<eventpp::CallbackList<void(CmdRet)>::Handle> due;
    {
        std::lock_guard lock(m_mutex);
        std::vector<eventpp::CallbackList<void(CmdRet)>::Handle> later;
        for (auto it = m_finishClaims.begin(); it != m_finishClaims.end();) {
            // A GoTo that never ran (replaced while it waited) leaves its subscribers to the
            // next one that ends.
            if (it->first <= ticket) {
                it = m_finishClaims.erase(it);
            } else {
                later.insert(later.end(), it->second.begin(), it->second.end());
                ++it;
            }
        }
        for (const auto& h : slewToFinished.handles()) {
            if (std::find(later.begin(), later.end(), h) == later.end())
                due.push_back(h);
        }
    }
    // One-shot: each is removed once called; one appended meanwhile waits for the next GoTo.
    for (const auto& h : due) {
        slewToFinished.call(h, ret);
        slewToFinished.remove(h);
    }
}

void Mount::abortSlewAsync() {
    {
        std::lock_guard lock(m_mutex);
        m_axisSlewState = {0, 0};
    }
    if (tag(MountResource::Axis1) == MountTaskTag::TrailPoints && m_command &&
        m_command->supportsExtended())
        m_workerPool->enqueue([this] { m_command->stopExtendedMotion(); });
    std::lock_guard lock(m_mutex);
    stopAxisOrResumeTrackingLocked(0);
    stopAxisOrResumeTrackingLocked(1);
}

// --- Axis slews, stop and tracking ------------------------------------------------------------

void Mount::stopAxisAsync(AXISID axis) {
    slewAxisAsync(axis, 0.0);
}

void Mount::slewAxisAsync(AXISID axis, double rate) {
    slewAxisAsync_(axis, rate, false);
}

void Mount::slewAxisAsyncFlagged(AXISID axis, double rate) {
    slewAxisAsync_(axis, rate, true);
}

int32_t Mount::axisSlewState(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axisSlewState[axisSlot(axis)];
}

bool Mount::axisSlewFlag(AXISID axis) const {
    std::lock_guard lock(m_mutex);
    return m_axisSlewFlag[axisSlot(axis)];
}

void Mount::slewAxisAsync_(AXISID axis, double rate, bool flag) {
    // A rate that is not a number has no direction and no end: the axis keeps what it does.
    if (std::isnan(rate)) {
        Log("Axis slew with a rate that is not a number ignored");
        return;
    }
    if (trailPointsTracking()) {
        {
            std::lock_guard lock(m_mutex);
            m_axisSlewState[axisSlot(axis)] = rate > 0 ? 1 : (rate < 0 ? -1 : 0);
        }
        // The trail-points task keeps the axes; the rate only nudges the axis along the path.
        m_workerPool->enqueue([this, axis, rate] {
            if (m_axis->slewAtRate(axis, rate) == CmdRetType_::Ok)
                m_axis->assumeRate(axis, rate);
        });
        return;
    }
    startAxisSlew(axis, flag, rate);
}

void Mount::startAxisSlew(AXISID axis, bool flag, double rate) {
    const int32_t state = rate > 0 ? 1 : (rate < 0 ? -1 : 0);
    {
        std::lock_guard lock(m_mutex);
        m_axisSlewState[axisSlot(axis)] = state;
        if (state != 0)
            m_axisSlewFlag[axisSlot(axis)] = rate > 0;
    }
    if (state != 0)
        axisSlewStateChanged();
    if (rate == 0.0) {
        stopAxisOrResumeTracking(axis);
        return;
    }
    std::lock_guard lock(m_mutex);
    startTaskLocked(m_taskFactory->createAxisSlewTask(axis, flag, rate));
}

void Mount::stopAxisOrResumeTracking(AXISID axis) {
    std::lock_guard lock(m_mutex);
    stopAxisOrResumeTrackingLocked(axis);
}

void Mount::stopAxisOrResumeTrackingLocked(AXISID axis) {
    if (m_mode == MountMode_::AZ) {
        const uint32_t t = tag(static_cast<int>(axisSlot(otherAxis(axis))));
        if (m_trackingEnabled && (t == MountTaskTag::Tracking || t == MountTaskTag::AxisStop))
            startTrackingLocked();
        else
            startAxisStopLocked(axis);
        return;
    }
    if (m_trackingEnabled && axisSlot(axis) == 0)
        startTrackingLocked();
    else
        startAxisStopLocked(axis);
}

void Mount::applyTracking() {
    {
        std::lock_guard lock(m_mutex);
        const uint32_t t1 = tag(MountResource::Axis1);
        const uint32_t t2 = tag(MountResource::Axis2);
        const bool changed = !(m_trackingChoice == m_trackingInForce);
        if (!m_trackingEnabled) {
            if (t1 == MountTaskTag::Tracking)
                startAxisStopLocked(0);
            if (t2 == MountTaskTag::Tracking && m_mode == MountMode_::AZ)
                startAxisStopLocked(1);
        } else if (m_mode == MountMode_::EQ) {
            if (t1 == MountTaskTag::AxisStop || (t1 == MountTaskTag::Tracking && changed))
                startTrackingLocked();
        } else {
            const bool bothStopped = t1 == MountTaskTag::AxisStop && t2 == MountTaskTag::AxisStop;
            const bool bothTracking = t1 == MountTaskTag::Tracking && t2 == MountTaskTag::Tracking;
            if (bothStopped || (bothTracking && changed))
                startTrackingLocked();
        }
    }
    trackingStateChanged();
}

void Mount::startTrackingLocked() {
    m_trackingInForce = m_trackingChoice;
    startTaskLocked(
        m_taskFactory->createTrackingTask(m_mode, m_trackingChoice.rate, m_trackingChoice.target));
}

void Mount::startAxisStopLocked(AXISID axis) {
    startTaskLocked(m_taskFactory->createAxisStopTask(axis));
}

std::shared_ptr<ICanceller> Mount::startTaskLocked(std::shared_ptr<IMountTask> task,
                                                   std::function<void()> onStarted,
                                                   TaskCallback onFinished) {
    for (AXISID axis : {0u, 1u}) {
        if (claimsAxis(*task, axis))
            ++m_axisClaims[axis];
    }
    return m_taskManager->start(std::move(task), std::move(onStarted), std::move(onFinished));
}

uint32_t Mount::tag(int resource) const {
    return m_taskManager->taskType(resource);
}

bool Mount::realTracking() {
    return tag(MountResource::Axis1) == MountTaskTag::Tracking ||
           tag(MountResource::Axis2) == MountTaskTag::Tracking;
}

bool Mount::trackingEnabled() const {
    std::lock_guard lock(m_mutex);
    return m_trackingEnabled;
}

void Mount::setTrackingEnabled(bool on) {
    {
        std::lock_guard lock(m_mutex);
        m_trackingEnabled = on;
    }
    applyTracking();
}

Nullable<TrackingRate> Mount::trackingRate() const {
    std::lock_guard lock(m_mutex);
    return m_trackingChoice.rate;
}

void Mount::setTrackingRate(TrackingRate rate) {
    {
        std::lock_guard lock(m_mutex);
        m_trackingChoice.rate = rate;
        m_trackingChoice.target.reset();
    }
    applyTracking();
}

bool Mount::isAZ() const {
    return m_mode == MountMode_::AZ;
}

Nullable<MountTarget> Mount::trackingTarget() const {
    std::lock_guard lock(m_mutex);
    return m_trackingChoice.target;
}

void Mount::setTrackingTarget(const MountTarget& target) {
    if (!isAZ())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_trackingChoice.rate.reset();
        m_trackingChoice.target = target;
    }
    applyTracking();
}

FlippingMode_::E Mount::flippingMode() const {
    return m_alignment ? m_alignment->flippingMode() : FlippingMode_::Auto;
}

void Mount::setFlippingMode(FlippingMode_::E mode) {
    if (m_alignment)
        m_alignment->setFlippingMode(mode);
}

// --- Controller features ----------------------------------------------------------------------

bool Mount::setCameraShutter(bool on) {
    return m_device->setAuxSwitch(on) == CmdRetType_::Ok;
}

bool Mount::hasDualEncoders() const {
    return (m_device->features() & DeviceFeatures::DualEncodersBit) != 0;
}

bool Mount::lastEnableDualEncoders() const {
    return m_command &&
           (m_command->lastEnableDualEncoders(0) || m_command->lastEnableDualEncoders(1));
}

void Mount::setEnableDualEncodersAsync(bool on) {
    if (!m_command)
        return;
    m_workerPool->enqueue([this, on] {
        if (m_command->setEnableDualEncoders(0, on) == CmdRetType_::Ok)
            m_command->setEnableDualEncoders(1, on);
    });
}

bool Mount::hasPolarScopeLED() const {
    return (m_device->features() & DeviceFeatures::PolarScopeLedBit) != 0;
}

void Mount::setGuidingSpeed(bool isAxis1, GuidingSpeed_::E speed) {
    const AXISID axis = isAxis1 ? 0 : 1;
    if (m_command)
        m_command->setGuidingSpeed(axis, speed);
    if (m_appCore)
        m_appCore->setAutoguiderRate(static_cast<int>(axis), speed);
}

void Mount::setPolarLEDBrightness(double brightness) {
    if (m_command)
        m_command->setPolarLEDBrightness(brightness);
}

double Mount::speedFineAdjustmentPrecision() const {
    return m_device->speedResolution();
}

bool Mount::supportsAutoHome() const {
    return m_axis->supportsAutoHome();
}

bool Mount::duringAutoHome() {
    return tag(MountResource::Axis1) == MountTaskTag::AutoHome;
}

bool Mount::supportsPpec() const {
    return m_command && m_command->supportsPpec();
}

bool Mount::lastPpecTraining() const {
    return m_command && m_command->lastPpecTraining();
}

void Mount::updatePpecTrainingAsync() {
    if (m_command)
        m_workerPool->enqueue([this] { m_command->updatePpecTraining(); });
}

void Mount::setPpecTrainingAsync(bool start) {
    if (m_command)
        m_workerPool->enqueue([this, start] { m_command->setPpecTraining(start); });
}

bool Mount::lastPpecPlayback() const {
    return m_command && m_command->lastPpecPlayback();
}

void Mount::updatePpecPlaybackAsync() {
    if (m_command)
        m_workerPool->enqueue([this] { m_command->updatePpecPlayback(); });
}

void Mount::setPpecPlaybackAsync(bool on) {
    if (m_command)
        m_workerPool->enqueue([this, on] { m_command->setPpecPlayback(on); });
}

double Mount::pePeriodSec() const {
    return m_command ? m_command->pePeriodSec() : 0.0;
}

bool Mount::isPulseGuiding() {
    return tag(MountResource::Axis1) == MountTaskTag::PulseGuide ||
           tag(MountResource::Axis2) == MountTaskTag::PulseGuide;
}

bool Mount::canTrackTrailPoints() const {
    return m_device->supportsExtended();
}

void Mount::setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) {
    std::lock_guard lock(m_mutex);
    m_trailPointsTestRunCountDown = countDown;
}

CmdResp<IMount::AnglePair> Mount::addTrailPointsOffset(double axis1, double axis2) {
    if (!m_command)
        return CmdResp<AnglePair>(CmdRetType_::Other);
    return m_command->addPositionOffset({axis1, axis2});
}

bool Mount::trailPointsTracking() {
    return tag(MountResource::Axis1) == MountTaskTag::TrailPoints;
}

Nullable<TrailPointsTaskInfo> Mount::trailPointsTaskInfo() const {
    std::lock_guard lock(m_mutex);
    return m_trailPointsTaskInfo;
}

CmdResp<uint64_t> Mount::readMountClock() {
    if (!m_command)
        return CmdResp<uint64_t>(CmdRetType_::Other);
    return m_command->readMountClock();
}

CmdRetType_::E Mount::syncMountClock() {
    if (!m_command)
        return CmdRetType_::Other;
    return m_command->syncMountClock(m_clock).type;
}

// --- Preparation, park, home, guiding, trail points, pier side ---------------------------------

CmdRetType_::E Mount::prepareAfterConnect() {
    notAvailable("prepareAfterConnect");
}

bool Mount::parked() const {
    return m_perMountData && m_perMountData->parkAxisPositions().hasValue();
}

void Mount::parkAsync(bool) {
    notAvailable("parkAsync");
}

void Mount::unparkAsync() {
    notAvailable("unparkAsync");
}

CmdRetType_::E Mount::unparkNow() {
    notAvailable("unparkNow");
}

void Mount::autoHomeAsync(double) {
    notAvailable("autoHomeAsync");
}

bool Mount::setGuideRate(AXISID, double) {
    notAvailable("setGuideRate");
}

double Mount::guideRate(AXISID) const {
    notAvailable("guideRate");
}

void Mount::pulseGuideAxisAsync(AXISID, bool, int) {
    notAvailable("pulseGuideAxisAsync");
}

void Mount::trackTrailPointsAsync(TrailPointsParam&&) {
    notAvailable("trackTrailPointsAsync");
}

bool Mount::destinationSideOfPier(AnglePair) {
    notAvailable("destinationSideOfPier");
}

CmdResp<bool> Mount::sideOfPier() {
    notAvailable("sideOfPier");
}

CmdRetType_::E Mount::setSideOfPier(int) {
    notAvailable("setSideOfPier");
}

} // namespace Ko
