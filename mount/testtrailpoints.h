#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

namespace Ko {

class IMountConnection;

// The developer page that sends a test sweep to the current mount: the hour angle runs from
// haStartDeg to haEndDeg at absRateDps, one point every intervalMs, at declination 45 degrees.
// Also holds the process's auto-flip threshold of trail-point runs.
// Threads: main thread only.
class TestTrailPoints : public QObject {
    Q_OBJECT
    Q_PROPERTY(double absRateDps READ absRateDps NOTIFY valueChanged)
    Q_PROPERTY(unsigned intervalMs READ intervalMs NOTIFY valueChanged)
    Q_PROPERTY(double haStartDeg READ haStartDeg NOTIFY valueChanged)
    Q_PROPERTY(double haEndDeg READ haEndDeg NOTIFY valueChanged)
    Q_PROPERTY(double autoFlipMeridianAbsDeg READ autoFlipMeridianAbsDeg NOTIFY valueChanged)
public:
    explicit TestTrailPoints(std::shared_ptr<IMountConnection> connection,
                             QObject* parent = nullptr);

    double absRateDps() const { return m_absRateDps; }
    unsigned intervalMs() const { return m_intervalMs; }
    double haStartDeg() const { return m_haStartDeg; }
    double haEndDeg() const { return m_haEndDeg; }
    double autoFlipMeridianAbsDeg() const;

    Q_INVOKABLE void setAbsRateDps(double v);
    Q_INVOKABLE void setIntervalMs(unsigned v);
    Q_INVOKABLE void setHaStartDeg(double v);
    Q_INVOKABLE void setHaEndDeg(double v);
    Q_INVOKABLE void setAutoFlipMeridianAbsDeg(double v);
    // Without a mount that can follow trail points, nothing happens.
    Q_INVOKABLE void start();

signals:
    void valueChanged();

private:
    const std::shared_ptr<IMountConnection> m_connection;
    double m_absRateDps = 0.125;
    unsigned m_intervalMs = 50;
    double m_haStartDeg = -20.0;
    double m_haEndDeg = 20.0;
};

} // namespace Ko
