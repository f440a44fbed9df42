#include "base/qtfileutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Ko {

QtFileUtil::QtFileUtil(std::string appFolderName, std::string dataLocation)
    : m_appFolderName(std::move(appFolderName)), m_dataLocation(std::move(dataLocation)) {}

std::string QtFileUtil::appDataDir() {
    QString location;
    if (!m_dataLocation.empty())
        location = QString::fromStdString(m_dataLocation);
    else if (QCoreApplication::instance())
        location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    else
        return QDir::cleanPath(QDir(".").absolutePath()).toStdString();

    location = QDir::cleanPath(QDir(location).absolutePath());
    if (m_appFolderName.empty())
        return location.toStdString();

    // The sibling is derived from the path text, not by walking the disk: on a first run the
    // parent may not exist yet, and walking would then put the folder somewhere else than on
    // every later run.
    const QString parent = QFileInfo(location).path();
    const QString dir = QDir::cleanPath(parent + "/" + QString::fromStdString(m_appFolderName));
    QDir().mkpath(dir);
    return dir.toStdString();
}

std::string QtFileUtil::resourcePath(const std::string& name) {
    QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : ".";
    QDir dir(exeDir);
    if (!dir.cd("../Resources"))
        dir = QDir(exeDir);
    return dir.filePath(QString::fromStdString(name)).toStdString();
}

std::string QtFileUtil::resourceUrl(const std::string& name) {
    return "file://" + resourcePath(name);
}

bool QtFileUtil::fileExists(const std::string& pathOrUrl) {
    const QString p = QString::fromStdString(pathOrUrl);
    if (p.startsWith("file:///android_asset/"))
        return true;
    if (p.startsWith("file://"))
        return QFileInfo::exists(p.mid(7));
    if (p.startsWith("qrc:/"))
        return QFileInfo::exists(":/" + p.mid(5));
    return QFileInfo::exists(p);
}

} // namespace Ko
