#pragma once

#include "mount/profiles/itaskprofilejson.h"

#include <QJsonArray>
#include <QString>

#include <memory>
#include <vector>

namespace Ko {

// Threads: any thread.

class IKVStore;
class ITaskProfile_CE_Factory;
class ITaskProfile_TE_Factory;
class ITaskProfile_Camera_Factory;

// "name", "ra" (hours), "dec" (degrees), "j2000".
class TaskProfileJSON_CE : public ITaskProfileJSON {
public:
    explicit TaskProfileJSON_CE(std::shared_ptr<ITaskProfile_CE_Factory> factory);
    std::shared_ptr<IUserObject> fromJson(const QJsonObject& o) const override;
    QJsonObject toJson(const IUserObject* profile) const override;

private:
    const std::shared_ptr<ITaskProfile_CE_Factory> m_factory;
};

// "name", "axis1", "axis2" (degrees).
class TaskProfileJSON_TE : public ITaskProfileJSON {
public:
    explicit TaskProfileJSON_TE(std::shared_ptr<ITaskProfile_TE_Factory> factory);
    std::shared_ptr<IUserObject> fromJson(const QJsonObject& o) const override;
    QJsonObject toJson(const IUserObject* profile) const override;

private:
    const std::shared_ptr<ITaskProfile_TE_Factory> m_factory;
};

// "t_exposure", "t_interval" (seconds), "n_cycles" (photos), "enabled".
class TaskProfileJSON_Camera : public ITaskProfile_Camera_JSON {
public:
    explicit TaskProfileJSON_Camera(std::shared_ptr<ITaskProfile_Camera_Factory> factory);
    std::shared_ptr<ITaskProfile_Camera> fromJson(const QJsonObject& o) const override;
    QJsonObject toJson(const ITaskProfile_Camera* profile) const override;

private:
    const std::shared_ptr<ITaskProfile_Camera_Factory> m_factory;
};

// The array stored under key, one element per record; empty without a store, for a missing key
// or for a value that is not an array.
QJsonArray readProfileArray(const IKVStore* store, const QString& key);
// Replaces key with array in one step of the store, so that a concurrent write of another key is
// kept. Nothing without a store.
void writeProfileArray(IKVStore* store, const QString& key, const QJsonArray& array);

// The records stored under key, in order: an element that is not an object becomes a record
// with every default, so none is skipped.
template <class Codec>
auto readProfileList(const IKVStore* store, const QString& key, const Codec& codec) {
    std::vector<decltype(codec.fromJson(QJsonObject()))> list;
    for (const QJsonValue& element : readProfileArray(store, key))
        list.push_back(codec.fromJson(element.toObject()));
    return list;
}

template <class Codec, class List>
void writeProfileList(IKVStore* store, const QString& key, const Codec& codec, const List& list) {
    if (!store)
        return;
    QJsonArray array;
    for (const auto& profile : list)
        array.append(codec.toJson(profile.get()));
    writeProfileArray(store, key, array);
}

} // namespace Ko
