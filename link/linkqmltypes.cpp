#include "link/linkqmltypes.h"

#include "link/ble/blecharacteristicinfo.h"
#include "link/ble/bledescriptorinfo.h"
#include "link/ble/bledeviceinfo.h"
#include "link/ble/blediscover.h"
#include "link/ble/bleserviceinfo.h"
#include "link/cmdret.h"
#include "link/wifimodule/wifisetting.h"

#include <QtQml/qqml.h>

namespace Ko {

void registerLinkQmlTypes(const char* uri, int versionMajor, int versionMinor) {
    qRegisterMetaType<CmdRet>();
    qmlRegisterUncreatableMetaObject(CmdRetType_::staticMetaObject, uri, versionMajor, versionMinor,
                                     "CmdRetType",
                                     QStringLiteral("CmdRetType only holds an enumeration"));
    registerWifiQmlTypes(uri, versionMajor, versionMinor);
    // Made only by the Bluetooth LE link, never by QML.
    const QString madeByLink = QStringLiteral("made by the Bluetooth LE link");
    qmlRegisterUncreatableType<BLEDiscover>(uri, versionMajor, versionMinor, "BLEDiscover",
                                            madeByLink);
    qmlRegisterUncreatableType<BLEDeviceInfo>(uri, versionMajor, versionMinor, "BLEDeviceInfo",
                                              madeByLink);
    qmlRegisterUncreatableType<BLEServiceInfo>(uri, versionMajor, versionMinor, "BLEServiceInfo",
                                               madeByLink);
    qmlRegisterUncreatableType<BLECharacteristicInfo>(uri, versionMajor, versionMinor,
                                                      "BLECharacteristicInfo", madeByLink);
    qmlRegisterUncreatableType<BLEDescriptorInfo>(uri, versionMajor, versionMinor,
                                                  "BLEDescriptorInfo", madeByLink);
}

} // namespace Ko
