#pragma once

// Texts shared by the Bluetooth LE objects: how UUIDs, values and devices are named.
// Threads: any thread.

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QString>

namespace Ko::GattText {

// "0x" and the short form in lower-case hexadecimal for a 16- or 32-bit UUID on the Bluetooth
// base UUID; any other UUID in full, without braces.
QString uuid(const QBluetoothUuid& uuid);
// The bytes as UTF-8, a newline and the bytes in hexadecimal; "<none>" when empty.
QString value(const QByteArray& value);
// A stable text per device: its UUID in braces where the platform identifies devices by UUID,
// otherwise (a null UUID, as on Linux) its address.
QString deviceId(const QBluetoothDeviceInfo& device);

inline constexpr const char* kHandle = "<handle>";
inline constexpr const char* kUnknown = "Unknown";

} // namespace Ko::GattText
