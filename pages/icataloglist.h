#pragma once

#include "base/astrolistuiitem.h"
#include "catalog/astroobj.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace Ko {

// One catalog page's list for QML: the rows of a raw source that pass the catalog filter and the
// search text, sorted in the catalog sort order. Row i describes the object getAstroObj(i).
// Threads: main thread only.
class ICatalogList : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list READ list NOTIFY listChanged)
    Q_PROPERTY(bool loadingList READ loadingList NOTIFY listChanged)
public:
    using QObject::QObject;

    // The object of one current row; an empty object for an index outside the rows.
    Q_INVOKABLE virtual Ko::AstroObj getAstroObj(int index) const = 0;
    // The page calls this with true when it becomes the active page, false when it stops being.
    Q_INVOKABLE virtual void setDisplayed(bool displayed) = 0;
    // UTF-8; only ASCII letters are folded for the search.
    virtual void setSearchText(const std::string& text) = 0;
    virtual const std::vector<AstroListUIItem>& list() const = 0;
    virtual bool loadingList() const = 0;

    Q_INVOKABLE void setSearchText(const QString& text) { setSearchText(text.toStdString()); }

signals:
    // Both when a reload starts (no rows, loading) and when the rows are rebuilt.
    void listChanged();
};

} // namespace Ko
