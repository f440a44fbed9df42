#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace Ko {

// One exposure program for a camera whose shutter the mount switches: photos of exposureSec
// each, photoIntervalSec apart. The three progress texts are shown while a run steps through it;
// they are never stored.
// Threads: main thread only.
class ITaskProfile_Camera : public QObject {
    Q_OBJECT
    Q_PROPERTY(double exposureSec READ exposureSec WRITE setExposureSec NOTIFY valueChanged)
    Q_PROPERTY(
        double photoIntervalSec READ photoIntervalSec WRITE setPhotoIntervalSec NOTIFY valueChanged)
    Q_PROPERTY(int photos READ photos WRITE setPhotos NOTIFY valueChanged)
    Q_PROPERTY(bool enExposure READ enExposure WRITE setEnExposure NOTIFY valueChanged)
    Q_PROPERTY(QString exposureCur READ exposureCur NOTIFY valueCurChanged)
    Q_PROPERTY(QString photoIntervalCur READ photoIntervalCur NOTIFY valueCurChanged)
    Q_PROPERTY(QString photosCur READ photosCur NOTIFY valueCurChanged)
public:
    using QObject::QObject;

    virtual double exposureSec() const = 0;
    virtual double photoIntervalSec() const = 0;
    virtual int photos() const = 0;
    virtual bool enExposure() const = 0;
    // Each setter emits valueChanged, also for an unchanged value.
    virtual void setExposureSec(double seconds) = 0;
    virtual void setPhotoIntervalSec(double seconds) = 0;
    virtual void setPhotos(int photos) = 0;
    virtual void setEnExposure(bool enabled) = 0;
    virtual QString exposureCur() const = 0;
    virtual QString photoIntervalCur() const = 0;
    virtual QString photosCur() const = 0;
    // A new program without parent: the four settings copied, no progress. Emits valueChanged on
    // this object.
    virtual ITaskProfile_Camera* clone() = 0;
    // A new program with the defaults. Emits valueChanged on this object.
    virtual ITaskProfile_Camera* createDefault() = 0;
    // photosDone -2 clears the texts, -1 shows "Done" in all three; otherwise the seconds left
    // (-1: none, empty text) and the photos done. Emits valueCurChanged.
    virtual void setProgress(int photosDone, double exposureLeft, double intervalLeft) = 0;

signals:
    void valueChanged();
    void valueCurChanged();
};

class ITaskProfile_Camera_Factory {
public:
    virtual ~ITaskProfile_Camera_Factory() = default;
    // A program with the defaults: 10 s exposure, 2 s interval, 1 photo, enabled.
    virtual std::shared_ptr<ITaskProfile_Camera> create() const = 0;
};

} // namespace Ko
