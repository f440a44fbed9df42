#pragma once

#include <QList>
#include <QObject>
#include <QVariantMap>

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroFormat;
class ILocation;
class IAstroClock;

// The facts beside the polar-scope reticle: site longitude, local time and where the pole star
// sits on the reticle as a clock reading. Rows are rebuilt only by update(), which the page calls
// on its own timer.
// Threads: main thread only.
class PolarScopeInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool north READ north WRITE setNorth NOTIFY northChanged)
    Q_PROPERTY(QList<QVariantMap> infoList READ infoList NOTIFY infoListChanged)
public:
    PolarScopeInfo(std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IAstroFormat> astroFormat,
                   std::shared_ptr<ILocation> location, std::shared_ptr<IAstroClock> astroClock);

    bool north() const { return m_north; }
    void setNorth(bool north);
    const QList<QVariantMap>& infoList() const { return m_infoList; }

    // Each row maps "field" to its label and "fieldValue" to its text.
    Q_INVOKABLE void update();

signals:
    void northChanged();
    void infoListChanged();

private:
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<IAstroFormat> m_astroFormat;
    std::shared_ptr<ILocation> m_location;
    std::shared_ptr<IAstroClock> m_astroClock;
    bool m_north = true;
    QList<QVariantMap> m_infoList;
};

} // namespace Ko
