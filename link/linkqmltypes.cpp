#include "link/linkqmltypes.h"

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
}

} // namespace Ko
