#include "link/wifimodule/wifisetting.h"

#include <QtQml/qqml.h>

namespace Ko {

namespace {

template <class T>
QVariant variantOf(const Nullable<T>& v) {
    return v.hasValue() ? QVariant::fromValue(v.value()) : QVariant();
}

// Anything that is not the record (undefined, null, another type) clears the part.
template <class T>
void assignFrom(Nullable<T>& target, const QVariant& v) {
    if (v.metaType() == QMetaType::fromType<T>())
        target.set(v.value<T>());
    else
        target.reset();
}

template <class Holder>
void registerEnum(const char* uri, int major, int minor, const char* element) {
    qmlRegisterUncreatableMetaObject(Holder::staticMetaObject, uri, major, minor, element,
                                     QStringLiteral("%1 only holds an enumeration").arg(element));
}

} // namespace

QVariant WifiSetting::qmlAp() const {
    return variantOf(ap);
}

void WifiSetting::setQmlAp(const QVariant& v) {
    assignFrom(ap, v);
}

QVariant WifiSetting::qmlSta() const {
    return variantOf(sta);
}

void WifiSetting::setQmlSta(const QVariant& v) {
    assignFrom(sta, v);
}

QVariant WifiSetting::qmlState() const {
    return variantOf(state);
}

QVariant WMWriteResult::qmlNeedConnect() const {
    return variantOf(needConnect);
}

void registerWifiQmlTypes(const char* uri, int versionMajor, int versionMinor) {
    qRegisterMetaType<WifiAPSetting>();
    qRegisterMetaType<WifiSTASetting>();
    qRegisterMetaType<WifiSetting>();
    qRegisterMetaType<WMWriteResult>();
    registerEnum<WifiMode_>(uri, versionMajor, versionMinor, "WifiMode");
    registerEnum<WifiSec_>(uri, versionMajor, versionMinor, "WifiSec");
    registerEnum<WMState_>(uri, versionMajor, versionMinor, "WMState");
    registerEnum<WMLimit_>(uri, versionMajor, versionMinor, "WMLimit");
}

} // namespace Ko
