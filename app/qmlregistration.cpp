#include "app/qmlregistration.h"

#include "app/windowhelper.h"

#include "base/ilocation.h"
#include "base/ilocationsensor.h"
#include "base/languagemanager.h"
#include "base/platformsettingopener.h"
#include "catalog/icatalogsettings.h"
#include "link/cmdret.h"
#include "link/guidingspeed.h"
#include "link/iconnectionsettings.h"
#include "link/linkqmltypes.h"
#include "model/alignmenttype.h"
#include "model/flippingmode.h"
#include "model/mountmode.h"
#include "mount/iparkdataoption.h"
#include "mount/profiles/userobjectmode.h"
#include "mount/tasks/trailpoints.h"
#include "mount/trackingstatus.h"
#include "mount/trailpointstaskinfo.h"
#include "pages/isearchdso.h"
#include "quickfuture/future.h"

#include <QFuture>
#include <QtQml/qqml.h>

namespace Ko {

namespace {

constexpr const char* kQuorvelUri = "Ko.Quorvel";
constexpr const char* kAstroBaseUri = "Ko.AstroBase";

template <class Holder>
void registerEnum(const char* uri, const char* element) {
    qmlRegisterUncreatableMetaObject(Holder::staticMetaObject, uri, 1, 0, element,
                                     QStringLiteral("%1 is an enumeration").arg(element));
}

} // namespace

void registerQmlModules() {
    qmlRegisterModule(kQuorvelUri, 1, 0);
    registerEnum<AlignmentType_>(kQuorvelUri, "AlignmentType");
    registerEnum<CatalogSortOrder_>(kQuorvelUri, "CatalogSortOrder");
    registerEnum<DeepSkyCatalog_>(kQuorvelUri, "DeepSkyCatalog");
    registerEnum<FlippingMode_>(kQuorvelUri, "FlippingMode");
    registerEnum<GuidingSpeed_>(kQuorvelUri, "GuidingSpeed");
    registerEnum<MountMode_>(kQuorvelUri, "MountMode");
    registerEnum<ParkDataLoadOption_>(kQuorvelUri, "ParkDataLoadOption");
    registerEnum<SlewToProhibition_>(kQuorvelUri, "SlewToProhibition");
    registerEnum<TrackingStatus_>(kQuorvelUri, "TrackingStatus");
    registerEnum<TrailPointsDetailedState_>(kQuorvelUri, "TrailPointsDetailedState");
    registerEnum<UserObjectMode_>(kQuorvelUri, "UserObjectMode");
    qmlRegisterType<WindowHelper>(kQuorvelUri, 1, 0, "WindowHelper");

    qmlRegisterModule(kAstroBaseUri, 1, 0);
    registerLinkQmlTypes(kAstroBaseUri);
    registerEnum<ConnectionType_>(kAstroBaseUri, "ConnectionType");
    registerEnum<DualModeChoice_>(kAstroBaseUri, "DualModeChoice");
    registerEnum<LocationSensorState_>(kAstroBaseUri, "LocationSensorState");
    qmlRegisterType<OpenBluetoothSetting>(kAstroBaseUri, 1, 0, "OpenBluetoothSetting");
    qmlRegisterType<OpenLocationSetting>(kAstroBaseUri, 1, 0, "OpenLocationSetting");
}

void registerMetaTypes() {
    qRegisterMetaType<QList<LanguageManagerEntry>>();
    qRegisterMetaType<CLocation>();
    qRegisterMetaType<QFuture<CmdRet>>();
    QuickFuture::Future::registerType<CmdRet>();
    // A mount registers these too, but it is built on a connection thread, where the first
    // registration would race with the main thread's lookups inside Qt.
    qRegisterMetaType<MountMode_::E>();
    qRegisterMetaType<FlippingMode_::E>();
    qRegisterMetaType<TrailPointsProgress>();
    qRegisterMetaType<TrailPointsTaskInfo>();
}

} // namespace Ko
