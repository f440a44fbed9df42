#pragma once

#include "base/qtfileutil.h"
#include "base/qtkvstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <memory>

// The settings store as the program opens it, over the data folder dataFolder; the settings
// file goes beside it, in dataFolder/../QuorvelPro/Settings.txt. A test keeps both inside a
// scratch folder of its own.
inline std::shared_ptr<Ko::QtKVStore> openScratchStore(const QString& dataFolder) {
    return std::make_shared<Ko::QtKVStore>(
        QStringLiteral("Settings.txt"),
        std::make_shared<Ko::QtFileUtil>("QuorvelPro", dataFolder.toStdString()));
}

// A settings file "Settings.txt" in a data folder "QuorvelPro" inside a fresh temporary folder,
// reached through the real store as the program builds it, and read or written behind its back.
class ScratchSettings {
public:
    bool isValid() const { return m_dir.isValid(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString settingsPath() const { return m_dir.filePath("QuorvelPro/Settings.txt"); }

    // A new store reads the file afresh, as a later run of the program would.
    std::shared_ptr<Ko::IKVStore> makeStore() const {
        return openScratchStore(m_dir.filePath("app"));
    }

    QByteArray bytes() const {
        QFile f(settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QJsonObject json() const { return QJsonDocument::fromJson(bytes()).object(); }

    bool write(const QJsonObject& o) const {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        QFile f(settingsPath());
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               f.write(QJsonDocument(o).toJson()) > 0;
    }

private:
    QTemporaryDir m_dir;
};
