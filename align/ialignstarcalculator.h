#pragma once

#include "base/astrolistuiitem.h"
#include "base/nullable.h"
#include "catalog/astroobj.h"
#include "model/alignmenttype.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace Ko {

// A star the user picked from an alignment-star list: its name and position of date.
struct ChosenAlignStar {
    std::string name;
    CoordPair coordNow;
};

// The number of stars an alignment of this type uses.
int alignmentStarCount(AlignmentType_::E type);

// The star lists of an alignment: list 0 offers first stars, list 1 second stars once the first is
// chosen, list 2 third stars; for polar alignment list 0 offers the stars that show the correction.
// Builds rate the candidates for the moment of the call; the rows are filtered by the catalog
// settings and the page's search text and sorted by the catalog sort order.
// Threads: main thread only.
class IAlignStarCalculator : public QObject {
    Q_OBJECT
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list0 READ list0 NOTIFY list0Changed)
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list1 READ list1 NOTIFY list1Changed)
    Q_PROPERTY(std::vector<Ko::AstroListUIItem> list2 READ list2 NOTIFY list2Changed)
public:
    using QObject::QObject;

    virtual const std::vector<AstroListUIItem>& list0() const = 0;
    virtual const std::vector<AstroListUIItem>& list1() const = 0;
    virtual const std::vector<AstroListUIItem>& list2() const = 0;
    // Whether the page of list index012 is shown; becoming shown refreshes its rows.
    Q_INVOKABLE virtual void setDisplayed(int index012, bool displayed) = 0;
    virtual void setSearchText(int index012, const std::string& text) = 0;
    virtual void startLists(AlignmentType_::E type) = 0;
    virtual void firstStarChosen(AlignmentType_::E type, const ChosenAlignStar& first) = 0;
    virtual void secondStarChosen(AlignmentType_::E type, const ChosenAlignStar& first,
                                  const ChosenAlignStar& second) = 0;
    virtual void refreshVisible() = 0;
    // The star behind row i_uiList of list index012; empty when no such row exists.
    virtual Nullable<ChosenAlignStar> listItem(int index012, int i_uiList) const = 0;

    Q_INVOKABLE void setSearchText(int index012, const QString& text) {
        setSearchText(index012, text.toStdString());
    }

signals:
    void list0Changed();
    void list1Changed();
    void list2Changed();
};

} // namespace Ko
