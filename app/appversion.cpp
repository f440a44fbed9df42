#include "app/appversion.h"

#include <QCoreApplication>
#include <QHostInfo>

namespace Ko {

QString AppVersion::appName() const {
    const std::string name = QCoreApplication::translate("mount", "Quorvel Pro").toStdString();
    return QString::fromStdString(name);
}

std::string AppVersion::appFolderName() {
    return "QuorvelPro";
}

std::string AppVersion::deviceName() {
    return QHostInfo::localHostName().toStdString();
}

} // namespace Ko
