#include "app/qmlkvstore.h"

#include "base/ikvstore.h"

namespace Ko {

QmlKVStore::QmlKVStore(std::shared_ptr<IKVStore> store) : m_store(std::move(store)) {}

QString QmlKVStore::loadString(const QString& key, const QString& defaultVal) const {
    return QString::fromStdString(m_store->loadString(key.toStdString(), defaultVal.toStdString()));
}

bool QmlKVStore::loadBool(const QString& key, bool defaultVal) const {
    return m_store->loadBool(key.toStdString(), defaultVal);
}

int QmlKVStore::loadInt(const QString& key, int defaultVal) const {
    return m_store->loadInt(key.toStdString(), defaultVal);
}

double QmlKVStore::loadDouble(const QString& key, double defaultVal) const {
    return m_store->loadDouble(key.toStdString(), defaultVal);
}

void QmlKVStore::saveString(const QString& key, const QString& val) {
    m_store->saveString(key.toStdString(), val.toStdString());
}

void QmlKVStore::saveBool(const QString& key, bool val) {
    m_store->saveBool(key.toStdString(), val);
}

void QmlKVStore::saveInt(const QString& key, int val) {
    m_store->saveInt(key.toStdString(), val);
}

void QmlKVStore::saveDouble(const QString& key, double val) {
    m_store->saveDouble(key.toStdString(), val);
}

} // namespace Ko
