#pragma once

#include <QObject>
#include <QString>

namespace Ko {

// One object of the user's own, as the user-object pages edit it. Records live on the main
// thread; QML reads and writes them there.
// Threads: main thread only.
class IUserObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    // False after a read of the mount failed or found no mount: the values are then zeros that
    // nobody read or entered, and driving to them would send the mount far off. A value set by hand
    // or a read that succeeds gives the record a position again.
    Q_PROPERTY(bool hasPosition READ hasPosition NOTIFY hasPositionChanged)
public:
    using QObject::QObject;

    virtual QString name() const = 0;
    // Emits nameChanged even when the text is the same.
    virtual void setName(const QString& name) = 0;
    virtual bool hasPosition() const = 0;
    // Sends the current mount to the object; nothing when no mount is connected or the record
    // has no position.
    Q_INVOKABLE virtual void startGoTo() = 0;
    // A new record of the same kind, without parent, sharing the services and copying the values.
    virtual IUserObject* clone() const = 0;
    // Names the record "Current object" and fills it from the mount's present position, read on a
    // thread of its own; the values are written on the main thread, then loaded follows. A read
    // that fails, or finds no mount connected, leaves zeros and the record without a position.
    // A record destroyed meanwhile is left alone.
    Q_INVOKABLE virtual void loadCurrentAsync() = 0;

signals:
    void nameChanged();
    void loaded();
    void hasPositionChanged();
};

} // namespace Ko
