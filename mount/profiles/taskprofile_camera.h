#pragma once

#include "mount/profiles/itaskprofile_camera.h"

namespace Ko {

// Threads: main thread only.
class TaskProfile_Camera : public ITaskProfile_Camera {
    Q_OBJECT
public:
    using ITaskProfile_Camera::ITaskProfile_Camera;

    double exposureSec() const override;
    double photoIntervalSec() const override;
    int photos() const override;
    bool enExposure() const override;
    void setExposureSec(double seconds) override;
    void setPhotoIntervalSec(double seconds) override;
    void setPhotos(int photos) override;
    void setEnExposure(bool enabled) override;
    QString exposureCur() const override;
    QString photoIntervalCur() const override;
    QString photosCur() const override;
    TaskProfile_Camera* clone() override;
    TaskProfile_Camera* createDefault() override;
    void setProgress(int photosDone, double exposureLeft, double intervalLeft) override;

private:
    double m_exposureSec = 10.0;
    double m_photoIntervalSec = 2.0;
    int m_photos = 1;
    bool m_enExposure = true;
    QString m_exposureCur;
    QString m_photoIntervalCur;
    QString m_photosCur;
};

class TaskProfile_Camera_Factory : public ITaskProfile_Camera_Factory {
public:
    std::shared_ptr<ITaskProfile_Camera> create() const override;
};

} // namespace Ko
