#pragma once

#include <QObject>
#include <QString>

namespace Ko {

// What the GoTo popup shows: whether a GoTo runs, its target and how far the mount still has to
// go. Every value is computed when read, from the current mount; valueChanged tells QML to read
// all of them again.
// Threads: main thread only.
class IGotoStatus : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool done READ done NOTIFY valueChanged)
    Q_PROPERTY(QString targetName READ targetName NOTIFY valueChanged)
    Q_PROPERTY(QString targetPosition1 READ targetPosition1 NOTIFY valueChanged)
    Q_PROPERTY(QString targetPosition2 READ targetPosition2 NOTIFY valueChanged)
    Q_PROPERTY(QString remainingAngle READ remainingAngle NOTIFY valueChanged)
    Q_PROPERTY(bool arrived READ arrived NOTIFY valueChanged)
public:
    using QObject::QObject;

    // true without a mount, and while the mount has no GoTo target.
    virtual bool done() const = 0;
    virtual QString targetName() const = 0;
    // The target in its own frame.
    virtual QString targetPosition1() const = 0;
    // A sky target as azimuth and altitude now; empty for the other frames.
    virtual QString targetPosition2() const = 0;
    // Degrees with one decimal; empty when the mount cannot tell.
    virtual QString remainingAngle() const = 0;
    // Done, and the GoTo that ended last reached its target: false also for one that was
    // aborted or failed, or that a client stopped on its way to send the mount elsewhere.
    virtual bool arrived() const = 0;

signals:
    void valueChanged();
};

} // namespace Ko
