#include "mount/profiles/taskprofile_camera.h"

#include <QCoreApplication>

#include <cmath>

namespace Ko {

namespace {
// Whole seconds left, or nothing for -1. Formatted from the truncated double, so a huge stored
// setting never goes through an out-of-range int conversion.
QString secondsLeftText(double seconds) {
    if (seconds == -1)
        return {};
    // + 0.0 turns a truncated -0 into 0.
    return QString::number(std::trunc(seconds) + 0.0, 'f', 0) + QLatin1Char('s');
}
} // namespace

double TaskProfile_Camera::exposureSec() const {
    return m_exposureSec;
}

double TaskProfile_Camera::photoIntervalSec() const {
    return m_photoIntervalSec;
}

int TaskProfile_Camera::photos() const {
    return m_photos;
}

bool TaskProfile_Camera::enExposure() const {
    return m_enExposure;
}

void TaskProfile_Camera::setExposureSec(double seconds) {
    m_exposureSec = seconds;
    emit valueChanged();
}

void TaskProfile_Camera::setPhotoIntervalSec(double seconds) {
    m_photoIntervalSec = seconds;
    emit valueChanged();
}

void TaskProfile_Camera::setPhotos(int photos) {
    m_photos = photos;
    emit valueChanged();
}

void TaskProfile_Camera::setEnExposure(bool enabled) {
    m_enExposure = enabled;
    emit valueChanged();
}

QString TaskProfile_Camera::exposureCur() const {
    return m_exposureCur;
}

QString TaskProfile_Camera::photoIntervalCur() const {
    return m_photoIntervalCur;
}

QString TaskProfile_Camera::photosCur() const {
    return m_photosCur;
}

TaskProfile_Camera* TaskProfile_Camera::clone() {
    auto* copy = new TaskProfile_Camera;
    copy->m_exposureSec = m_exposureSec;
    copy->m_photoIntervalSec = m_photoIntervalSec;
    copy->m_photos = m_photos;
    copy->m_enExposure = m_enExposure;
    emit valueChanged();
    return copy;
}

TaskProfile_Camera* TaskProfile_Camera::createDefault() {
    auto* fresh = new TaskProfile_Camera;
    emit valueChanged();
    return fresh;
}

void TaskProfile_Camera::setProgress(int photosDone, double exposureLeft, double intervalLeft) {
    if (photosDone == -2) {
        m_exposureCur.clear();
        m_photoIntervalCur.clear();
        m_photosCur.clear();
    } else if (photosDone == -1) {
        const QString done = QCoreApplication::translate("mount", "Done");
        m_exposureCur = done;
        m_photoIntervalCur = done;
        m_photosCur = done;
    } else {
        m_exposureCur = secondsLeftText(exposureLeft);
        m_photoIntervalCur = secondsLeftText(intervalLeft);
        m_photosCur = QString::number(photosDone);
    }
    emit valueCurChanged();
}

std::shared_ptr<ITaskProfile_Camera> TaskProfile_Camera_Factory::create() const {
    return std::make_shared<TaskProfile_Camera>();
}

} // namespace Ko
