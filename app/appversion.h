#pragma once

#include <QObject>
#include <QString>

#include <string>

namespace Ko {

// The names under which the application shows itself to the user, the file system and other
// devices.
// Threads: any thread.
class AppVersion : public QObject {
    Q_OBJECT
    // Constant on purpose: bindings keep the name they read first, even after a language switch.
    Q_PROPERTY(QString appName READ appName CONSTANT)
public:
    using QObject::QObject;

    // Translated at every read, so it follows the translators installed at that moment.
    QString appName() const;

    // The same in every language: the settings of earlier runs must be found again.
    static std::string appFolderName();
    static std::string deviceName();
};

} // namespace Ko
