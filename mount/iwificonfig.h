#pragma once

#include "link/wifimodule/wifisetting.h"

#include <QObject>
#include <QVariant>

namespace Ko {

// The native side of the mount's Wi-Fi page: reads the module's settings and writes a new setting
// step by step, since some steps cut the link the app talks over. Every read and write runs in
// the background, one at a time in the order asked; stateChanged follows every change of the
// state below and may be emitted from the background thread. The invokables only queue work.
// Threads: main thread only for the invokables; the state getters any thread.
class IWifiConfig : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(bool hasCurrentSetting READ hasCurrentSetting NOTIFY stateChanged)
    // A WifiSetting, or undefined.
    Q_PROPERTY(QVariant currentSetting READ currentSetting NOTIFY stateChanged)
    // A WMWriteResult, or undefined.
    Q_PROPERTY(QVariant lastWriteResult READ lastWriteResult NOTIFY stateChanged)
public:
    using QObject::QObject;

    // A read or write is talking to the module.
    virtual bool busy() const = 0;
    // The module's settings as last read; invalid when not read or changed since.
    virtual QVariant currentSetting() const = 0;
    virtual QVariant lastWriteResult() const = 0;
    // Reads the module unless a write result is still waiting for the user.
    Q_INVOKABLE virtual void enterPage() = 0;
    // Puts the module in mode Both, then reads it again.
    Q_INVOKABLE virtual void writeWifiBothAndReadAsync() = 0;
    // Writes the first step towards the setting.
    Q_INVOKABLE virtual void writeAsync(Ko::WifiSetting settings) = 0;
    // After a reported step: reads the module and writes the next step (or the failed one
    // again); when the write is complete, clears the result and reads the module afresh.
    Q_INVOKABLE virtual void proceedNextAsync() = 0;

    bool hasCurrentSetting() const { return currentSetting().isValid(); }
    // Empty values for the page to fill.
    Q_INVOKABLE Ko::WifiSetting newWifiSetting() const { return {}; }
    Q_INVOKABLE Ko::WifiAPSetting newWifiAPSetting() const { return {}; }
    Q_INVOKABLE Ko::WifiSTASetting newWifiSTASetting() const { return {}; }

signals:
    void stateChanged();
};

} // namespace Ko
