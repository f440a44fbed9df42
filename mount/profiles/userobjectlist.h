#pragma once

#include "mount/profiles/iuserobjectlist.h"
#include "mount/profiles/userobjectmode.h"

#include <QString>

#include <memory>
#include <vector>

namespace Ko {

class IAstroCalc;
class IGoToGuard;
class IKVStore;
class IMountConnection;
class ITaskProfileJSON;
class CameraControlList;

// Threads: main thread only.
class UserObjectList : public IUserObjectList {
    Q_OBJECT
public:
    // Reads the list of its kind from store (which may be null) once; from then on the list is
    // the truth and every change is written back whole.
    UserObjectList(std::shared_ptr<ITaskProfileJSON> codec, std::shared_ptr<IKVStore> store,
                   UserObjectMode_::E mode);

    QList<QObject*> list() const override;
    void setList(const QList<QObject*>& list) override;
    IUserObject* load(int index) override;
    void save(IUserObject* profile) override;
    IUserObject* objectLoadCurrent() override;

private:
    void store();

    const std::shared_ptr<ITaskProfileJSON> m_codec;
    const std::shared_ptr<IKVStore> m_store;
    const QString m_key;
    std::vector<std::shared_ptr<IUserObject>> m_cachedList;
    // Every default: what objectLoadCurrent copies.
    const std::shared_ptr<IUserObject> m_blank;
};

// The user-object lists and the exposure-program list, as the application publishes them.
struct UserObjectServices {
    std::shared_ptr<UserObjectList> celestial;
    std::shared_ptr<UserObjectList> terrestrial;
    std::shared_ptr<CameraControlList> cameraControl;
};

// Builds the three services, each over its own factory and codec, reading their stored lists.
// Every celestial object's GoTo asks goToGuard first.
UserObjectServices createUserObjectServices(std::shared_ptr<IKVStore> store,
                                            std::shared_ptr<IAstroCalc> astroCalc,
                                            std::shared_ptr<IMountConnection> mountConnection,
                                            std::shared_ptr<const IGoToGuard> goToGuard);

} // namespace Ko
