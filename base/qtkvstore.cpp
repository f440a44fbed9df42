#include "base/qtkvstore.h"

#include "base/ifileutil.h"
#include "base/koassert.h"
#include "base/log.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace Ko {

namespace {
QString qKey(const std::string& key) {
    return QString::fromUtf8(key.data(), qsizetype(key.size()));
}
} // namespace

QtKVStore::QtKVStore(const QString& fileName, std::shared_ptr<IFileUtil> fileUtil)
    : m_fileName(fileName), m_fileUtil(std::move(fileUtil)) {
    KO_ASSERT(m_fileName.isEmpty() || m_fileUtil);
    load();
}

QString QtKVStore::filePath() const {
    const QString dir = QString::fromStdString(m_fileUtil->appDataDir());
    return QFileInfo(dir + "/" + m_fileName).absoluteFilePath();
}

void QtKVStore::load() {
    if (m_fileName.isEmpty())
        return;
    const QString path = filePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Log("Warning: cannot open input file: %s", path.toUtf8().constData());
        return;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    std::lock_guard lock(m_mutex);
    m_object = doc.object();
}

QString QtKVStore::writeFileLocked() {
    if (m_fileName.isEmpty())
        return {};
    const QString path = filePath();
    // Written beside the old file and renamed over it, so a crash or a full disk never leaves a
    // truncated settings file behind.
    QSaveFile file(path);
    // Unbuffered, so a short write (full disk) shows in write()'s result instead of being lost
    // in a buffer flush that commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return path;
    const QByteArray text = QJsonDocument(m_object).toJson(QJsonDocument::Indented);
    if (file.write(text) != text.size() || !file.commit())
        return path;
    return {};
}

void QtKVStore::logWriteFailure(const QString& path) {
    // Logged after the lock is released: a log listener may itself read settings.
    if (!path.isEmpty())
        Log("Warning: cannot open output file: %s", path.toUtf8().constData());
}

namespace {
// A copy that shares no data with its source, so that no two threads ever hold the same
// implicitly shared object.
QJsonObject deepCopy(const QJsonObject& o) {
    return QJsonObject::fromVariantMap(o.toVariantMap());
}
} // namespace

QJsonObject QtKVStore::json() const {
    std::lock_guard lock(m_mutex);
    return deepCopy(m_object);
}

void QtKVStore::setJson(const QJsonObject& o) {
    QString failed;
    {
        std::lock_guard lock(m_mutex);
        m_object = deepCopy(o);
        failed = writeFileLocked();
    }
    logWriteFailure(failed);
}

void QtKVStore::updateJson(const std::function<void(QJsonObject&)>& change) {
    QString failed;
    {
        std::lock_guard lock(m_mutex);
        change(m_object);
        // What change inserted may still be shared with the caller's own copies.
        m_object = deepCopy(m_object);
        failed = writeFileLocked();
    }
    logWriteFailure(failed);
}

std::string QtKVStore::loadString(const std::string& key, const std::string& def) const {
    std::lock_guard lock(m_mutex);
    const QJsonValue v = m_object.value(qKey(key));
    return v.isString() ? v.toString().toStdString() : def;
}

bool QtKVStore::loadBool(const std::string& key, bool def) const {
    std::lock_guard lock(m_mutex);
    const QJsonValue v = m_object.value(qKey(key));
    return v.isBool() ? v.toBool() : def;
}

int QtKVStore::loadInt(const std::string& key, int def) const {
    std::lock_guard lock(m_mutex);
    const QJsonValue v = m_object.value(qKey(key));
    if (!v.isDouble())
        return def;
    const double d = v.toDouble();
    if (d != std::trunc(d) || d < std::numeric_limits<int>::min() ||
        d > std::numeric_limits<int>::max())
        return def;
    return static_cast<int>(d);
}

double QtKVStore::loadDouble(const std::string& key, double def) const {
    std::lock_guard lock(m_mutex);
    const QJsonValue v = m_object.value(qKey(key));
    return v.isDouble() ? v.toDouble() : def;
}

void QtKVStore::saveValue(const std::string& key, const QJsonValue& value) {
    QString failed;
    {
        std::lock_guard lock(m_mutex);
        m_object.insert(qKey(key), value);
        failed = writeFileLocked();
    }
    logWriteFailure(failed);
}

void QtKVStore::saveString(const std::string& key, const std::string& value) {
    saveValue(key, QString::fromUtf8(value.data(), qsizetype(value.size())));
}

void QtKVStore::saveBool(const std::string& key, bool value) {
    saveValue(key, value);
}

void QtKVStore::saveInt(const std::string& key, int value) {
    saveValue(key, value);
}

void QtKVStore::saveDouble(const std::string& key, double value) {
    saveValue(key, value);
}

bool QtKVStore::contains(const std::string& key) const {
    std::lock_guard lock(m_mutex);
    return m_object.contains(qKey(key));
}

void QtKVStore::remove(const std::string& key) {
    QString failed;
    {
        std::lock_guard lock(m_mutex);
        m_object.remove(qKey(key));
        failed = writeFileLocked();
    }
    logWriteFailure(failed);
}

} // namespace Ko
