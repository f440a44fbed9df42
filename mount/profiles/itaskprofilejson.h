#pragma once

#include <QJsonObject>

#include <memory>

namespace Ko {

class IUserObject;
class ITaskProfile_Camera;

// The stored form of one record. Reading never fails: a missing key or a value of another JSON
// type leaves the field's default, and unknown keys are ignored.
// Threads: any thread.
class ITaskProfileJSON {
public:
    virtual ~ITaskProfileJSON() = default;
    virtual std::shared_ptr<IUserObject> fromJson(const QJsonObject& o) const = 0;
    // profile must be of the codec's own kind.
    virtual QJsonObject toJson(const IUserObject* profile) const = 0;
};

class ITaskProfile_Camera_JSON {
public:
    virtual ~ITaskProfile_Camera_JSON() = default;
    virtual std::shared_ptr<ITaskProfile_Camera> fromJson(const QJsonObject& o) const = 0;
    virtual QJsonObject toJson(const ITaskProfile_Camera* profile) const = 0;
};

} // namespace Ko
