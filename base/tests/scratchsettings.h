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

// A settings file "Settings.txt" in a data folder "QuorvelPro" inside a fresh temporary folder,
// reached through the real store as the program builds it, and read or written behind its back.
class ScratchSettings {
public:
    bool isValid() const { return m_dir.isValid(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString settingsPath() const { return m_dir.filePath("QuorvelPro/Settings.txt"); }

    // A new store reads the file afresh, as a later run of the program would.
    std::shared_ptr<Ko::IKVStore> makeStore() const {
        auto fileUtil =
            std::make_shared<Ko::QtFileUtil>("QuorvelPro", m_dir.filePath("app").toStdString());
        return std::make_shared<Ko::QtKVStore>(QStringLiteral("Settings.txt"), fileUtil);
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
