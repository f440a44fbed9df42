#pragma once

#include <QObject>
#include <QVariantList>

#include <memory>

namespace Ko {

class AZTrackingLogger;

// The developer page of the altitude-azimuth tracking loop: its gains, which a running task picks
// up at its next step, and the newest samples of the loop's error terms and output. Lives on the
// main thread; streamChanged is emitted from the tracking task's thread and reaches QML queued.
// Threads: main thread only; streamChanged comes from the tracking task's thread.
class TestAZTracking : public QObject {
    Q_OBJECT
    Q_PROPERTY(double p READ p NOTIFY pChanged)
    Q_PROPERTY(double i READ i NOTIFY iChanged)
    Q_PROPERTY(double d READ d NOTIFY dChanged)
    Q_PROPERTY(QVariantList streamChannels READ streamChannels CONSTANT)
    Q_PROPERTY(int streamLength READ streamLength CONSTANT)
public:
    explicit TestAZTracking(QObject* parent = nullptr);
    ~TestAZTracking() override;

    double p() const;
    double i() const;
    double d() const;
    QVariantList streamChannels() const;
    // How many of the newest samples the page shows per channel and axis.
    int streamLength() const { return 4; }

    // Each setter emits its signal even when the value is unchanged.
    Q_INVOKABLE void setP(double value);
    Q_INVOKABLE void setI(double value);
    Q_INVOKABLE void setD(double value);
    // index 0 is the newest sample; axis 0 is axis 1. An unknown channel reads 0.0.
    Q_INVOKABLE double streamValue(int channelIndex, int index, int axis) const;

signals:
    void pChanged();
    void iChanged();
    void dChanged();
    void streamChanged();

private:
    std::shared_ptr<AZTrackingLogger> m_logger;
};

} // namespace Ko
