#pragma once

#include "mount/profiles/icameracontrollist.h"

#include "link/cmdret.h"

#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ko {

class IKVStore;
class IMount;
class IMountConnection;
class ITaskProfile_Camera_JSON;

// Runs on the main thread: QML calls and the timer's ticks. The shutter commands run on the
// mount's worker and their answers come back here later, so a slow or dead link never holds the
// main thread. A run goes on as if the shutter switched; a refusal that comes back ends the run
// it was sent for (not a later one). In bulb mode the open-time count starts and stops when the
// mount acknowledged the switch.
//
// A close, the button's or a timed run's, is pending from the moment it is sent until the mount
// acknowledges it, so that the program's end waits for it. One the mount did not acknowledge (the
// link died while the button was held, or during a run's exposure) stops the count or the run at
// once, since the open time is no longer known, and stays pending: the shutter may still be open,
// and nothing else would ever close it. A run ended by a close refused late, while it was already
// exposing again, owes that exposure its close as well. So does an open the mount did not
// acknowledge, the button's or one at any step of a run (which it ends): a link that lost only
// the answer may have carried it, and the shutter may be open. No close of it has gone out yet,
// so that one is sent at once, whether or not the link answers, since such a link carries it too.
// And so does a release of the button with no mount to take it while the shutter may be open.
// Like a pending stop of the axes, a pending close is sent again once the mount answers again
// (the current mount's link comes back, or a mount is connected in its place), until the mount
// takes it. Opening the shutter again, by the button or a timed run, drops it: that open brings
// its own close, and a late answer to the old close neither stops the new count nor sends that
// close again. A disconnection that leaves the close pending is announced (closeLeftPending).
//
// A run steps once a second (every tenth tick): open the shutter, count the exposure down and
// close it, count the interval down, and after the program's last photo go on with the next
// enabled program. Exposures and intervals that are not whole seconds end at the first step that
// reaches or passes zero, so the shutter never stays open for good; a program of no photos is
// passed over like a disabled one. The running program is followed by identity, so editing the
// list during a run never leaves the run on a program that is gone.
// Threads: main thread only.
class CameraControlList : public ICameraControlList {
    Q_OBJECT
public:
    static constexpr int kTickMs = 100;
    static constexpr int kTicksPerStep = 10;

    // tickMs stands in for the tick period in tests.
    CameraControlList(std::shared_ptr<ITaskProfile_Camera_JSON> codec,
                      std::shared_ptr<IKVStore> store,
                      std::shared_ptr<IMountConnection> mountConnection, int tickMs = kTickMs);

    QList<QObject*> list() const override;
    void setList(const QList<QObject*>& list) override;
    QString count() const override;
    bool isBulb() const override;
    void setIsBulb(bool bulb) override;
    bool isRunning() const override;
    bool closePending() const override;
    ITaskProfile_Camera* load(int index) override;
    void save(ITaskProfile_Camera* profile) override;
    void add() override;
    void shutterOnOff(bool on) override;
    void startTask() override;
    void stopTask() override;

    // What the timer does every tick; public so that a test can step the service itself.
    void tick();

    // Any thread (see ICameraControlList).
    std::optional<QFuture<CmdRet>> closeOpenedShutterFromAnyThread() override;

private:
    using Program = std::shared_ptr<ITaskProfile_Camera>;

    void store();
    // After a change of the list: the run goes on with its program wherever it now stands; when
    // that program is gone, with the one now at its place, from its start.
    void followCurrent();
    bool takesPart(const Program& p) const;
    // One one-second step of the current program.
    void step(IMount& mount);
    // Sends the switch; the answer reaches then on this thread, unless this is gone.
    void sendShutter(IMount& mount, bool on, std::function<void(CmdRet)> then);
    // A switch within the run: a refusal ends the run it was sent for.
    void switchShutterInRun(IMount& mount, bool on);
    std::shared_ptr<IMount> currentMount() const;
    // Listens to the link of the mount now connected, and closes the shutter there if pending.
    void followMount();
    // Sends the pending close, unless one is on its way or the mount does not answer now.
    void closeIfPending();
    // As closeIfPending, whether or not the mount answers now.
    void sendPendingClose(IMount& mount);
    // The mount did not acknowledge the open numbered opens, which may have opened the shutter
    // all the same: unless opened again since, its close is owed and sent at once.
    void openNotTaken(uint64_t opens);
    // The shutter may be open and no close of it was taken: the close is pending.
    void oweClose();
    // The mount's answer to a close sent after the open numbered opens.
    void closeAnswered(uint64_t opens, CmdRet r);
    void setClosePending(bool pending);

    const std::shared_ptr<ITaskProfile_Camera_JSON> m_codec;
    const std::shared_ptr<IKVStore> m_store;
    const std::shared_ptr<IMountConnection> m_mountConnection;
    QTimer m_timer{this};
    std::vector<Program> m_cachedList;

    // The program last handed out by load; save puts its copy in that program's place.
    std::weak_ptr<ITaskProfile_Camera> m_edited;
    // The run's position: m_currentIndex == size means past the last program.
    size_t m_currentIndex = 0;
    Program m_current;
    int m_ticks = 0;
    int m_phase = 0; // 0: the next step opens the shutter; 1: exposing; 2: waiting the interval
    double m_exposureLeft = -1;
    double m_intervalLeft = -1;
    int m_photosDone = 0;
    bool m_isBulb = false;
    bool m_isRunning = false;
    // Counts the runs started, so that a late answer finds the run it belongs to.
    uint64_t m_run = 0;
    // Counts the shutter's openings (the button's and the runs'), so that a close answered late
    // knows whether the shutter was opened again since.
    uint64_t m_opens = 0;
    bool m_closePending = false;
    // The opening whose close is on its way to the mount, if any.
    std::optional<uint64_t> m_closeInFlight;
    // A mount was connected when the holder last announced one.
    bool m_followsMount = false;
    QMetaObject::Connection m_linkAnswering;

    // For closeOpenedShutterFromAnyThread, on any thread: the switches sent so far, and whether
    // the shutter may be open after them (an open sent, or a close not yet acknowledged here).
    std::atomic<uint64_t> m_shutterSends{0};
    std::atomic<bool> m_shutterMayBeOpen{false};
};

} // namespace Ko
