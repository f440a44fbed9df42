#pragma once

#include "base/ikvstore.h"

#include <QJsonObject>
#include <QString>

#include <memory>
#include <mutex>

namespace Ko {

class IFileUtil;

// The settings store over one JSON file, held whole in memory and rewritten whole after every
// change. An empty file name keeps the store in memory only.
// Threads: any thread.
class QtKVStore : public IKVStore {
public:
    QtKVStore(const QString& fileName, std::shared_ptr<IFileUtil> fileUtil);

    QJsonObject json() const override;
    void setJson(const QJsonObject& o) override;
    void updateJson(const std::function<void(QJsonObject&)>& change) override;
    std::string loadString(const std::string& key, const std::string& def) const override;
    bool loadBool(const std::string& key, bool def) const override;
    int loadInt(const std::string& key, int def) const override;
    double loadDouble(const std::string& key, double def) const override;
    void saveString(const std::string& key, const std::string& value) override;
    void saveBool(const std::string& key, bool value) override;
    void saveInt(const std::string& key, int value) override;
    void saveDouble(const std::string& key, double value) override;
    bool contains(const std::string& key) const override;
    void remove(const std::string& key) override;

private:
    QString filePath() const;
    void load();
    // Returns the path when the write failed, else an empty text.
    QString writeFileLocked();
    static void logWriteFailure(const QString& path);
    void saveValue(const std::string& key, const QJsonValue& value);

    const QString m_fileName;
    const std::shared_ptr<IFileUtil> m_fileUtil;
    // Also held across the file write, so that saves reach the disk in the order of the changes.
    mutable std::mutex m_mutex;
    QJsonObject m_object;
};

} // namespace Ko
