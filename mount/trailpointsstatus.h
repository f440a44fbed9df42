#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroFormat;
class IMountConnection;

// Where the mount points during a trail-points run, as the run's popup shows it: right
// ascension and declination of date, and azimuth and altitude. Computed when read from the
// mount's last axis reading, without traffic; every new reading and every change of mount make
// QML read both again. Empty without a mount.
// Threads: main thread only.
class TrailPointsStatus : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString targetPosition1 READ targetPosition1 NOTIFY valueChanged)
    Q_PROPERTY(QString targetPosition2 READ targetPosition2 NOTIFY valueChanged)
public:
    TrailPointsStatus(std::shared_ptr<IMountConnection> connection,
                      std::shared_ptr<IAstroFormat> astroFormat,
                      std::shared_ptr<IAstroCalc> astroCalc);

    QString targetPosition1() const;
    QString targetPosition2() const;

signals:
    void valueChanged();

private:
    const std::shared_ptr<IMountConnection> m_connection;
    const std::shared_ptr<IAstroFormat> m_astroFormat;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
};

} // namespace Ko
