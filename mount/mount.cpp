#include "mount/mount.h"

#include "astro/iastrocalc.h"
#include "base/backgroundwork.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/ishortmessagesink.h"
#include "base/koassert.h"
#include "base/log.h"
#include "base/threadpool.h"
#include "link/iconverser.h"
#include "link/ikoconverser.h"
#include "link/ikomcommand.h"
#include "link/imountaxis.h"
#include "link/mountaxistimecontainer.h"
#include "model/ialignment.h"
#include "model/ipae.h"
#include "model/ipermountdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/iparkdataoption.h"
#include "mount/linkwatch.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/imounttask.h"
#include "mount/tasks/imounttaskfactory.h"
#include "mount/tasks/imounttaskmanager.h"
#include "mount/tasks/slewtotask.h"
#include "mount/trackingrate.h"

#include <QCoreApplication>
#include <QPromise>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace Ko {

namespace {

bool claimsAxis(const IMountTask& task, AXISID axis) {
    return task.resources().count(static_cast<int>(axisSlot(axis))) > 0;
}

AXISID otherAxis(AXISID axis) {
    return axisSlot(axis) == 0 ? 1 : 0;
}

uint8_t stoppedMotionBit(IMount::StoppedMotion motion) {
    return static_cast<uint8_t>(1u << static_cast<unsigned>(motion));
}

// The motion an axis runs under a task of that tag.
uint8_t stoppedMotionBit(uint32_t tag) {
    switch (tag) {
    case MountTaskTag::SlewTo:
        return stoppedMotionBit(IMount::StoppedMotion::GoTo);
    case MountTaskTag::AxisSlew:
        return stoppedMotionBit(IMount::StoppedMotion::ManualSlew);
    case MountTaskTag::Tracking:
        return stoppedMotionBit(IMount::StoppedMotion::Tracking);
    default:
        return stoppedMotionBit(IMount::StoppedMotion::Other);
    }
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
      m_restartSubscription(m_axis, &IMountAxis::controllerRestarted),
      m_link(m_converser ? m_converser->linkState() : nullptr),
      m_linkSubscription(m_link, &IConverserTimeout::timedoutChangedList),
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
    m_restartSubscription.append([this] { onControllerRestarted(); });
    m_linkSubscription.append([this](bool timedout) {
        emit linkAnsweringChanged();
        if (!timedout)
            recheckSettingsAsync();
    });
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
    std::unique_ptr<ThreadPool> watch;
    {
        std::lock_guard lock(m_mutex);
        watch = std::move(m_linkWatchThread);
    }
    // It sees a restart through the axes' list and may be in the middle of telling it.
    if (watch) {
        m_linkWatchToken->cancel();
        watch.reset();
    }
    // Running tasks are cancelled first; their callbacks find no mount any more.
    m_taskManager->shutdown();
    // Queued operations use the mount directly: they all run before anything goes, and an
    // exchange of theirs that the link answers again queues nothing more.
    {
        std::lock_guard lock(m_workerOpenMutex);
        m_workerOpen = false;
    }
    m_workerPool.reset();
    tellStopLeftPending();
    m_linkSubscription.removeAll();
    m_restartSubscription.removeAll();
    m_alignmentSubscription.removeAll();
    m_ppecPlaybackSubscription.removeAll();
    m_ppecTrainingSubscription.removeAll();
    m_tasksSubscription.removeAll();
    m_slewToTargetsSubscription.removeAll();
    m_axisTimesSubscription.removeAll();
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
    runInBackground("mount position read", [promise, axis = m_axis] {
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

uint64_t Mount::gotoGeneration() const {
    std::lock_guard lock(m_mutex);
    return m_lastGotoTicket;
}

bool Mount::lastGotoArrived() const {
    std::lock_guard lock(m_mutex);
    return m_lastGotoArrived;
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

    {
        std::lock_guard lock(m_mutex);
        auto task = m_taskFactory->createSlewToTask(target.coord);
        GotoTicket ticket;
        ticket.number = ++m_lastGotoTicket;
        for (AXISID axis : {0u, 1u})
            ticket.axisClaims[axis] = m_axisClaims[axis] + (claimsAxis(*task, axis) ? 1 : 0);
        claimFinishSubscribers(ticket.number);
        std::weak_ptr<IMount> weak = m_weakSelf;
        // Set before the manager has the task: no thread runs it yet.
        task->setTakeOverListener([weak, claims = ticket.axisClaims](AXISID axis) {
            if (auto self = weak.lock())
                static_cast<Mount*>(self.get())->onAxisTakenOver(claims, axis);
        });
        // The mount slews from the moment the GoTo is accepted: its target is published before
        // the task waits for the axes, and a GoTo it replaces hands the state straight over.
        const Nullable<MountTarget> replaced = m_slewToTarget;
        const uint64_t replacedTicket = m_publishedGotoTicket;
        const bool arrivedBefore = std::exchange(m_lastGotoArrived, false);
        m_publishedGotoTicket = ticket.number;
        m_slewToTarget = target;
        m_slewToRunning = true;
        updatePeriodicPositionRead();
        try {
            startTaskLocked(
                std::move(task),
                [weak, ticket] {
                    if (auto self = weak.lock())
                        static_cast<Mount*>(self.get())->onSlewToStarted(ticket);
                },
                [weak, ticket, target](CmdRet ret) {
                    if (auto self = weak.lock())
                        static_cast<Mount*>(self.get())->onSlewToFinished(ticket, target, ret);
                });
        } catch (...) {
            // No thread for the task: the GoTo was never under way.
            m_publishedGotoTicket = replacedTicket;
            m_lastGotoArrived = arrivedBefore;
            m_slewToTarget = replaced;
            m_slewToRunning = replacedTicket != 0;
            updatePeriodicPositionRead();
            throw;
        }
    }
    m_slewToTargets->setTarget({});
    m_slewToTargets->changed();
    slewToStateChanged();
    announceEnds();
    return true;
}

void Mount::onSlewToStarted(const GotoTicket& ticket) {
    {
        std::lock_guard lock(m_mutex);
        if (m_publishedGotoTicket != ticket.number)
            return;
    }
    // What a GoTo before this one commanded is no target of this one.
    m_slewToTargets->setTarget({});
    m_slewToTargets->changed();
}

void Mount::onSlewToFinished(const GotoTicket& ticket, const MountTarget& target, CmdRet ret) {
    bool ownsState = false;
    {
        std::lock_guard lock(m_mutex);
        // A side forced for a newer GoTo stays until that GoTo ends.
        if (ticket.number == m_lastGotoTicket && m_alignment)
            m_alignment->setFlippingMode(FlippingMode_::Auto);
        if (m_publishedGotoTicket == ticket.number) {
            ownsState = true;
            m_lastGotoArrived = ret.isOk();
            m_publishedGotoTicket = 0;
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
            if (m_axisClaims[axis] == ticket.axisClaims[axis]) {
                stopAxisOrResumeTrackingLocked(axis);
                // Arrived: the axes were seen at rest on the target, nothing to wait for.
                if (ret.isOk() && clearStopPendingLocked(axis))
                    m_stopPendingUnannounced = true;
            }
        }
    }
    reportGotoFailure(ret);
    if (ret.isOk()) {
        {
            std::lock_guard lock(m_mutex);
            m_axisSlewFlag = {true, true};
        }
        axisSlewStateChanged();
    }
    announceEnds();
}

void Mount::endPublishedGotoLocked() {
    // The GoTo is cancelled if it runs, or dropped unheard if it still waits for its axes: either
    // way it is over now.
    if (m_alignment && m_publishedGotoTicket == m_lastGotoTicket)
        m_alignment->setFlippingMode(FlippingMode_::Auto);
    m_lastGotoArrived = false;
    m_publishedGotoTicket = 0;
    m_slewToRunning = false;
    updatePeriodicPositionRead();
    m_slewToTarget.reset();
    m_gotoEndUnannounced = true;
}

void Mount::endOpenTrailRunLocked(CmdRet ret) {
    if (m_trailPointsTaskInfo.hasValue())
        m_trailPointsTaskInfo.value().cmdRet = ret;
    m_trailRunOpen = false;
    m_trailRunEndUnannounced = true;
}

void Mount::announceEnds() {
    bool gotoEnded = false;
    bool trailRunEnded = false;
    bool slewStateChanged = false;
    bool stopPendingChanged = false;
    bool trackingChanged = false;
    {
        std::lock_guard lock(m_mutex);
        gotoEnded = std::exchange(m_gotoEndUnannounced, false);
        trailRunEnded = std::exchange(m_trailRunEndUnannounced, false);
        slewStateChanged = std::exchange(m_slewStateUnannounced, false);
        stopPendingChanged = std::exchange(m_stopPendingUnannounced, false);
        trackingChanged = std::exchange(m_trackingStateUnannounced, false);
    }
    if (trackingChanged)
        trackingStateChanged();
    if (slewStateChanged)
        axisSlewStateChanged();
    if (stopPendingChanged)
        emit this->stopPendingChanged();
    if (gotoEnded) {
        m_slewToTargets->setTarget({});
        m_slewToTargets->changed();
        slewToStateChanged();
    }
    if (trailRunEnded)
        emit trailPointsTaskChanged();
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
    {
        std::lock_guard lock(m_mutex);
        stopAxisOrResumeTrackingLocked(0);
        stopAxisOrResumeTrackingLocked(1);
    }
    announceEnds();
}

bool Mount::stopOpenEndedMotions() {
    bool stopped = false;
    {
        std::lock_guard lock(m_mutex);
        const bool nudged = trailPointsTracking();
        for (AXISID axis : {0u, 1u}) {
            // The run's path ends by itself; only the nudge a key gave it is open-ended.
            if (nudged) {
                if (std::exchange(m_axisSlewState[axis], 0) != 0) {
                    m_slewStateUnannounced = true;
                    nudgeTrailRun(axis, 0.0);
                }
                continue;
            }
            // An axis keeps the tag of its last task after that task ended, so a slew whose
            // start went unanswered on a silent link is stopped too: it may be running.
            if (tag(static_cast<int>(axis)) != MountTaskTag::AxisSlew)
                continue;
            stopAxisOrResumeTrackingLocked(axis);
            stopped = true;
        }
    }
    announceEnds();
    if (stopped)
        Log("Open-ended slews stopped for the end");
    return stopped;
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

uint64_t Mount::slewAxisCounted(AXISID axis, double rate) {
    return slewAxisAsync_(axis, rate, false);
}

bool Mount::stopAxisIfLatest(AXISID axis, uint64_t count) {
    {
        std::lock_guard lock(m_mutex);
        if (m_axisClaims[axisSlot(axis)] != count)
            return false;
        m_axisSlewState[axisSlot(axis)] = 0;
        // Under the lock too, so that the check and the stop are one step whichever way the
        // axis is stopped.
        if (trailPointsTracking())
            nudgeTrailRun(axis, 0.0);
        else
            stopAxisOrResumeTrackingLocked(axis);
    }
    announceEnds();
    return true;
}

uint64_t Mount::slewAxisAsync_(AXISID axis, double rate, bool flag) {
    // A rate that is not a number has no direction and no end: the axis keeps what it does.
    if (std::isnan(rate)) {
        Log("Axis slew with a rate that is not a number ignored");
        std::lock_guard lock(m_mutex);
        return m_axisClaims[axisSlot(axis)];
    }
    if (trailPointsTracking()) {
        std::lock_guard lock(m_mutex);
        m_axisSlewState[axisSlot(axis)] = rate > 0 ? 1 : (rate < 0 ? -1 : 0);
        nudgeTrailRun(axis, rate);
        return m_axisClaims[axisSlot(axis)];
    }
    return startAxisSlew(axis, flag, rate);
}

void Mount::nudgeTrailRun(AXISID axis, double rate) {
    // The trail-points task keeps the axes; the rate only nudges the axis along the path.
    m_workerPool->enqueue([this, axis, rate] {
        if (m_axis->slewAtRate(axis, rate) == CmdRetType_::Ok)
            m_axis->assumeRate(axis, rate);
    });
}

uint64_t Mount::startAxisSlew(AXISID axis, bool flag, double rate) {
    const int32_t state = rate > 0 ? 1 : (rate < 0 ? -1 : 0);
    {
        std::lock_guard lock(m_mutex);
        m_axisSlewState[axisSlot(axis)] = state;
        if (state != 0)
            m_axisSlewFlag[axisSlot(axis)] = rate > 0;
    }
    if (state != 0)
        axisSlewStateChanged();
    uint64_t count = 0;
    {
        std::lock_guard lock(m_mutex);
        if (rate == 0.0)
            stopAxisOrResumeTrackingLocked(axis);
        else
            startTaskLocked(m_taskFactory->createAxisSlewTask(axis, flag, rate));
        count = m_axisClaims[axisSlot(axis)];
    }
    announceEnds();
    return count;
}

void Mount::stopAxisOrResumeTracking(AXISID axis) {
    {
        std::lock_guard lock(m_mutex);
        stopAxisOrResumeTrackingLocked(axis);
    }
    announceEnds();
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
    announceEnds();
}

void Mount::startTrackingLocked() {
    m_trackingInForce = m_trackingChoice;
    auto task =
        m_taskFactory->createTrackingTask(m_mode, m_trackingChoice.rate, m_trackingChoice.target);
    markStopPendingLocked(*task);
    TaskCallback onFinished = acknowledgementLocked(*task, m_trackingChoice);
    startTaskLocked(std::move(task), {}, std::move(onFinished));
}

void Mount::startAxisStopLocked(AXISID axis) {
    auto task = m_taskFactory->createAxisStopTask(axis);
    markStopPendingLocked(*task);
    TaskCallback onFinished = acknowledgementLocked(*task, std::nullopt);
    startTaskLocked(std::move(task), {}, std::move(onFinished));
}

// --- Acknowledgements ---------------------------------------------------------------------------

void Mount::markStopPendingLocked(const IMountTask& task) {
    for (AXISID axis : {0u, 1u}) {
        if (!claimsAxis(task, axis))
            continue;
        // An axis under a stop is at rest once that stop was accepted; tracking that only
        // changes its rate is no stop. Anything else may be moving the axis now.
        const uint32_t t = tag(static_cast<int>(axis));
        const bool fromMotion =
            t != MountTaskTag::AxisStop &&
            (task.type() == MountTaskTag::AxisStop || t != MountTaskTag::Tracking);
        if (!fromMotion && !m_stopPending[axis])
            continue;
        if (!std::exchange(m_stopPending[axis], true)) {
            m_stopPendingMotions[axis] = 0;
            m_stopPendingUnannounced = true;
        }
        // A stop given over one still pending may find either motion running.
        if (fromMotion)
            m_stopPendingMotions[axis] |= stoppedMotionBit(t);
    }
}

bool Mount::answeredLocked(std::array<uint64_t, 2> claims, bool stopsTaken) {
    bool latest = false;
    for (AXISID axis : {0u, 1u}) {
        if (claims[axis] == 0 || m_axisClaims[axis] != claims[axis])
            continue;
        latest = true;
        if (stopsTaken && clearStopPendingLocked(axis))
            m_stopPendingUnannounced = true;
    }
    if (latest && !m_stopPending[0] && !m_stopPending[1])
        m_stopUnansweredTold = false;
    return latest;
}

bool Mount::clearStopPendingLocked(AXISID axis) {
    m_stopPendingMotions[axis] = 0;
    return std::exchange(m_stopPending[axis], false);
}

Mount::TaskCallback Mount::acknowledgementLocked(IMountTask& task,
                                                 std::optional<TrackingChoice> tracking) {
    // The claim numbers this task will hold: startTaskLocked counts it next.
    std::array<uint64_t, 2> claims{0, 0};
    for (AXISID axis : {0u, 1u})
        if (claimsAxis(task, axis))
            claims[axis] = m_axisClaims[axis] + 1;
    std::weak_ptr<IMount> weak = m_weakSelf;
    // Set before the manager has the task: no thread runs it yet.
    task.setAnswerListener([weak, claims, tracking](bool accepted) {
        auto self = weak.lock();
        if (!self)
            return;
        auto* mount = static_cast<Mount*>(self.get());
        if (accepted)
            mount->onAcknowledged(claims, tracking, CmdRet(CmdRetType_::Ok));
        else if (!tracking)
            mount->onStopUnanswered();
        else
            mount->onTrackingUnanswered(claims);
    });
    task.setRestListener([weak, claims] {
        if (auto self = weak.lock())
            static_cast<Mount*>(self.get())->onAxesAtRest(claims);
    });
    // A task that ends without having been accepted (a tracking start the mount refused).
    return [weak, claims, tracking](CmdRet ret) {
        auto self = weak.lock();
        if (self && !ret.isOk() && ret.type != CmdRetType_::Cancel)
            static_cast<Mount*>(self.get())->onAcknowledged(claims, tracking, ret);
    };
}

void Mount::onAcknowledged(std::array<uint64_t, 2> claims, std::optional<TrackingChoice> tracking,
                           CmdRet ret) {
    bool trackingChanged = false;
    bool refused = false;
    {
        std::lock_guard lock(m_mutex);
        // What a task took over since says more than this answer.
        if (!answeredLocked(claims, ret.isOk()))
            return;
        if (ret.isOk()) {
            // A stop of axis 1 ends tracking on an equatorial mount, a stop of either axis on an
            // altitude-azimuth one.
            const bool on = tracking.has_value();
            if (on || m_mode == MountMode_::AZ || claims[0] != 0) {
                const bool wasInDoubt = std::exchange(m_trackingInDoubt, false);
                m_restDoubtClaims = {0, 0};
                trackingChanged = wasInDoubt || on != m_trackingAcknowledgedOn ||
                                  (on && !(*tracking == m_trackingAcknowledged));
                m_trackingAcknowledgedOn = on;
                if (on)
                    m_trackingAcknowledged = *tracking;
            }
        } else if (tracking && m_trackingEnabled) {
            refused = true;
            m_trackingEnabled = false;
        }
    }
    if (refused) {
        tell(QCoreApplication::translate("mount",
                                         "The mount did not take the tracking: it is off."));
        // Off again, and whatever the refused start left running is stopped.
        applyTracking();
        return;
    }
    if (trackingChanged)
        trackingStateChanged();
    announceEnds();
}

void Mount::onStopUnanswered() {
    {
        std::lock_guard lock(m_mutex);
        if (std::exchange(m_stopUnansweredTold, true))
            return;
    }
    tell(QCoreApplication::translate(
        "mount", "The mount does not answer and may still be moving. The stop is sent again "
                 "until it answers."));
}

void Mount::tellStopLeftPending() {
    // Nothing is sent on this mount's behalf any more, and no later answer can clear the stop. A
    // controller that restarted has halted its motors by itself.
    if (!stopPending() || m_restartSeen)
        return;
    Log("Mount released while a stop had not reached it");
    tell(QCoreApplication::translate("mount",
                                     "The connection ended before the stop reached the mount: it "
                                     "may still be moving. Connect again to stop it."));
}

void Mount::onTrackingUnanswered(std::array<uint64_t, 2> claims) {
    {
        std::lock_guard lock(m_mutex);
        // A task that took the axes since says more than this silence.
        bool latest = false;
        for (AXISID axis : {0u, 1u})
            latest = latest || (claims[axis] != 0 && m_axisClaims[axis] == claims[axis]);
        if (!latest)
            return;
        // Unanswered, the change may have been taken in part: no later task settles that.
        m_restDoubtClaims = {0, 0};
        if (std::exchange(m_trackingInDoubt, true))
            return;
    }
    trackingStateChanged();
}

void Mount::onAxisTakenOver(std::array<uint64_t, 2> claims, AXISID axis) {
    {
        std::lock_guard lock(m_mutex);
        const size_t slot = axisSlot(axis);
        if (claims[slot] == 0 || m_axisClaims[slot] != claims[slot])
            return;
        // The stop is over with the motion it was given to: what moves the axis now ends by
        // itself, as any GoTo under way does.
        if (!clearStopPendingLocked(axis))
            return;
        m_stopPendingUnannounced = true;
        if (!m_stopPending[0] && !m_stopPending[1])
            m_stopUnansweredTold = false;
    }
    announceEnds();
}

void Mount::onAxesAtRest(std::array<uint64_t, 2> claims) {
    bool trackingChanged = false;
    {
        std::lock_guard lock(m_mutex);
        if (!answeredLocked(claims, true))
            return;
        // The axes stand: tracking the mount took before no longer runs, and the new one is not
        // taken yet.
        if (m_trackingAcknowledgedOn && !std::exchange(m_trackingInDoubt, true)) {
            trackingChanged = true;
            m_restDoubtClaims = claims;
        }
    }
    if (trackingChanged)
        trackingStateChanged();
    announceEnds();
}

void Mount::reportGotoFailure(CmdRet ret) {
    if (ret.type != CmdRetType_::Timeout)
        return;
    tell(QCoreApplication::translate("mount", "GoTo given up: the mount has made no progress "
                                              "for %1 s. It does not answer, or its answers are "
                                              "garbled.")
             .arg(SlewToTask::kStallLimitMs / 1000));
}

IMount::AcknowledgedTracking Mount::acknowledgedTracking() const {
    std::lock_guard lock(m_mutex);
    return {m_trackingAcknowledgedOn, m_trackingAcknowledged.rate, m_trackingAcknowledged.target,
            !m_trackingInDoubt};
}

bool Mount::stopPending() const {
    std::lock_guard lock(m_mutex);
    return m_stopPending[0] || m_stopPending[1];
}

bool Mount::stopPendingOf(StoppedMotion motion) const {
    const uint8_t bit = stoppedMotionBit(motion);
    std::lock_guard lock(m_mutex);
    for (AXISID axis : {0u, 1u})
        if (m_stopPending[axis] && (m_stopPendingMotions[axis] & bit) != 0)
            return true;
    return false;
}

bool Mount::linkAnswering() const {
    return !m_link || !m_link->timedout();
}

std::shared_ptr<ICanceller> Mount::startTaskLocked(std::shared_ptr<IMountTask> task,
                                                   std::function<void()> onStarted,
                                                   TaskCallback onFinished) {
    // A GoTo (or a park, a homing) cancels the tracking start that left the axes standing before
    // it set them going: tracking is as the mount acknowledged it last, and resumes after the
    // motion like any other. A motion of one axis leaves the other standing, not tracking.
    if (m_trackingInDoubt && task->type() != MountTaskTag::Tracking &&
        task->type() != MountTaskTag::AxisStop &&
        (m_restDoubtClaims[0] != 0 || m_restDoubtClaims[1] != 0)) {
        bool takesAll = true;
        for (AXISID axis : {0u, 1u})
            if (m_restDoubtClaims[axis] != 0)
                takesAll = takesAll && claimsAxis(*task, axis) &&
                           m_restDoubtClaims[axis] == m_axisClaims[axis];
        if (takesAll) {
            m_trackingInDoubt = false;
            m_restDoubtClaims = {0, 0};
            m_trackingStateUnannounced = true;
        }
    }
    bool takesAxes = false;
    for (AXISID axis : {0u, 1u}) {
        if (!claimsAxis(*task, axis))
            continue;
        ++m_axisClaims[axis];
        takesAxes = true;
        // A park, a guide pulse, homing, tracking or a run that takes the axis from a manual
        // slew ends that slew: the pad and the servers would otherwise see it move that way still.
        if (task->type() != MountTaskTag::AxisSlew && m_axisSlewState[axis] != 0) {
            m_axisSlewState[axis] = 0;
            m_slewStateUnannounced = true;
        }
    }
    // Before the manager moves the axes' tags on: whoever sees the tags change reads the end.
    if (takesAxes && m_publishedGotoTicket != 0 && task->type() != MountTaskTag::SlewTo)
        endPublishedGotoLocked();
    if (takesAxes && m_trailRunOpen && task->type() != MountTaskTag::TrailPoints)
        endOpenTrailRunLocked(CmdRet(CmdRetType_::Cancel));
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

QFuture<CmdRet> Mount::setCameraShutterAsync(bool on) {
    auto promise = std::make_shared<QPromise<CmdRet>>();
    QFuture<CmdRet> future = promise->future();
    promise->start();
    // A dead link holds the exchange for its time-out and every resend: never on the caller's
    // thread. On the worker, a switch sent later never overtakes one sent earlier.
    m_workerPool->enqueue([this, promise, on] {
        promise->addResult(CmdRet(m_device->setAuxSwitch(on)));
        promise->finish();
    });
    return future;
}

bool Mount::hasDualEncoders() const {
    return (m_device->features() & DeviceFeatures::DualEncodersBit) != 0;
}

bool Mount::lastEnableDualEncoders() const {
    return m_command &&
           (m_command->lastEnableDualEncoders(0) || m_command->lastEnableDualEncoders(1));
}

QFuture<CmdRet> Mount::setEnableDualEncodersAsync(bool on) {
    return writeSetting(
        SettingRecheck::Setting::DualEncoders,
        [this, on] {
            // Axis 2 follows only once axis 1 took it, so that a refusal leaves both as they were.
            CmdRetType_::E r = m_command->setEnableDualEncoders(0, on);
            if (r == CmdRetType_::Ok)
                r = m_command->setEnableDualEncoders(1, on);
            emit dualEncodersChanged();
            return r;
        },
        [this] {
            for (AXISID axis : {AXISID(0), AXISID(1)}) {
                const bool confirmed = m_command->lastEnableDualEncoders(axis);
                if (const auto r = m_command->setEnableDualEncoders(axis, confirmed);
                    r != CmdRetType_::Ok)
                    return r;
            }
            emit dualEncodersChanged();
            return CmdRetType_::Ok;
        });
}

bool Mount::hasPolarScopeLED() const {
    return (m_device->features() & DeviceFeatures::PolarScopeLedBit) != 0;
}

QFuture<CmdRet> Mount::setGuidingSpeed(bool isAxis1, GuidingSpeed_::E speed) {
    const AXISID axis = isAxis1 ? 0 : 1;
    return writeSetting(
        guideSpeedSetting(axis), [this, axis, speed] { return sendGuideSpeed(axis, speed); },
        guideSpeedCheck(axis));
}

CmdRetType_::E Mount::sendGuideSpeed(AXISID axis, GuidingSpeed_::E speed) {
    const CmdRetType_::E r = m_command->setGuidingSpeed(axis, speed);
    if (r == CmdRetType_::Ok && m_appCore)
        m_appCore->setAutoguiderRate(static_cast<int>(axisSlot(axis)), speed);
    noteGuideSpeedAnswer(axis, r);
    return r;
}

void Mount::noteGuideSpeedAnswer(AXISID axis, CmdRetType_::E r) {
    // The emulator holds nothing of a mount's: it neither raises the doubt nor settles it.
    if (m_appCore && m_converser)
        m_appCore->setAutoguiderRateInDoubt(static_cast<int>(axisSlot(axis)),
                                            r == CmdRetType_::Timeout);
}

SettingRecheck::Setting Mount::guideSpeedSetting(AXISID axis) {
    return axisSlot(axis) == 0 ? SettingRecheck::Setting::GuideSpeedAxis1
                               : SettingRecheck::Setting::GuideSpeedAxis2;
}

SettingRecheck::Check Mount::guideSpeedCheck(AXISID axis) {
    // The speed is sent as the store holds it when the link is back, not as it was when the
    // write failed: a write taken in between has the last word.
    return [this, axis] {
        if (!m_appCore)
            return CmdRetType_::Ok;
        const GuidingSpeed_::E confirmed =
            axisSlot(axis) == 0 ? m_appCore->autoguiderRate1() : m_appCore->autoguiderRate2();
        const CmdRetType_::E r = m_command->setGuidingSpeed(axis, confirmed);
        noteGuideSpeedAnswer(axis, r);
        return r;
    };
}

QFuture<CmdRet> Mount::setPolarLEDBrightness(double brightness) {
    return writeSetting(
        SettingRecheck::Setting::PolarScopeLight,
        [this, brightness] {
            const CmdRetType_::E r = m_command->setPolarLEDBrightness(brightness);
            if (r == CmdRetType_::Ok && m_appCore)
                m_appCore->setPScopeLight(brightness);
            return r;
        },
        [this] {
            return m_appCore ? m_command->setPolarLEDBrightness(m_appCore->pScopeLight())
                             : CmdRetType_::Ok;
        });
}

QFuture<CmdRet> Mount::writeSetting(SettingRecheck::Setting setting,
                                    std::function<CmdRetType_::E()> write,
                                    SettingRecheck::Check check) {
    auto promise = std::make_shared<QPromise<CmdRet>>();
    QFuture<CmdRet> future = promise->future();
    promise->start();
    if (!m_command) {
        promise->addResult(CmdRet(CmdRetType_::Other));
        promise->finish();
        return future;
    }
    // On the worker: a dead link holds the exchange for its time-out and every resend, and a
    // write made later never overtakes one made earlier.
    m_workerPool->enqueue(
        [this, promise, setting, write = std::move(write), check = std::move(check)]() mutable {
            const CmdRetType_::E r = write();
            m_settingRecheck.written(setting, r, std::move(check));
            if (r == CmdRetType_::Timeout)
                tell(noAnswerText());
            promise->addResult(CmdRet(r));
            promise->finish();
        });
    return future;
}

void Mount::recheckSettingsAsync() {
    // Not m_mutex: the exchange that fired this may run on a task whose end a holder of m_mutex
    // waits for.
    std::lock_guard lock(m_workerOpenMutex);
    if (m_workerOpen)
        m_workerPool->enqueue([this] { m_settingRecheck.recheck(); });
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
    // Unanswered, the training stays as the mount confirmed it last, and nothing is sent again:
    // the user is told, as after any command the mount did not answer, and asks again. The mount
    // may have taken it all the same: once the link is back, it is asked.
    writeSetting(
        SettingRecheck::Setting::PpecTraining,
        [this, start] { return m_command->setPpecTraining(start); }, ppecCheck());
}

SettingRecheck::Check Mount::ppecCheck() {
    // One status read gives both training and playback, and announces each that changed.
    return [this] { return m_command->updatePpecPlayback().type; };
}

bool Mount::lastPpecPlayback() const {
    return m_command && m_command->lastPpecPlayback();
}

void Mount::updatePpecPlaybackAsync() {
    if (m_command)
        m_workerPool->enqueue([this] { m_command->updatePpecPlayback(); });
}

QFuture<CmdRet> Mount::setPpecPlaybackAsync(bool on) {
    // As a training command.
    return writeSetting(
        SettingRecheck::Setting::PpecPlayback,
        [this, on] { return m_command->setPpecPlayback(on); }, ppecCheck());
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

// --- Preparation, park and home ----------------------------------------------------------------

namespace {

// The GoTo tolerance by mount mode: 2 arc-minutes on EQ, 5 on AZ.
constexpr double kGotoToleranceRad[] = {0.0005817764173314432, 0.0014544410433286077};
// Old boards (models 0x80 to 0x82 up to firmware 1.09) stop less precisely: 0.1 degree.
constexpr double kOldBoardToleranceRad = 0.0017453292519943296;
constexpr uint32_t kLastOldBoardFirmware = 0x109;
// How far an axis set up while connecting may read back from where it was set: the set angle
// rounds to the nearest count, and the axis stands still. Any more and the counter is not the one
// that was set.
constexpr int32_t kSetupSlackCounts = 2;
// How long a controller that lost its power takes at most to answer again, and the pause between
// the questions that wait for it.
constexpr int64_t kBootMs = 6000;
constexpr int64_t kBootProbeGapMs = 100;

// The autoguider-port speeds, fastest first, as factors of the sidereal rate.
struct GuideSpeed {
    double factor;
    GuidingSpeed_::E speed;
};
constexpr GuideSpeed kGuideSpeeds[] = {{1.0, GuidingSpeed_::Sidereal},
                                       {0.75, GuidingSpeed_::X75},
                                       {0.5, GuidingSpeed_::X5},
                                       {0.25, GuidingSpeed_::X25},
                                       {0.125, GuidingSpeed_::X125}};

} // namespace

double Mount::gotoToleranceRad(MountMode_::E mode, uint32_t axis1Version) {
    const uint32_t model = (axis1Version >> 16) & 0xFF;
    const uint32_t word = axis1Version & 0xFFFF;
    const uint32_t firmware = (word & 0xFF) << 8 | word >> 8;
    if (model >= 0x80 && model <= 0x82 && firmware <= kLastOldBoardFirmware)
        return kOldBoardToleranceRad;
    return kGotoToleranceRad[mode == MountMode_::AZ ? 1 : 0];
}

CmdRetType_::E Mount::prepareAfterConnect() {
    SetupProgress progress;
    const CmdRetType_::E prepared = prepareSteps(progress);
    if (prepared == CmdRetType_::Timeout)
        return afterSetupTimeout(progress);
    return prepared;
}

CmdRetType_::E Mount::prepareSteps(SetupProgress& progress) {
    if (const auto r = m_device->initialize(false, 1); r != CmdRetType_::Ok)
        return r;
    // The device has read both statuses: what they show initialised, a restart would undo.
    for (AXISID axis : {0u, 1u})
        progress.initialised[axisSlot(axis)] = m_device->lastStatus(axis).initFlag == 0;
    if (const auto r = m_device->statusEx(); !r.isOk())
        return r.type;
    if (const auto r = m_axis->initialize(); r != CmdRetType_::Ok)
        return r;
    if (m_command) {
        if (const auto r = m_command->initialize(); r != CmdRetType_::Ok)
            return r;
        if (hasPolarScopeLED() && m_appCore)
            m_command->setPolarLEDBrightness(m_appCore->pScopeLight());
        // A speed whose write went unanswered before this connection may be what the mount
        // holds, not the one the pages show: made sure as on the link's return, and left to wait
        // for the link should this go unanswered too.
        for (AXISID axis : {AXISID(0), AXISID(1)}) {
            if (!m_appCore || !m_converser ||
                !m_appCore->autoguiderRateInDoubt(static_cast<int>(axisSlot(axis))))
                continue;
            SettingRecheck::Check check = guideSpeedCheck(axis);
            const CmdRetType_::E r = check();
            m_settingRecheck.written(guideSpeedSetting(axis), r, std::move(check));
        }
    }
    m_slewToSettings->toleranceRad = gotoToleranceRad(m_mode, m_device->version(0));

    AnglePair positions = m_alignment ? m_alignment->referenceAxes() : AnglePair{0.0, 0.0};
    const auto park = m_perMountData->parkAxisPositions();
    if (park.hasValue()) {
        switch (m_parkDataOption->ask()) {
        case ParkDataLoadOption_::Cancel:
            return CmdRetType_::Cancel;
        case ParkDataLoadOption_::Load:
            positions = park.value();
            break;
        default:
            break;
        }
    }

    // An axis whose controller has just powered up learns where it stands; otherwise the mount
    // knows better than any stored value. Not so an axis an earlier connection began to set up
    // and did not see through: a controller that restarted between its position and its
    // initialisation holds the axis initialised at its power-up count, and nothing has moved
    // since, so the position set then is still the right one. The axes about to be set are
    // recorded first, so that a set-up cut at any step, even by the end of the program, is
    // done afresh by the next connection; the record goes once the set-up is confirmed.
    //
    // Controllers of one version cannot be told apart: one that an earlier connection set up in
    // full may stand anywhere when the record of another's cut set-up names its axis. An axis at
    // its power-up count is what the cut leaves, and one at the position about to be set loses
    // nothing; one elsewhere is set all the same, and the user is told that where the mount
    // points is not known.
    const uint32_t version = m_device->version(0);
    const uint32_t unfinished = m_converser ? m_perMountData->unfinishedSetup(version) : 0;
    constexpr uint32_t kAxisBits[] = {IPerMountData::kAxis1, IPerMountData::kAxis2};
    const double targets[] = {positions.first, positions.second};
    std::array<bool, 2> fresh{};
    bool suspected = false;
    for (AXISID axis : {0u, 1u}) {
        const size_t slot = axisSlot(axis);
        const bool recorded = (unfinished & kAxisBits[slot]) != 0;
        fresh[slot] = !progress.initialised[slot] || recorded;
        if (!progress.initialised[slot] || !recorded)
            continue;
        const auto r = m_axis->readPosition(axis);
        if (!r.isOk())
            return r.type;
        const double slack = std::abs(m_device->countsToRad(axis, kSetupSlackCounts));
        if (!atPowerUpCount(axis, r.value()) && !(std::abs(r.value() - targets[slot]) <= slack)) {
            Log("Axis %u of a controller whose set-up was cut reads %.7f rad: it may be another "
                "controller of the same version",
                static_cast<unsigned>(slot) + 1, r.value());
            suspected = true;
        }
    }
    const uint32_t settingUp =
        (fresh[0] ? IPerMountData::kAxis1 : 0u) | (fresh[1] ? IPerMountData::kAxis2 : 0u);
    if (m_converser && settingUp != 0)
        m_perMountData->setUnfinishedSetup(version, settingUp);
    for (AXISID axis : {0u, 1u}) {
        const size_t slot = axisSlot(axis);
        if (!fresh[slot])
            continue;
        if (const auto r = m_axis->setPosition(axis, targets[slot]); r != CmdRetType_::Ok)
            return r;
        progress.positions[slot].set(targets[slot]);
        if (const auto r = m_device->initializeAxis(axis); r != CmdRetType_::Ok)
            return r;
        progress.initialised[slot] = true;
    }
    // Only axis 1 set up: axis 2 is neither set nor read.
    if (!fresh[0] && !fresh[1]) {
        for (AXISID axis : {0u, 1u})
            if (const auto r = m_axis->readPosition(axis); !r.isOk())
                return r.type;
    }
    if (const auto r = confirmSetup(progress.positions, !fresh[0] && !fresh[1]);
        r != CmdRetType_::Ok)
        return r;
    if (m_converser && settingUp != 0)
        m_perMountData->setUnfinishedSetup(version, 0);

    if (park.hasValue())
        m_perMountData->setParkAxisPositions({});
    startLinkWatch();
    if (suspected)
        tell(QCoreApplication::translate("mount",
                                         "The setup of a mount like this one was cut off: "
                                         "where it points is not known. Park, home or align "
                                         "it."));
    return CmdRetType_::Ok;
}

bool Mount::atPowerUpCount(AXISID axis, double rad) const {
    const double powerUp = m_device->removeAxisOffset(axis, m_device->countsToRad(axis, 0));
    const double slack = std::abs(m_device->countsToRad(axis, kSetupSlackCounts));
    return std::abs(rad - powerUp) <= slack;
}

CmdRetType_::E Mount::afterSetupTimeout(const SetupProgress& progress) {
    // A controller that held nothing yet tells nothing by answering as a fresh one.
    const bool held =
        std::ranges::any_of(progress.initialised, std::identity{}) ||
        std::ranges::any_of(progress.positions, [](const auto& p) { return p.hasValue(); });
    if (!m_converser || !held)
        return CmdRetType_::Timeout;
    // A controller that lost its power is silent while it boots, for seconds; a link that lost a
    // few answers is back at once. Either answers within the boot time, or the link is gone.
    NullCancellable pause;
    const int64_t deadline = m_clock->nowMs() + kBootMs;
    for (;;) {
        const auto r = m_axis->readStatus(0);
        if (r.isOk())
            break;
        if (r.type != CmdRetType_::Timeout || m_clock->nowMs() >= deadline)
            return CmdRetType_::Timeout;
        pause.sleep(kBootProbeGapMs);
    }
    for (AXISID axis : {0u, 1u}) {
        const size_t slot = axisSlot(axis);
        const auto status = m_axis->readStatus(axis);
        if (!status.isOk())
            return CmdRetType_::Timeout;
        if (progress.initialised[slot] && status.value().initFlag != 0) {
            Log("Axis %u is not initialised after the link timed out while connecting: the motor "
                "controller restarted",
                static_cast<unsigned>(slot) + 1);
            return restartedWhileConnecting();
        }
        if (!progress.positions[slot].hasValue())
            continue;
        const auto read = m_axis->readPosition(axis);
        if (!read.isOk())
            return CmdRetType_::Timeout;
        const double slack = std::abs(m_device->countsToRad(axis, kSetupSlackCounts));
        if (!(std::abs(read.value() - progress.positions[slot].value()) <= slack)) {
            Log("Axis %u reads %.7f rad back after the link timed out while connecting, set to "
                "%.7f rad: the motor controller restarted",
                static_cast<unsigned>(slot) + 1, read.value(), progress.positions[slot].value());
            return restartedWhileConnecting();
        }
    }
    // The controller holds all it was given: only the link faltered.
    return CmdRetType_::Timeout;
}

CmdRetType_::E Mount::confirmSetup(const std::array<Nullable<double>, 2>& setUp,
                                   bool positionsRead) {
    // An emulated mount has no controller that could restart.
    if (!m_converser)
        return CmdRetType_::Ok;
    // A controller that restarted at any step above is a fresh one, not initialised and counting
    // from home, that saw only the steps after it: its status, read last, shows it unless an axis
    // was initialised after the restart, and then that axis's position shows it unless the
    // restart came before the position was set (and then the fresh controller holds all of it).
    if (!positionsRead) {
        for (AXISID axis : {0u, 1u}) {
            const auto r = m_axis->readPosition(axis);
            if (!r.isOk())
                return r.type;
            const auto& set = setUp[axisSlot(axis)];
            const double slack = std::abs(m_device->countsToRad(axis, kSetupSlackCounts));
            if (set.hasValue() && !(std::abs(r.value() - set.value()) <= slack)) {
                Log("Axis %u reads %.7f rad back, set to %.7f rad while connecting: the motor "
                    "controller restarted",
                    static_cast<unsigned>(axisSlot(axis)) + 1, r.value(), set.value());
                return restartedWhileConnecting();
            }
        }
    }
    // Last, so that a restart after any reading above shows here; each axis is then also seen
    // initialised, which lets the axes tell a restart from now on.
    for (AXISID axis : {0u, 1u}) {
        const auto r = m_axis->readStatus(axis);
        if (!r.isOk())
            return r.type;
        if (r.value().initFlag != 0) {
            Log("Axis %u is not initialised after connecting: the motor controller restarted",
                static_cast<unsigned>(axisSlot(axis)) + 1);
            return restartedWhileConnecting();
        }
    }
    return CmdRetType_::Ok;
}

CmdRetType_::E Mount::restartedWhileConnecting() {
    // Told as a restart seen later is; the session does not publish a mount that failed its
    // preparation, so nothing drives it from what the fresh controller does not hold.
    onControllerRestarted();
    return CmdRetType_::Other;
}

void Mount::startLinkWatch() {
    if (!m_link)
        return;
    std::lock_guard lock(m_mutex);
    if (m_linkWatchThread)
        return;
    m_linkWatchToken = std::make_shared<ControlledCancellable>();
    m_linkWatchThread = std::make_unique<ThreadPool>(1);
    m_linkWatchThread->enqueue(
        [watch = std::make_shared<LinkWatch>(m_linkWatchToken, m_clock, m_axis)] { watch->run(); });
}

void Mount::onControllerRestarted() {
    // The axes and the preparation may both see the same restart: it is told once.
    if (m_restartSeen.exchange(true))
        return;
    // Its counters are back at home: any motion computed from them would drive the mount blind.
    // The axes refuse to move from now on; the stop tasks end whatever ran, and nothing resumes.
    {
        std::lock_guard lock(m_mutex);
        m_trackingEnabled = false;
        startAxisStopLocked(0);
        startAxisStopLocked(1);
    }
    trackingStateChanged();
    announceEnds();
    tell(QCoreApplication::translate("mount",
                                     "The mount restarted: where it points is no longer known. "
                                     "Connect again, then park, home or align it."));
    emit controllerRestarted();
}

void Mount::tell(const QString& text) const {
    // Tests may build a mount that tells no one.
    if (m_messageSink)
        m_messageSink->sendShortMessage(text.toUtf8().constData());
}

bool Mount::parked() const {
    return m_perMountData && m_perMountData->parkAxisPositions().hasValue();
}

void Mount::parkAsync(bool atHome) {
    m_workerPool->enqueue([this, atHome] { parkNow(atHome); });
}

void Mount::parkNow(bool atHome) {
    MountTarget target;
    target.name = QCoreApplication::translate("mount", "Park target").toStdString();
    target.coord.type = CoordType::MountAxes;
    target.kind = static_cast<uint32_t>(TrackingRate::Sidereal);
    if (atHome) {
        if (!m_alignment)
            throw std::logic_error("Read null Nullable");
        std::tie(target.coord.a, target.coord.b) = m_alignment->referenceAxes();
    } else {
        const auto r = readAxisPositions();
        // A failed read leaves the mount as it is, and nothing parks later when the link comes
        // back: the user is told, and asks again.
        if (!r.isOk()) {
            tell(noAnswerText());
            return;
        }
        std::tie(target.coord.a, target.coord.b) = r.value();
    }
    std::weak_ptr<IMount> weak;
    {
        std::lock_guard lock(m_mutex);
        weak = m_weakSelf;
    }
    const auto handle =
        slewToFinished.append([weak, axes = AnglePair{target.coord.a, target.coord.b}](CmdRet ret) {
            if (!ret.isOk())
                return;
            if (auto self = weak.lock())
                static_cast<Mount*>(self.get())->onParked(axes);
        });
    // A GoTo that never starts (axes read as no number) must not leave its subscriber to park
    // the mount at the end of some later GoTo.
    if (!slewToAsync(target))
        slewToFinished.remove(handle);
}

void Mount::onParked(AnglePair axes) {
    std::weak_ptr<IMount> weak;
    {
        std::lock_guard lock(m_mutex);
        weak = m_weakSelf;
    }
    // The park lasts until the next motion command, whoever gives it.
    auto handle = m_axis->motionCommanded.append([weak] {
        if (auto self = weak.lock())
            static_cast<Mount*>(self.get())->onMotionWhileParked();
    });
    auto previous = exchangeParkHandle(handle);
    if (previous)
        m_axis->motionCommanded.remove(*previous);
    m_perMountData->setParkAxisPositions(axes);
    emit parkChanged();
}

std::optional<Mount::MotionHandle> Mount::exchangeParkHandle(std::optional<MotionHandle> handle) {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_parkHandle, std::move(handle));
}

void Mount::onMotionWhileParked() {
    // Two axes commanded at once: only the first one ends the park.
    const auto handle = exchangeParkHandle({});
    if (!handle)
        return;
    m_axis->motionCommanded.remove(*handle);
    m_perMountData->setParkAxisPositions({});
    emit parkChanged();
    tell(QCoreApplication::translate("mount", "Hibernate data removed"));
}

void Mount::unparkAsync() {
    m_workerPool->enqueue([this] { unparkNow(); });
}

CmdRetType_::E Mount::unparkNow() {
    const auto park = m_perMountData->parkAxisPositions();
    if (!park.hasValue())
        return CmdRetType_::Other;
    if (const auto r = setAxisPositions(park.value().first, park.value().second);
        r != CmdRetType_::Ok)
        return r;
    if (const auto handle = exchangeParkHandle({}))
        m_axis->motionCommanded.remove(*handle);
    m_perMountData->setParkAxisPositions({});
    emit parkChanged();
    return CmdRetType_::Ok;
}

void Mount::bringAxesToRest() {
    setTrackingEnabled(false);
    stopAxisOrResumeTracking(0);
    stopAxisOrResumeTracking(1);
}

void Mount::autoHomeAsync(double decOffsetRad) {
    std::unique_lock lock(m_mutex);
    std::weak_ptr<IMount> weak = m_weakSelf;
    startTaskLocked(
        m_taskFactory->createAutoHomeTask(decOffsetRad),
        [weak] {
            if (auto self = weak.lock())
                emit self->duringAutoHomeChanged();
        },
        [weak](CmdRet) {
            auto self = weak.lock();
            if (!self)
                return;
            auto* mount = static_cast<Mount*>(self.get());
            // However homing ended, the axes come to rest.
            mount->bringAxesToRest();
            emit mount->duringAutoHomeChanged();
        });
    lock.unlock();
    announceEnds();
}

// --- Guiding, trail points, pier side ---------------------------------------------------------

bool Mount::setGuideRate(AXISID axis, double rate) {
    // No speed is nearest to a rate that is not a number: send nothing rather than any speed.
    if (std::isnan(rate) || !m_command)
        return false;
    const GuideSpeed* best = &kGuideSpeeds[0];
    for (const auto& s : kGuideSpeeds) {
        // Only a strictly nearer entry wins, so a tie goes to the faster speed.
        if (std::abs(rate - s.factor * kSiderealRate) <
            std::abs(rate - best->factor * kSiderealRate))
            best = &s;
    }
    const CmdRetType_::E r = sendGuideSpeed(axis, best->speed);
    m_settingRecheck.written(guideSpeedSetting(axis), r, guideSpeedCheck(axis));
    return r == CmdRetType_::Ok;
}

double Mount::guideRate(AXISID axis) const {
    const GuidingSpeed_::E speed =
        !m_appCore
            ? GuidingSpeed_::X125
            : (axisSlot(axis) == 0 ? m_appCore->autoguiderRate1() : m_appCore->autoguiderRate2());
    for (const auto& s : kGuideSpeeds)
        if (s.speed == speed)
            return s.factor * kSiderealRate;
    return 0.125 * kSiderealRate;
}

void Mount::pulseGuideAxisAsync(AXISID axis, bool direction, int durationMs) {
    const double rate = direction ? guideRate(axis) : -guideRate(axis);
    {
        std::lock_guard lock(m_mutex);
        std::weak_ptr<IMount> weak = m_weakSelf;
        startTaskLocked(m_taskFactory->createPulseGuideTask(axis, rate, durationMs), {},
                        [weak, axis](CmdRet) {
                            if (auto self = weak.lock())
                                static_cast<Mount*>(self.get())->stopAxisOrResumeTracking(axis);
                        });
    }
    announceEnds();
}

bool Mount::destinationSideOfPier(AnglePair raDec) {
    if (m_mode == MountMode_::AZ)
        return false;
    if (!m_alignment)
        throw std::logic_error("Read null Nullable");
    const auto t = m_astroCalc->convertNow(
        U_ASTRO_COORD{raDec.first, raDec.second, CoordType::RDJNow}, CoordType::HDObsv);
    const auto sky = m_pae->lookup({t.a, t.b});
    return !m_alignment->shouldFlip(sky, m_alignment->flippingMode());
}

CmdResp<bool> Mount::sideOfPier() {
    if (m_mode == MountMode_::AZ)
        return CmdResp<bool>::ok(false);
    const auto r = readAxisPositions();
    if (!r.isOk())
        return CmdResp<bool>(r.type);
    if (!m_alignment)
        throw std::logic_error("Read null Nullable");
    return CmdResp<bool>::ok(!m_alignment->isFlipped(r.value()));
}

CmdRetType_::E Mount::setSideOfPier(int side) {
    if (m_mode == MountMode_::AZ)
        return CmdRetType_::Ok;
    const auto r = readPosition();
    if (!r.isOk())
        return r.type;
    const bool wantFlipped = side != 1;
    if (m_alignment->isFlipped(axisPositions()) == wantFlipped)
        return CmdRetType_::Ok;
    m_alignment->setFlippingMode(wantFlipped ? FlippingMode_::Yes : FlippingMode_::No);
    // The same place, approached from the other side of the pier. A tracking mount holds a place
    // in the sky, which moves on while the axes swing over: it goes back to that star and tracks
    // on at its rate. A mount at rest holds its hour angle and stays at rest.
    MountTarget target;
    target.coord = U_ASTRO_COORD{r.value().first, r.value().second, CoordType::HDObsv};
    target.kind = static_cast<uint32_t>(TrackingRate::Sidereal);
    if (trackingEnabled()) {
        target.coord = m_astroCalc->convertNow(target.coord, CoordType::RDJNow);
        const Nullable<TrackingRate> rate = trackingRate();
        if (rate.hasValue())
            target.kind = static_cast<uint32_t>(rate.value());
    }
    return slewToAsync(target) ? CmdRetType_::Ok : CmdRetType_::Other;
}

void Mount::trackTrailPointsAsync(TrailPointsParam&& param) {
    if (!canTrackTrailPoints())
        return;
    TrailPointsTaskInfo info;
    info.objectName = param.name;
    info.totalPoints = static_cast<uint32_t>(param.points.size());
    {
        std::lock_guard lock(m_mutex);
        // A count-down applies to one run only.
        const Nullable<uint32_t> countDown = std::exchange(m_trailPointsTestRunCountDown, {});
        std::weak_ptr<IMount> weak = m_weakSelf;
        auto task = m_taskFactory->createTrailPointsTask(
            std::move(param), countDown, [weak](const TrailPointsProgress& progress) {
                // Emitted on the main thread, where the pages listen: queued from the task's
                // thread, the signal would carry its argument through Qt's event queue, whose
                // order the thread sanitizer cannot see.
                runOnMainThread([weak, progress] {
                    if (auto self = weak.lock())
                        emit self->trailPointsProgress(progress);
                });
            });
        GotoTicket run;
        run.number = ++m_lastTrailRun;
        for (AXISID axis : {0u, 1u})
            run.axisClaims[axis] = m_axisClaims[axis] + (claimsAxis(*task, axis) ? 1 : 0);
        // Published with the run, before the axes' tags say it runs: a reader who sees it
        // tracking reads this run, never the last one's result or nothing.
        const Nullable<TrailPointsTaskInfo> replaced = m_trailPointsTaskInfo;
        const bool replacedOpen = m_trailRunOpen;
        m_trailPointsTaskInfo = info;
        m_trailRunOpen = true;
        try {
            startTaskLocked(std::move(task), {}, [weak, run](CmdRet ret) {
                if (auto self = weak.lock())
                    static_cast<Mount*>(self.get())->onTrailPointsFinished(run, ret);
            });
        } catch (...) {
            m_trailPointsTaskInfo = replaced;
            m_trailRunOpen = replacedOpen;
            throw;
        }
    }
    emit trailPointsTaskChanged();
    announceEnds();
}

void Mount::onTrailPointsFinished(const GotoTicket& run, CmdRet ret) {
    bool untouched = false;
    {
        std::lock_guard lock(m_mutex);
        // The result goes out before the axes come to rest, since the rest changes their tags: a
        // run that another task ended counts as cancelled already.
        if (run.number == m_lastTrailRun && m_trailRunOpen)
            endOpenTrailRunLocked(ret);
        untouched = m_axisClaims == run.axisClaims;
    }
    // A task started since (a GoTo, a newer run) keeps its axes; tracking stays off either way.
    if (untouched)
        bringAxesToRest();
    else
        setTrackingEnabled(false);
    announceEnds();
    // Once more now that the tags have moved on, for a reader who came too early to see it end.
    emit trailPointsTaskChanged();
}

} // namespace Ko
