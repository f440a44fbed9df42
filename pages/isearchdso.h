#pragma once

#include "base/astrolistuiitem.h"
#include "catalog/astroobj.h"

#include <QObject>
#include <QVariant>

namespace Ko {

// The catalogs a deep-sky object is searched in; seen by QML as "DeepSkyCatalog".
struct DeepSkyCatalog_ {
    Q_GADGET
public:
    enum E : int { IdM = 0, IdC = 1, IdIc = 2, IdNgc = 3 };
    Q_ENUM(E)
};

// One deep-sky object found by catalog and number, shown as one summary row, and a GoTo to it.
// Every write of dsoType or numberID, also of the value already there, runs the search again and
// emits valueChanged.
// Threads: main thread only.
class ISearchDSO : public QObject {
    Q_OBJECT
    Q_PROPERTY(Ko::DeepSkyCatalog_::E dsoType READ dsoType WRITE setDsoType NOTIFY valueChanged)
    Q_PROPERTY(int numberID READ numberID WRITE setNumberID NOTIFY valueChanged)
    Q_PROPERTY(Ko::AstroListUIItem show READ show NOTIFY valueChanged)
    Q_PROPERTY(bool searchSuccess READ searchSuccess NOTIFY valueChanged)
    Q_PROPERTY(bool slewToOk READ slewToOk NOTIFY valueChanged)
    // Why a GoTo to the object found is refused (a SlewToProhibition), undefined when it is not
    // or when nothing was found.
    Q_PROPERTY(QVariant slewToProhibition READ slewToProhibitionVariant NOTIFY valueChanged)
public:
    using QObject::QObject;

    Q_INVOKABLE virtual void refresh() = 0;
    // The object found, or a default object when there is none.
    Q_INVOKABLE virtual Ko::AstroObj getAstroObj() = 0;
    // Sends the mount to the object found at the last search; nothing without an object or a
    // mount. A GoTo the mount refuses is reported as a short message.
    Q_INVOKABLE virtual void startGoTo() = 0;
    virtual DeepSkyCatalog_::E dsoType() const = 0;
    virtual void setDsoType(DeepSkyCatalog_::E type) = 0;
    virtual int numberID() const = 0;
    // 0 or less finds nothing (-1 is the empty number field).
    virtual void setNumberID(int number) = 0;
    virtual AstroListUIItem show() const = 0;
    virtual bool searchSuccess() const = 0;
    // An object was found and the catalog settings raise no objection to a GoTo there.
    virtual bool slewToOk() const = 0;
    virtual QVariant slewToProhibitionVariant() const = 0;

signals:
    void valueChanged();
};

} // namespace Ko
