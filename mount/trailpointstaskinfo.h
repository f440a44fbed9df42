#pragma once

#include "base/nullable.h"
#include "link/cmdret.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>

namespace Ko {

// What the mount tells about its last trail-points run: the object followed, how many points the
// request had, and how the run ended (empty while it goes on). QML reads it as a value; cmdRet is
// undefined there while the run goes on.
// Threads: any thread (a value type).
struct TrailPointsTaskInfo {
    Q_GADGET
    Q_PROPERTY(QString objectName READ objectNameText)
    Q_PROPERTY(unsigned totalPoints MEMBER totalPoints)
    Q_PROPERTY(QVariant cmdRet READ cmdRetVariant)
public:
    std::string objectName;
    uint32_t totalPoints = 0;
    Nullable<CmdRet> cmdRet;

    QString objectNameText() const { return QString::fromStdString(objectName); }
    QVariant cmdRetVariant() const {
        return cmdRet.hasValue() ? QVariant::fromValue(cmdRet.value()) : QVariant();
    }
};

} // namespace Ko

Q_DECLARE_METATYPE(Ko::TrailPointsTaskInfo)
