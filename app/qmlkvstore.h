#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace Ko {

class IKVStore;

// The settings store as QML sees it. Nothing is cached here: every call reaches the store at
// once, so a save from QML is on disk when the call returns.
// Threads: main thread only.
class QmlKVStore : public QObject {
    Q_OBJECT
public:
    explicit QmlKVStore(std::shared_ptr<IKVStore> store);

    Q_INVOKABLE QString loadString(const QString& key, const QString& defaultVal) const;
    Q_INVOKABLE bool loadBool(const QString& key, bool defaultVal) const;
    Q_INVOKABLE int loadInt(const QString& key, int defaultVal) const;
    Q_INVOKABLE double loadDouble(const QString& key, double defaultVal) const;
    Q_INVOKABLE void saveString(const QString& key, const QString& val);
    Q_INVOKABLE void saveBool(const QString& key, bool val);
    Q_INVOKABLE void saveInt(const QString& key, int val);
    Q_INVOKABLE void saveDouble(const QString& key, double val);

    // The store itself, for a service built over it after start (tests build one afresh).
    const std::shared_ptr<IKVStore>& store() const { return m_store; }

private:
    std::shared_ptr<IKVStore> m_store;
};

} // namespace Ko
