#pragma once

#include <QObject>

namespace Ko {

// Opens one of the operating system's settings pages. On a desktop build the service always
// counts as enabled and there is no page to open, so the window never asks for one.
// Threads: main thread only.
class PlatformSettingOpener : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enable READ enable CONSTANT)
public:
    using QObject::QObject;

    bool enable() const { return true; }
    Q_INVOKABLE void open() {}
};

class OpenLocationSetting : public PlatformSettingOpener {
    Q_OBJECT
public:
    using PlatformSettingOpener::PlatformSettingOpener;
};

class OpenBluetoothSetting : public PlatformSettingOpener {
    Q_OBJECT
public:
    using PlatformSettingOpener::PlatformSettingOpener;
};

} // namespace Ko
