#pragma once

#include <functional>
#include <string>

class QJsonObject;

namespace Ko {

// Typed key-value settings. Reads take a default and return it whenever the stored value is
// missing or of another JSON type; there are no implicit conversions between types.
// Threads: any thread; implementations lock.
class IKVStore {
public:
    virtual ~IKVStore() = default;

    virtual QJsonObject json() const = 0;
    virtual void setJson(const QJsonObject& o) = 0;
    // Read-modify-write of the whole object as one step: no change another thread makes meanwhile
    // is lost, as it would be between json() and setJson(). change runs under the store's lock and
    // must not call the store.
    virtual void updateJson(const std::function<void(QJsonObject&)>& change) = 0;
    virtual std::string loadString(const std::string& key, const std::string& def) const = 0;
    virtual bool loadBool(const std::string& key, bool def) const = 0;
    virtual int loadInt(const std::string& key, int def) const = 0;
    virtual double loadDouble(const std::string& key, double def) const = 0;
    virtual void saveString(const std::string& key, const std::string& value) = 0;
    virtual void saveBool(const std::string& key, bool value) = 0;
    virtual void saveInt(const std::string& key, int value) = 0;
    virtual void saveDouble(const std::string& key, double value) = 0;
    virtual bool contains(const std::string& key) const = 0;
    virtual void remove(const std::string& key) = 0;
};

} // namespace Ko
