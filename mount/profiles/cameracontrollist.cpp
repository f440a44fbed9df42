#include "mount/profiles/cameracontrollist.h"

#include "mount/imount.h"
#include "mount/imountconnection.h"
#include "mount/profiles/profilelist.h"
#include "mount/profiles/taskprofilejson.h"

#include <QFutureWatcher>

namespace Ko {

namespace {
const QString kKey = QStringLiteral("exp_groups");
} // namespace

CameraControlList::CameraControlList(std::shared_ptr<ITaskProfile_Camera_JSON> codec,
                                     std::shared_ptr<IKVStore> store,
                                     std::shared_ptr<IMountConnection> mountConnection, int tickMs)
    : m_codec(std::move(codec)), m_store(std::move(store)),
      m_mountConnection(std::move(mountConnection)) {
    m_timer.setInterval(tickMs);
    connect(&m_timer, &QTimer::timeout, this, &CameraControlList::tick);
    m_cachedList = readProfileList(m_store.get(), kKey, *m_codec);
    if (m_mountConnection) {
        // Queued: the holder announces a new mount on the thread that connected it.
        connect(m_mountConnection.get(), &IMountConnection::mountChanged_q, this,
                &CameraControlList::followMount, Qt::QueuedConnection);
        followMount();
    }
}

QList<QObject*> CameraControlList::list() const {
    return profilePointers(m_cachedList);
}

void CameraControlList::setList(const QList<QObject*>& list) {
    m_cachedList = takeProfilesInOrder(m_cachedList, list);
    followCurrent();
    store();
    emit listChanged();
}

QString CameraControlList::count() const {
    return QString::number(m_ticks / 10.0, 'f', 1);
}

bool CameraControlList::isBulb() const {
    return m_isBulb;
}

void CameraControlList::setIsBulb(bool bulb) {
    m_isBulb = bulb;
    emit isBulbChanged();
}

bool CameraControlList::isRunning() const {
    return m_isRunning;
}

bool CameraControlList::closePending() const {
    return m_closePending;
}

ITaskProfile_Camera* CameraControlList::load(int index) {
    const Program p = profileAt(m_cachedList, index);
    if (!p)
        return nullptr;
    m_edited = p;
    return p->clone();
}

void CameraControlList::save(ITaskProfile_Camera* profile) {
    if (!profile)
        return;
    const Program copy(profile->clone());
    const Program edited = m_edited.lock();
    const auto it = std::find(m_cachedList.begin(), m_cachedList.end(), edited);
    // Without a program to replace (never loaded, or deleted since), the edit is kept at the end.
    if (edited && it != m_cachedList.end())
        *it = copy;
    else
        m_cachedList.push_back(copy);
    // The run goes on with the edited settings, where it was.
    if (m_current && m_current == edited)
        m_current = copy;
    m_edited = copy;
    followCurrent();
    store();
    emit listChanged();
}

void CameraControlList::add() {
    m_cachedList.push_back(m_codec->fromJson(QJsonObject()));
    store();
    emit listChanged();
}

void CameraControlList::shutterOnOff(bool on) {
    // A timed run owns the shutter and the timer.
    if (m_isRunning && !m_isBulb)
        return;
    const std::shared_ptr<IMount> mount = currentMount();
    if (!mount) {
        // Let go with no mount to take the close: the open time is no longer known, and a
        // shutter that may be open is owed its close, which the next mount gets.
        if (!on) {
            m_timer.stop();
            if (m_shutterMayBeOpen.load())
                oweClose();
        }
        return;
    }
    if (on) {
        ++m_opens;
        setClosePending(false);
    } else if (m_isBulb) {
        // Pending from the moment it is sent: the program's end must not take the link from
        // under a close still on its way. No resend while it is.
        m_closeInFlight = m_opens;
        setClosePending(true);
    }
    sendShutter(*mount, on, [this, on, opens = m_opens](CmdRet r) {
        if (!on && m_closeInFlight == opens)
            m_closeInFlight.reset();
        if (!r.isOk())
            emit commandError();
        // A timed run started since owns the timer and the shutter.
        if (m_isRunning && !m_isBulb)
            return;
        if (!on) {
            // Opened again since: the count runs for that opening now, and its own close follows.
            if (opens != m_opens)
                return;
            m_timer.stop();
            closeAnswered(opens, r);
            return;
        }
        if (!r.isOk()) {
            openNotTaken(opens);
            return;
        }
        m_ticks = 0;
        emit countChanged();
        m_timer.start();
    });
}

std::shared_ptr<IMount> CameraControlList::currentMount() const {
    return m_mountConnection ? m_mountConnection->sharedMount() : nullptr;
}

void CameraControlList::followMount() {
    disconnect(m_linkAnswering);
    const std::shared_ptr<IMount> mount = currentMount();
    if (!mount) {
        // Nothing sends the close until a mount is connected again, and the page that says so
        // may not be open.
        if (std::exchange(m_followsMount, false) && m_closePending)
            emit closeLeftPending();
        return;
    }
    m_followsMount = true;
    // Queued: the mount announces from the thread of the exchange that saw the change.
    m_linkAnswering = connect(mount.get(), &IMount::linkAnsweringChanged, this,
                              &CameraControlList::closeIfPending, Qt::QueuedConnection);
    closeIfPending();
}

void CameraControlList::closeIfPending() {
    const std::shared_ptr<IMount> mount = currentMount();
    if (mount && mount->linkAnswering())
        sendPendingClose(*mount);
}

void CameraControlList::openNotTaken(uint64_t opens) {
    // Opened again since: that opening brings its own close.
    if (opens != m_opens)
        return;
    oweClose();
    // At once, whether or not the link answers now: a link that lost only the answer carries the
    // close to the mount as it carried the open. Sent again, if not taken, as any pending close.
    if (const std::shared_ptr<IMount> mount = currentMount())
        sendPendingClose(*mount);
}

void CameraControlList::oweClose() {
    const bool owed = m_closePending;
    setClosePending(true);
    // Without a mount, once the disconnection has been seen with nothing pending: nobody told
    // the user yet that the shutter may still be open.
    if (!owed && !currentMount() && !m_followsMount)
        emit closeLeftPending();
}

void CameraControlList::sendPendingClose(IMount& mount) {
    if (!m_closePending || m_closeInFlight == m_opens)
        return;
    m_closeInFlight = m_opens;
    sendShutter(mount, false, [this, opens = m_opens](CmdRet r) {
        if (m_closeInFlight == opens)
            m_closeInFlight.reset();
        closeAnswered(opens, r);
    });
}

void CameraControlList::closeAnswered(uint64_t opens, CmdRet r) {
    // Opened again since: the close of that opening is the one that counts.
    if (opens != m_opens)
        return;
    setClosePending(!r.isOk());
    // A close that timed out while the link answers again now: the link came back while it
    // waited, and no change of the link's state is left to announce it.
    if (r.type == CmdRetType_::Timeout)
        closeIfPending();
}

void CameraControlList::setClosePending(bool pending) {
    if (std::exchange(m_closePending, pending) != pending)
        emit closePendingChanged();
}

void CameraControlList::startTask() {
    m_currentIndex = 0;
    m_current = m_cachedList.empty() ? nullptr : m_cachedList.front();
    m_ticks = kTicksPerStep;
    m_phase = 0;
    m_photosDone = 0;
    m_exposureLeft = -1;
    m_intervalLeft = -1;
    m_isRunning = true;
    ++m_run;
    // The run opens and closes the shutter itself: a close still pending would cut its exposure.
    ++m_opens;
    setClosePending(false);
    m_timer.start();
    emit isRunningChanged();
}

void CameraControlList::stopTask() {
    for (const Program& p : m_cachedList)
        p->setProgress(-2, 0, 0);
    m_ticks = 0;
    m_isRunning = false;
    m_current.reset();
    m_timer.stop();
    emit countChanged();
    emit isRunningChanged();
}

void CameraControlList::tick() {
    const std::shared_ptr<IMount> mount =
        m_mountConnection ? m_mountConnection->sharedMount() : nullptr;
    if (!mount) {
        // A run that loses its mount while it exposes leaves the shutter it opened open: its
        // close is owed to the next mount, as that of an opening the mount did not answer.
        const bool exposing = m_isRunning && m_phase == 1;
        stopTask();
        if (exposing)
            oweClose();
        return;
    }
    // Outside a timed run the ticks only count the shutter's open time.
    if (m_isBulb || !m_isRunning) {
        ++m_ticks;
        emit countChanged();
        return;
    }
    if (m_current && !takesPart(m_current)) {
        for (; m_currentIndex < m_cachedList.size(); ++m_currentIndex) {
            const Program& p = m_cachedList[m_currentIndex];
            if (takesPart(p)) {
                m_photosDone = 0;
                break;
            }
            m_photosDone = -1;
            p->setProgress(-1, m_exposureLeft, m_intervalLeft);
        }
        m_current = m_currentIndex < m_cachedList.size() ? m_cachedList[m_currentIndex] : nullptr;
        m_ticks = 1;
    } else if (m_current) {
        // Also after counting bulb tenths mid-run, which may have gone past a step.
        if (m_ticks < kTicksPerStep)
            ++m_ticks;
        else
            step(*mount);
    }
    if (!m_current) {
        // Only a program deleted from the list while it exposed ends a run with the shutter
        // open: nothing is left to run it down.
        if (m_phase == 1)
            switchShutterInRun(*mount, false);
        stopTask();
        emit taskDone();
    } else {
        emit listChanged();
    }
}

void CameraControlList::step(IMount& mount) {
    const Program current = m_current;
    switch (m_phase) {
    case 0:
        m_exposureLeft = current->exposureSec();
        m_intervalLeft = -1;
        switchShutterInRun(mount, true);
        m_phase = 1;
        break;
    case 1:
        m_exposureLeft -= 1;
        // Not a test for exactly zero: a fractional, zero or negative exposure must end too.
        if (!(m_exposureLeft > 0)) {
            switchShutterInRun(mount, false);
            m_exposureLeft = -1;
            m_intervalLeft = current->photoIntervalSec();
            m_phase = 2;
        }
        break;
    default:
        m_intervalLeft -= 1;
        if (!(m_intervalLeft > 0)) {
            ++m_photosDone;
            if (m_photosDone >= current->photos())
                m_photosDone = -1;
            m_phase = 0;
        }
        break;
    }
    current->setProgress(m_photosDone, m_exposureLeft, m_intervalLeft);
    if (m_photosDone == -1) {
        m_photosDone = 0;
        ++m_currentIndex;
        m_current = m_currentIndex < m_cachedList.size() ? m_cachedList[m_currentIndex] : nullptr;
    }
    m_ticks = 1;
}

void CameraControlList::sendShutter(IMount& mount, bool on, std::function<void(CmdRet)> then) {
    const uint64_t send = ++m_shutterSends;
    m_shutterMayBeOpen = true;
    // Parented here: gone with this, and with it the answer nobody is left to hear.
    auto* watcher = new QFutureWatcher<CmdRet>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, on, send, then = std::move(then)] {
                const QFuture<CmdRet> future = watcher->future();
                // A mount torn down before it answered said nothing: not acknowledged.
                const CmdRet r =
                    future.resultCount() > 0 ? future.result() : CmdRet(CmdRetType_::Other);
                if (!on && r.isOk() && m_shutterSends == send)
                    m_shutterMayBeOpen = false;
                then(r);
                watcher->deleteLater();
            });
    watcher->setFuture(mount.setCameraShutterAsync(on));
}

