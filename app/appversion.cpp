#include "app/appversion.h"

#include <QCoreApplication>
#include <QHostInfo>

namespace Ko {

QString AppVersion::appName() const {
    return QCoreApplication::translate("mount", "Quorvel Pro");
}

std::string AppVersion::appFolderName() {
    return "QuorvelPro";
}

std::string AppVersion::deviceName() {
    return QHostInfo::localHostName().toStdString();
}

} // namespace Ko
