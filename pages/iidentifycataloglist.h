#pragma once

#include "base/astrolistuiitem.h"
#include "catalog/astroobj.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace Ko {

// What lies within 20 degrees of where the mount or the device points: named stars, deep-sky
// objects and solar-system bodies, nearest first.
// Threads: main thread only; the results arrive later through listChanged (or readError when the
// mount could not be read).
class IIdentifyCatalogList : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool useDeviceOri READ useDeviceOri WRITE setUseDeviceOri NOTIFY settingChanged)
    Q_PROPERTY(QString azAlt READ azAlt NOTIFY listChanged)
    Q_PROPERTY(QString raDec READ raDec NOTIFY listChanged)
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list READ list NOTIFY listChanged)
public:
    using QObject::QObject;

    // The object of a row of the current list; a default object outside it.
    Q_INVOKABLE virtual Ko::AstroObj getAstroObj(int index) = 0;
    // Empties the page at once and starts a new identification; a result of an earlier one that
    // is still on its way is dropped.
    Q_INVOKABLE virtual void refresh() = 0;
    virtual std::vector<AstroListUIItem> list() const = 0;
    // false: the mount's direction; true: the device's.
    virtual bool useDeviceOri() const = 0;
    // A change starts a new identification; the value it already has does nothing.
    virtual void setUseDeviceOri(bool value) = 0;
    virtual std::string azAltText() const = 0;
    virtual std::string raDecText() const = 0;

    virtual QString azAlt() const { return QString::fromStdString(azAltText()); }
    virtual QString raDec() const { return QString::fromStdString(raDecText()); }

signals:
    void listChanged();
    void settingChanged();
    void readError();
};

} // namespace Ko
