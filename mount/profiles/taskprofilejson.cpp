#include "mount/profiles/taskprofilejson.h"

#include "base/ikvstore.h"
#include "base/koassert.h"
#include "mount/profiles/itaskprofile_camera.h"
#include "mount/profiles/itaskprofile_ce.h"
#include "mount/profiles/itaskprofile_te.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace Ko {

namespace {

// Each setter is called only for a value of the expected JSON type, so that its signal fires
// exactly for the fields the element holds.
void readString(const QJsonObject& o, const char* key, const std::function<void(QString)>& set) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isString())
        set(v.toString());
}

void readDouble(const QJsonObject& o, const char* key, const std::function<void(double)>& set) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isDouble())
        set(v.toDouble());
}

void readBool(const QJsonObject& o, const char* key, const std::function<void(bool)>& set) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isBool())
        set(v.toBool());
}

// Toward zero; a count beyond int's range is held at its end rather than converted with
// undefined behaviour.
int truncatedInt(double d) {
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(d), kMin, kMax));
}

} // namespace

TaskProfileJSON_CE::TaskProfileJSON_CE(std::shared_ptr<ITaskProfile_CE_Factory> factory)
    : m_factory(std::move(factory)) {}

std::shared_ptr<IUserObject> TaskProfileJSON_CE::fromJson(const QJsonObject& o) const {
    const std::shared_ptr<ITaskProfile_CE> p = m_factory->create();
    readString(o, "name", [&](const QString& v) { p->setName(v); });
    readDouble(o, "ra", [&](double v) { p->setRa(v); });
    readDouble(o, "dec", [&](double v) { p->setDec(v); });
    readBool(o, "j2000", [&](bool v) { p->setIsJ2000(v); });
    return p;
}

QJsonObject TaskProfileJSON_CE::toJson(const IUserObject* profile) const {
    const auto* p = qobject_cast<const ITaskProfile_CE*>(profile);
    KO_ASSERT(p);
    QJsonObject o;
    o.insert("name", p->name());
    o.insert("ra", p->ra());
    o.insert("dec", p->dec());
    o.insert("j2000", p->isJ2000());
    return o;
}

TaskProfileJSON_TE::TaskProfileJSON_TE(std::shared_ptr<ITaskProfile_TE_Factory> factory)
    : m_factory(std::move(factory)) {}

std::shared_ptr<IUserObject> TaskProfileJSON_TE::fromJson(const QJsonObject& o) const {
    const std::shared_ptr<ITaskProfile_TE> p = m_factory->create();
    readString(o, "name", [&](const QString& v) { p->setName(v); });
    readDouble(o, "axis1", [&](double v) { p->setAxis1(v); });
    readDouble(o, "axis2", [&](double v) { p->setAxis2(v); });
    return p;
}

QJsonObject TaskProfileJSON_TE::toJson(const IUserObject* profile) const {
    const auto* p = qobject_cast<const ITaskProfile_TE*>(profile);
    KO_ASSERT(p);
    QJsonObject o;
    o.insert("name", p->name());
    o.insert("axis1", p->axis1());
    o.insert("axis2", p->axis2());
    return o;
}

TaskProfileJSON_Camera::TaskProfileJSON_Camera(std::shared_ptr<ITaskProfile_Camera_Factory> factory)
    : m_factory(std::move(factory)) {}

std::shared_ptr<ITaskProfile_Camera> TaskProfileJSON_Camera::fromJson(const QJsonObject& o) const {
    const std::shared_ptr<ITaskProfile_Camera> p = m_factory->create();
    readDouble(o, "t_exposure", [&](double v) { p->setExposureSec(v); });
    readDouble(o, "t_interval", [&](double v) { p->setPhotoIntervalSec(v); });
    readDouble(o, "n_cycles", [&](double v) { p->setPhotos(truncatedInt(v)); });
    readBool(o, "enabled", [&](bool v) { p->setEnExposure(v); });
    return p;
}

QJsonObject TaskProfileJSON_Camera::toJson(const ITaskProfile_Camera* profile) const {
    KO_ASSERT(profile);
    QJsonObject o;
    o.insert("t_exposure", profile->exposureSec());
    o.insert("t_interval", profile->photoIntervalSec());
    o.insert("n_cycles", profile->photos());
    o.insert("enabled", profile->enExposure());
    return o;
}

QJsonArray readProfileArray(const IKVStore* store, const QString& key) {
    if (!store)
        return {};
    return store->json().value(key).toArray();
}

void writeProfileArray(IKVStore* store, const QString& key, const QJsonArray& array) {
    if (!store)
        return;
    store->updateJson([&](QJsonObject& o) { o.insert(key, array); });
}

} // namespace Ko
