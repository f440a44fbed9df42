#pragma once

#include "base/nullable.h"

#include <QObject>
#include <QStringList>

#include <string>
#include <vector>

namespace Ko {

// Fixed underlying type: a stored value outside the list must survive the round trip so that
// the connect-helper selection can fall back on UDP.
struct ConnectionType_ {
    Q_GADGET
public:
    enum E : int { UDP = 0, Emulator = 1, Serial = 2, BLE = 3 };
    Q_ENUM(E)
};

// What to do with a mount that can work in both EQ and AZ mode.
struct DualModeChoice_ {
    Q_GADGET
public:
    enum E : int { PromptMode = 0, UseEQ = 1, UseAZ = 2 };
    Q_ENUM(E)
};

// The persisted choices that govern how the application reaches the mount.
// Threads: any thread (read from the main thread and from connection worker threads;
// implementations lock).
class IConnectionSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(Ko::DualModeChoice_::E dualModeChoice READ dualModeChoice WRITE setDualModeChoice
                   NOTIFY valueChanged)
    Q_PROPERTY(
        bool connectAtLaunch READ connectAtLaunch WRITE setConnectAtLaunch NOTIFY valueChanged)
    Q_PROPERTY(Ko::ConnectionType_::E type READ type WRITE setType NOTIFY valueChanged)
    Q_PROPERTY(int readTimeoutMs_other READ readTimeoutMs_other WRITE setReadTimeoutMs_other NOTIFY
                   valueChanged)
    Q_PROPERTY(int maxRetryCount READ maxRetryCount WRITE setMaxRetryCount NOTIFY valueChanged)
    Q_PROPERTY(bool searchIP READ searchIP WRITE setSearchIP NOTIFY valueChanged)
    Q_PROPERTY(QString fixedIP READ fixedIP_q WRITE setFixedIP_q NOTIFY valueChanged)
    Q_PROPERTY(bool serialPortSupported READ serialPortSupported CONSTANT)
    Q_PROPERTY(bool serialPortNeedsPortName READ serialPortNeedsPortName CONSTANT)
    Q_PROPERTY(QStringList foundSerialPorts READ foundSerialPorts_q NOTIFY foundSerialPortsChanged)
    Q_PROPERTY(
        QString serialPortName READ serialPortName_q WRITE setSerialPortName_q NOTIFY valueChanged)
    Q_PROPERTY(int discoveryTimeoutMs_BLE READ discoveryTimeoutMs_BLE WRITE
                   setDiscoveryTimeoutMs_BLE NOTIFY valueChanged)
    Q_PROPERTY(
        int readTimeoutMs_BLE READ readTimeoutMs_BLE WRITE setReadTimeoutMs_BLE NOTIFY valueChanged)
public:
    using QObject::QObject;

    virtual DualModeChoice_::E dualModeChoice() const = 0;
    virtual void setDualModeChoice(DualModeChoice_::E v) = 0;
    virtual bool connectAtLaunch() const = 0;
    virtual void setConnectAtLaunch(bool v) = 0;
    virtual ConnectionType_::E type() const = 0;
    virtual void setType(ConnectionType_::E v) = 0;
    // Read time-out of the UDP and serial links, milliseconds.
    virtual int readTimeoutMs_other() const = 0;
    virtual void setReadTimeoutMs_other(int v) = 0;
    // Resends after the first attempt of an exchange, as the user stored them.
    virtual int maxRetryCount() const = 0;
    virtual void setMaxRetryCount(int v) = 0;
    // The resends an exchange makes: the override while one is in force, else maxRetryCount.
    virtual int resendCount() const = 0;
    // Held in memory only and never stored, so a crash while it is in force leaves the user's
    // setting as it was. An empty value ends the override.
    virtual void setResendCountOverride(Nullable<int> v) = 0;
    virtual bool searchIP() const = 0;
    virtual void setSearchIP(bool v) = 0;
    virtual std::string fixedIP() const = 0;
    virtual void setFixedIP(const std::string& v) = 0;
    virtual bool serialPortSupported() const = 0;
    virtual bool serialPortNeedsPortName() const = 0;
    virtual std::vector<std::string> foundSerialPorts() const = 0;
    Q_INVOKABLE virtual void detectSerialPorts() = 0;
    virtual std::string serialPortName() const = 0;
    virtual void setSerialPortName(const std::string& v) = 0;
    virtual int discoveryTimeoutMs_BLE() const = 0;
    virtual void setDiscoveryTimeoutMs_BLE(int v) = 0;
    virtual int readTimeoutMs_BLE() const = 0;
    virtual void setReadTimeoutMs_BLE(int v) = 0;

signals:
    void valueChanged();
    void foundSerialPortsChanged();

private:
    // QML sees QString where the services use UTF-8 std::string.
    QString fixedIP_q() const { return QString::fromStdString(fixedIP()); }
    void setFixedIP_q(const QString& v) { setFixedIP(v.toStdString()); }
    QString serialPortName_q() const { return QString::fromStdString(serialPortName()); }
    void setSerialPortName_q(const QString& v) { setSerialPortName(v.toStdString()); }
    QStringList foundSerialPorts_q() const {
        QStringList l;
        for (const auto& s : foundSerialPorts())
            l.append(QString::fromStdString(s));
        return l;
    }
};

} // namespace Ko