void CameraControlList::switchShutterInRun(IMount& mount, bool on) {
    if (on) {
        // As the button's opening: it brings its own close, and an older one pending is dropped.
        ++m_opens;
        setClosePending(false);
        sendShutter(mount, true, [this, run = m_run, opens = m_opens](CmdRet r) {
            if (r.isOk())
                return;
            emit commandError();
            if (m_isRunning && m_run == run)
                stopTask();
            openNotTaken(opens);
        });
        return;
    }
    // As the button's close: pending from the moment it is sent, and sent again until taken.
    m_closeInFlight = m_opens;
    setClosePending(true);
    sendShutter(mount, false, [this, run = m_run, opens = m_opens](CmdRet r) {
        if (m_closeInFlight == opens)
            m_closeInFlight.reset();
        if (!r.isOk()) {
            emit commandError();
            if (m_isRunning && m_run == run) {
                // Failed only once the run had opened the shutter again: ending the run now
                // leaves nothing to close that exposure, so its close is owed at once.
                const bool exposing = m_phase == 1;
                stopTask();
                if (exposing) {
                    setClosePending(true);
                    closeIfPending();
                }
            }
        }
        closeAnswered(opens, r);
    });
}

bool CameraControlList::takesPart(const Program& p) const {
    return p->enExposure() && p->photos() > 0;
}

void CameraControlList::followCurrent() {
    if (!m_current)
        return;
    const auto it = std::find(m_cachedList.begin(), m_cachedList.end(), m_current);
    if (it != m_cachedList.end()) {
        m_currentIndex = size_t(it - m_cachedList.begin());
        return;
    }
    // Gone: the program now at its place takes over, counting its own photos; an exposure in
    // progress still runs down and closes the shutter.
    m_currentIndex = std::min(m_currentIndex, m_cachedList.size());
    m_current = m_currentIndex < m_cachedList.size() ? m_cachedList[m_currentIndex] : nullptr;
    m_photosDone = 0;
}

void CameraControlList::store() {
    writeProfileList(m_store.get(), kKey, *m_codec, m_cachedList);
}

std::optional<QFuture<CmdRet>> CameraControlList::closeOpenedShutterFromAnyThread() {
    if (!m_shutterMayBeOpen.load())
        return std::nullopt;
    // The holder hands out the mount on any thread and keeps it alive while the close is sent.
    const std::shared_ptr<IMount> mount = currentMount();
    if (!mount)
        return QtFuture::makeReadyFuture(CmdRet(CmdRetType_::Other));
    return mount->setCameraShutterAsync(false);
}

} // namespace Ko
