#pragma once

#include "link/cmdret.h"
#include "mount/profiles/itaskprofile_camera.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace Ko {

// The user's exposure programs and the runs that fire the camera shutter through the current
// mount: timed runs of every enabled program in list order, or bulb mode, where the shutter stays
// open while the user holds it and count shows the open time.
// Threads: main thread only.
class ICameraControlList : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<QObject*> list READ list WRITE setList NOTIFY listChanged)
    Q_PROPERTY(QString count READ count NOTIFY countChanged)
    Q_PROPERTY(bool isBulb READ isBulb WRITE setIsBulb NOTIFY isBulbChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY isRunningChanged)
    Q_PROPERTY(bool closePending READ closePending NOTIFY closePendingChanged)
public:
    using QObject::QObject;

    // The list's own programs, first to last; valid while they are in the list.
    virtual QList<QObject*> list() const = 0;
    // A reordering or a subset of list(); anything else is a programming error. Stored at once.
    virtual void setList(const QList<QObject*>& list) = 0;
    // The open time in bulb mode, seconds with one decimal.
    virtual QString count() const = 0;
    virtual bool isBulb() const = 0;
    // Emits isBulbChanged even when the mode is the same.
    virtual void setIsBulb(bool bulb) = 0;
    virtual bool isRunning() const = 0;
    // A close of the shutter, the button's or a timed run's, that the mount did not
    // acknowledge, or one owed by an open that it did not acknowledge (the link may have lost
    // only the answer): the shutter may still be open. It is sent again once the mount answers,
    // until the mount takes it or the shutter is opened again.
    virtual bool closePending() const = 0;
    // A copy of the program at index (0 or less: the first), owned by the caller; null past the
    // end. Remembers the program for save.
    Q_INVOKABLE virtual Ko::ITaskProfile_Camera* load(int index) = 0;
    // A copy of profile takes the place of the program last loaded. Stored at once.
    Q_INVOKABLE virtual void save(Ko::ITaskProfile_Camera* profile) = 0;
    // Appends a program with the defaults. Stored at once.
    Q_INVOKABLE virtual void add() = 0;
    // Bulb mode: opens or closes the shutter and starts or stops the open-time count.
    Q_INVOKABLE virtual void shutterOnOff(bool on) = 0;
    Q_INVOKABLE virtual void startTask() = 0;
    // Ends a run; the shutter is left as it is.
    Q_INVOKABLE virtual void stopTask() = 0;

    // Any thread, also while the main thread is held (the last resort of a program whose display
    // went away): sends a close of the shutter this program opened and has not seen closed, by
    // the bulb button or a timed run, to the mount connected now, and returns its answer. Empty
    // when no shutter of this program may be open; a close that no mount could take comes back
    // unacknowledged.
    virtual std::optional<QFuture<Ko::CmdRet>> closeOpenedShutterFromAnyThread() = 0;

signals:
    void listChanged();
    void countChanged();
    void isBulbChanged();
    void isRunningChanged();
    void closePendingChanged();
    // A run went through the whole list.
    void taskDone();
    // The mount did not acknowledge a shutter command.
    void commandError();
    // The mount was disconnected while a close was pending: the shutter may still be open, and
    // the close waits for the next connection.
    void closeLeftPending();
};

} // namespace Ko
