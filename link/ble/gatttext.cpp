#include "link/ble/gatttext.h"

#include <QBluetoothAddress>

namespace Ko::GattText {

QString uuid(const QBluetoothUuid& uuid) {
    bool ok = false;
    const quint16 short16 = uuid.toUInt16(&ok);
    if (ok)
        return QStringLiteral("0x") + QString::number(short16, 16);
    const quint32 short32 = uuid.toUInt32(&ok);
    if (ok)
        return QStringLiteral("0x") + QString::number(short32, 16);
    return uuid.toString(QUuid::WithoutBraces);
}

QString value(const QByteArray& value) {
    if (value.isEmpty())
        return QStringLiteral("<none>");
    return QString::fromUtf8(value) + QLatin1Char('\n') + QString::fromLatin1(value.toHex());
}

QString deviceId(const QBluetoothDeviceInfo& device) {
    if (device.deviceUuid().isNull())
        return device.address().toString();
    return device.deviceUuid().toString();
}

} // namespace Ko::GattText
