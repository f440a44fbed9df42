#pragma once

#include "mount/profiles/iuserobject.h"

#include <QList>
#include <QObject>

namespace Ko {

// The user's objects of one kind, stored across restarts. The top of the list is the object
// saved last.
// Threads: main thread only.
class IUserObjectList : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<QObject*> list READ list WRITE setList NOTIFY listChanged)
public:
    using QObject::QObject;

    // The list's own records, first to last; valid while they are in the list.
    virtual QList<QObject*> list() const = 0;
    // A reordering or a subset of list(); anything else is a programming error. Stored at once.
    virtual void setList(const QList<QObject*>& list) = 0;
    // A copy of the record at index (0 or less: the first), owned by the caller; null past the
    // end.
    Q_INVOKABLE virtual Ko::IUserObject* load(int index) = 0;
    // A copy of profile goes to the top, in place of a record of exactly the same name. Stored at
    // once. A record without a position is not saved: it would put zeros in place of a stored
    // object.
    Q_INVOKABLE virtual void save(Ko::IUserObject* profile) = 0;
    // A new record with the defaults, owned by the caller, to be filled from the mount.
    Q_INVOKABLE virtual Ko::IUserObject* objectLoadCurrent() = 0;

signals:
    void listChanged();
};

} // namespace Ko
