#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "catalog/astroobj.h"

#include <QObject>

namespace Ko {

// The sort order of the catalog lists; seen by QML as "CatalogSortOrder".
struct CatalogSortOrder_ {
    Q_GADGET
public:
    enum E : int { Vmag = 0, Name = 1, Az = 2 };
    Q_ENUM(E)
};

// Why a GoTo is refused; seen by QML as "SlewToProhibition".
struct SlewToProhibition_ {
    Q_GADGET
public:
    enum E : int { AltitudeOutOfRange = 0, TooCloseToSun = 1 };
    Q_ENUM(E)
};

// Why a GoTo is refused, as the user reads it: translated in the context "mount".
QString slewToProhibitionText(SlewToProhibition_::E why);

// The user's choices that shape the catalog lists and guard a GoTo. A write of the current value
// does nothing; any other write saves, fires `changed`, then emits settingsChanged_q.
// Threads: any thread.
class ICatalogSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(Ko::CatalogSortOrder_::E sortOrder READ sortOrder WRITE setSortOrder NOTIFY
                   settingsChanged_q)
    Q_PROPERTY(bool enableVmagFilter READ enableVmagFilter WRITE setEnableVmagFilter NOTIFY
                   settingsChanged_q)
    Q_PROPERTY(float maxStarVmag READ maxStarVmag WRITE setMaxStarVmag NOTIFY settingsChanged_q)
    Q_PROPERTY(float maxDsoVmag READ maxDsoVmag WRITE setMaxDsoVmag NOTIFY settingsChanged_q)
    Q_PROPERTY(bool enableAltRangeViewFilter READ enableAltRangeViewFilter WRITE
                   setEnableAltRangeViewFilter NOTIFY settingsChanged_q)
    Q_PROPERTY(bool enableObserveSun READ enableObserveSun WRITE setEnableObserveSun NOTIFY
                   settingsChanged_q)
public:
    using QObject::QObject;

    eventpp::CallbackList<void()> changed;

    virtual CatalogSortOrder_::E sortOrder() const = 0;
    virtual void setSortOrder(CatalogSortOrder_::E v) = 0;
    virtual bool enableVmagFilter() const = 0;
    virtual void setEnableVmagFilter(bool v) = 0;
    virtual float maxStarVmag() const = 0;
    virtual void setMaxStarVmag(float v) = 0;
    virtual float maxDsoVmag() const = 0;
    virtual void setMaxDsoVmag(float v) = 0;
    virtual bool enableAltRangeViewFilter() const = 0;
    virtual void setEnableAltRangeViewFilter(bool v) = 0;
    // The user allowed GoTo near the Sun, and the permission has not lapsed.
    virtual bool enableObserveSun() const = 0;
    virtual void setEnableObserveSun(bool v) = 0;

    // The object is hidden from a list: fainter than the magnitude limit of its kind, or below the
    // lower altitude limit while that filter is on. azAlt is the object's azimuth and altitude
    // when the caller has them; otherwise they are computed now.
    virtual bool isFilteredOut(const AstroObj& obj, bool useDsoVmagLimit,
                               const Nullable<CoordPair>& azAlt) const = 0;
    // Why a GoTo to a position of date must be refused, or empty when it may go ahead.
    virtual Nullable<SlewToProhibition_::E>
    slewToProhibition(const CoordPair& raDecNow, const Nullable<CoordPair>& azAlt) const = 0;

signals:
    void settingsChanged_q();
};

} // namespace Ko
