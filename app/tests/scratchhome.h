#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>

// The home folder and the XDG data, configuration and cache folders, all inside dir, so that
// nothing a test builds or starts reads or writes the user's own folders.
inline QList<QPair<QString, QString>> scratchHomeVariables(const QString& dir) {
    return {{QStringLiteral("HOME"), dir},
            {QStringLiteral("XDG_DATA_HOME"), dir + "/data"},
            {QStringLiteral("XDG_CONFIG_HOME"), dir + "/config"},
            {QStringLiteral("XDG_CACHE_HOME"), dir + "/cache"}};
}

// The same for this process; call it before anything reads those folders.
inline void useScratchHome(const QString& dir) {
    for (const auto& [name, value] : scratchHomeVariables(dir))
        qputenv(name.toLatin1().constData(), value.toUtf8());
}
