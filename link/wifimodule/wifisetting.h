#pragma once

// The Wi-Fi module's configuration as the app reads and writes it, and the outcome of a write.
// Plain values; each record is also a gadget so that the configuration page can show and edit it.

#include "base/nullable.h"

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QtCore/qobjectdefs.h>

#include <string>

namespace Ko {

// Seen by QML as "WifiMode".
struct WifiMode_ {
    Q_GADGET
public:
    enum E : int { STA = 1, AP = 2, Both = 3 };
    Q_ENUM(E)
};

// The access point's security; the module knows no value 1. Seen by QML as "WifiSec".
struct WifiSec_ {
    Q_GADGET
public:
    enum E : int { Open = 0, WPA_PSK = 2, WPA2_PSK = 3, WPA_WPA2_PSK = 4 };
    Q_ENUM(E)
};

// How the module runs and through which of its networks the app reaches it. SD and SS reach it
// through the station network, the others through its own access point. Seen by QML as "WMState".
//   AA  mode AP;
//   Ad  mode Both, the station has no address;
//   AD  mode Both, the station has an address other than the app's peer address;
//   SD  mode Both, the app talks to the station address;
//   SS  mode STA.
struct WMState_ {
    Q_GADGET
public:
    enum E : int { AA = 0, Ad = 1, AD = 2, SD = 3, SS = 4 };
    Q_ENUM(E)
};

// Input limits for the configuration page; reads enforce the ssid and password ranges. Seen by
// QML as "WMLimit".
struct WMLimit_ {
    Q_GADGET
public:
    enum E : int { SsidMin = 1, SsidMax = 32, PassMin = 8, PassMax = 64, IPMax = 64 };
    Q_ENUM(E)
};

struct WifiAPSetting {
    Q_GADGET
    Q_PROPERTY(QString ssid READ qmlSsid WRITE setQmlSsid)
    Q_PROPERTY(QString pass READ qmlPass WRITE setQmlPass)
    Q_PROPERTY(int channel MEMBER channel)
    Q_PROPERTY(Ko::WifiSec_::E wifiSec MEMBER wifiSec)
public:
    std::string ssid;
    std::string pass;
    int channel = 6;
    WifiSec_::E wifiSec = WifiSec_::Open;

    QString qmlSsid() const { return QString::fromStdString(ssid); }
    void setQmlSsid(const QString& s) { ssid = s.toStdString(); }
    QString qmlPass() const { return QString::fromStdString(pass); }
    void setQmlPass(const QString& s) { pass = s.toStdString(); }

    friend bool operator==(const WifiAPSetting&, const WifiAPSetting&) = default;
};

// An empty fixedIp means the station takes its address by DHCP.
struct WifiSTASetting {
    Q_GADGET
    Q_PROPERTY(QString ssid READ qmlSsid WRITE setQmlSsid)
    Q_PROPERTY(QString pass READ qmlPass WRITE setQmlPass)
    Q_PROPERTY(QString fixedIp READ qmlFixedIp WRITE setQmlFixedIp)
public:
    std::string ssid;
    std::string pass;
    std::string fixedIp;

    QString qmlSsid() const { return QString::fromStdString(ssid); }
    void setQmlSsid(const QString& s) { ssid = s.toStdString(); }
    QString qmlPass() const { return QString::fromStdString(pass); }
    void setQmlPass(const QString& s) { pass = s.toStdString(); }
    QString qmlFixedIp() const { return QString::fromStdString(fixedIp); }
    void setQmlFixedIp(const QString& s) { fixedIp = s.toStdString(); }

    friend bool operator==(const WifiSTASetting&, const WifiSTASetting&) = default;
};

// A setting read from the module carries its state; a requested one does not. QML sees an absent
// part as undefined.
// Threads: any thread (value types).
struct WifiSetting {
    Q_GADGET
    Q_PROPERTY(Ko::WifiMode_::E mode MEMBER mode)
    Q_PROPERTY(QVariant ap READ qmlAp WRITE setQmlAp)
    Q_PROPERTY(QVariant sta READ qmlSta WRITE setQmlSta)
    Q_PROPERTY(QVariant state READ qmlState)
public:
    WifiMode_::E mode = WifiMode_::AP;
    Nullable<WifiAPSetting> ap;
    Nullable<WifiSTASetting> sta;
    Nullable<WMState_::E> state;

    QVariant qmlAp() const;
    void setQmlAp(const QVariant& v);
    QVariant qmlSta() const;
    void setQmlSta(const QVariant& v);
    QVariant qmlState() const;

    friend bool operator==(const WifiSetting&, const WifiSetting&) = default;
};

// needConnect names the network the user must reconnect to before the rest of a write can run.
struct WMWriteResult {
    Q_GADGET
    Q_PROPERTY(bool ok MEMBER ok CONSTANT)
    Q_PROPERTY(bool allDone MEMBER allDone CONSTANT)
    Q_PROPERTY(QVariant needConnect READ qmlNeedConnect CONSTANT)
public:
    bool ok = false;
    bool allDone = false;
    bool staWritten = false;
    Nullable<WifiMode_::E> needConnect;

    QVariant qmlNeedConnect() const;

    friend bool operator==(const WMWriteResult&, const WMWriteResult&) = default;
};

// Registers the enumerations as "WifiMode", "WifiSec", "WMState" and "WMLimit" under the given
// module, and the records as metatypes.
void registerWifiQmlTypes(const char* uri, int versionMajor, int versionMinor);

} // namespace Ko

Q_DECLARE_METATYPE(Ko::WifiAPSetting)
Q_DECLARE_METATYPE(Ko::WifiSTASetting)
Q_DECLARE_METATYPE(Ko::WifiSetting)
Q_DECLARE_METATYPE(Ko::WMWriteResult)
