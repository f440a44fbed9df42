#include "mount/profiles/userobjectlist.h"

#include "mount/profiles/cameracontrollist.h"
#include "mount/profiles/profilelist.h"
#include "mount/profiles/taskprofile_camera.h"
#include "mount/profiles/taskprofile_ce.h"
#include "mount/profiles/taskprofile_te.h"
#include "mount/profiles/taskprofilejson.h"

namespace Ko {

namespace {
QString keyOf(UserObjectMode_::E mode) {
    switch (mode) {
    case UserObjectMode_::CE:
        return QStringLiteral("userobj.radec");
    case UserObjectMode_::TE:
        return QStringLiteral("userobj.axis");
    }
    return {};
}
} // namespace

UserObjectList::UserObjectList(std::shared_ptr<ITaskProfileJSON> codec,
                               std::shared_ptr<IKVStore> store, UserObjectMode_::E mode)
    : m_codec(std::move(codec)), m_store(std::move(store)), m_key(keyOf(mode)),
      m_cachedList(readProfileList(m_store.get(), m_key, *m_codec)),
      m_blank(m_codec->fromJson(QJsonObject())) {}

QList<QObject*> UserObjectList::list() const {
    return profilePointers(m_cachedList);
}

void UserObjectList::setList(const QList<QObject*>& list) {
    m_cachedList = takeProfilesInOrder(m_cachedList, list);
    store();
    emit listChanged();
}

IUserObject* UserObjectList::load(int index) {
    const std::shared_ptr<IUserObject> p = profileAt(m_cachedList, index);
    return p ? p->clone() : nullptr;
}

void UserObjectList::save(IUserObject* profile) {
    if (!profile || !profile->hasPosition())
        return;
    // Copied first: profile may itself be one of the records about to be released.
    std::shared_ptr<IUserObject> copy(profile->clone());
    const auto same = std::find_if(m_cachedList.begin(), m_cachedList.end(),
                                   [&](const auto& p) { return p->name() == copy->name(); });
    if (same != m_cachedList.end())
        m_cachedList.erase(same);
    m_cachedList.insert(m_cachedList.begin(), std::move(copy));
    store();
    emit listChanged();
}

IUserObject* UserObjectList::objectLoadCurrent() {
    return m_blank->clone();
}

void UserObjectList::store() {
    writeProfileList(m_store.get(), m_key, *m_codec, m_cachedList);
}

UserObjectServices createUserObjectServices(std::shared_ptr<IKVStore> store,
                                            std::shared_ptr<IAstroCalc> astroCalc,
                                            std::shared_ptr<IMountConnection> mountConnection,
                                            std::shared_ptr<const IGoToGuard> goToGuard) {
    const auto ceCodec = std::make_shared<TaskProfileJSON_CE>(
        std::make_shared<TaskProfile_CE_Factory>(astroCalc, mountConnection, std::move(goToGuard)));
    const auto teCodec = std::make_shared<TaskProfileJSON_TE>(
        std::make_shared<TaskProfile_TE_Factory>(astroCalc, mountConnection));
    const auto cameraCodec =
        std::make_shared<TaskProfileJSON_Camera>(std::make_shared<TaskProfile_Camera_Factory>());
    return {std::make_shared<UserObjectList>(ceCodec, store, UserObjectMode_::CE),
            std::make_shared<UserObjectList>(teCodec, store, UserObjectMode_::TE),
            std::make_shared<CameraControlList>(cameraCodec, store, mountConnection)};
}

} // namespace Ko
