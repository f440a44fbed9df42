#include "mount/imount.h"

#include <QCoreApplication>
#include <QMetaType>

namespace Ko {

IMount::IMount(QObject* parent) : QObject(parent) {
    // Queued signals and QML need these before the first mount reaches them; registering again
    // is cheap and harmless.
    qRegisterMetaType<MountMode_::E>();
    qRegisterMetaType<FlippingMode_::E>();
    qRegisterMetaType<TrailPointsProgress>();
    qRegisterMetaType<TrailPointsTaskInfo>();
}

IMount::~IMount() = default;

IMount::AcknowledgedTracking IMount::acknowledgedTracking() const {
    return {trackingEnabled(), trackingRate(), trackingTarget()};
}

bool IMount::stopPending() const {
    return false;
}

bool IMount::stopPendingOf(StoppedMotion) const {
    return false;
}

bool IMount::stopOpenEndedMotions() {
    return false;
}

bool IMount::linkAnswering() const {
    return true;
}

QString IMount::noAnswerText() {
    return QCoreApplication::translate("mount", "The mount does not answer.");
}

QVariant IMount::trailPointsTaskInfoVariant() const {
    const auto info = trailPointsTaskInfo();
    return info.hasValue() ? QVariant::fromValue(info.value()) : QVariant();
}

} // namespace Ko
