#include "app/compositionroot.h"

#include "align/alignerhelper.h"
#include "align/alignservices.h"
#include "align/paeroutine.h"
#include "app/appversion.h"
#include "app/envport.h"
#include "app/helpfile.h"
#include "app/logpage.h"
#include "app/pdepcontainer.h"
#include "app/platformurl.h"
#include "app/qmlkvstore.h"
#include "app/uisetting.h"
#include "astro/astrocalc.h"
#include "astro/magneticdeclination.h"
#include "astro/orisensor.h"
#include "astro/qastroformat.h"
#include "astro/visibility.h"
#include "base/clock.h"
#include "base/endingstate.h"
#include "base/languagemanager.h"
#include "base/location2.h"
#include "base/platformsettingopener.h"
#include "base/publishedrows.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/qtlocationsensor.h"
#include "base/toastmanageruistub.h"
#include "base/uiblockingmessage.h"
#include "catalog/catalogservices.h"
#include "catalog/catalogsettings.h"
#include "catalog/namedstarcataloglist.h"
#include "catalog/solarsystem.h"
#include "link/connectedobjcontainer.h"
#include "link/qtudpbroadcaster.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/modelservices.h"
#include "model/pae.h"
#include "model/permountdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/imountconnection.h"
#include "mount/mountaxislimit.h"
#include "mount/mountservices.h"
#include "mount/parkdataloaduistub.h"
#include "mount/slewingcontrol.h"
#include "mount/testaztracking.h"
#include "pages/pagesservices.h"
#include "server/netserver.h"
#include "server/pmsharing.h"
#include "server/qrpserver.h"
#include "server/stellariumserver.h"
#include "server/urlapiserver.h"
#include "server/vtmserver.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using namespace Ko;

// The order of the root-context names. QML reaches the services by name only, but the teardown
// follows it: keepAlive lets the services go in this order. A name not listed here is published
// after the listed ones, in the order its assembly appended it.
const char* const kPublicationOrder[] = {
    "inj_kvStore",
    "inj_endingState",
    "inj_languageManager",
    "inj_location",
    "inj_locationSensor",
    "inj_locationOpenSetting",
    "inj_bluetoothOpenSetting",
    "inj_polarScopePaintedItem",
    "inj_polarScopeInfo",
    "inj_cometFile",
    "inj_perMountData",
    "inj_appCore",
    "inj_sunVisibility",
    "inj_catalogSettings",
    "inj_altRange",
    "inj_astroList_ss",
    "inj_astroList_star",
    "inj_astroList_double",
    "inj_astroList_dso",
    "inj_astroList_comet",
    "inj_searchDSO",
    "inj_astroList_ss_bt",
    "inj_astroList_double_bt",
    "inj_astroList_dso_bt",
    "inj_toastManagerUIStub",
    "inj_mountModePopupStub",
    "inj_parkDataLoadUIStub",
    "inj_alignmentDataContainer",
    "inj_alignStarCalculator",
    "inj_alignStarListUIStubs",
    "inj_centeringUIStub",
    "inj_alignSelectionUIStub",
    "inj_alignmentRoutine",
    "inj_instructionStepUIStub",
    "inj_polarAlignmentRoutine",
    "inj_alignerHelper",
    "inj_connectSettings",
    "inj_mountConnection",
    "inj_converserTimeoutForwarder",
    "inj_iConnectable",
    "inj_generalInfoList",
    "inj_trackingUI",
    "inj_slewingControl",
    "inj_wifiConfig",
    "inj_pmSharing",
    "inj_objectInfoList",
    "inj_gotoStatus",
    "inj_trailPointsStatus",
    "inj_uiBlockingMessage",
    "inj_stellariumServer",
    "inj_qrpServer",
    "inj_helpFile",
    "inj_oriSensor",
    "inj_pointAndGo",
    "inj_uiSetting",
    "inj_identifyList",
    "inj_userObject_CE",
    "inj_userObject_TE",
    "inj_cameraControl",
    "inj_appVersion",
    "inj_testAZTracking",
    "inj_testTrailPoints",
    "inj_logPage",
};

// The services below the subsystems: settings, site, language, clocks and formats, the
// messages, the sensors and the program's own pages.
struct ShellServices {
    std::shared_ptr<QtFileUtil> fileUtil;
    std::shared_ptr<QtKVStore> kvStore;
    std::shared_ptr<Location2> location;
    std::shared_ptr<LanguageManager> languageManager;
    std::shared_ptr<CRealClock> clock;
    std::shared_ptr<AstroClock> astroClock;
    std::shared_ptr<AstroCalc> astroCalc;
    std::shared_ptr<AltRange> altRange;
    std::shared_ptr<QAstroFormat> astroFormat;
    std::shared_ptr<PerMountData> perMountData;
    std::shared_ptr<Visibility> visibility;
    std::shared_ptr<AppCore> appCore;
    std::shared_ptr<ToastManagerUIStub> toast;
    std::shared_ptr<UiBlockingMessage> blockingMessage;
    std::shared_ptr<OriSensor> oriSensor;
    std::shared_ptr<PlatformUrl> platformUrl;
    // Set by every way the program ends, before the end's stops; every server that can start a
    // motion asks it.
    std::shared_ptr<EndingState> ending;
};

ShellServices makeShellServices(QQmlEngine* engine, PublishedRows& published) {
    ShellServices s;
    const auto publish = [&](const char* name, std::shared_ptr<QObject> object) {
        published.emplace_back(name, std::move(object));
    };
    s.ending = std::make_shared<EndingState>();
    publish("inj_endingState", s.ending);
    s.fileUtil = std::make_shared<QtFileUtil>(AppVersion::appFolderName());
    s.kvStore = std::make_shared<QtKVStore>(QStringLiteral("Settings.txt"), s.fileUtil);
    publish("inj_kvStore", std::make_shared<QmlKVStore>(s.kvStore));
    s.location = std::make_shared<Location2>(s.kvStore);
    publish("inj_location", s.location);
    s.languageManager = std::make_shared<LanguageManager>(s.kvStore, engine);
    publish("inj_languageManager", s.languageManager);
    publish("inj_locationOpenSetting", std::make_shared<OpenLocationSetting>());
    publish("inj_bluetoothOpenSetting", std::make_shared<OpenBluetoothSetting>());
    publish("inj_uiSetting", std::make_shared<UISetting>(s.kvStore));
    s.clock = std::make_shared<CRealClock>();
    s.astroClock = std::make_shared<AstroClock>(s.clock);
    s.astroCalc = std::make_shared<AstroCalc>(s.location, s.astroClock);
    s.altRange = std::make_shared<AltRange>(s.kvStore);
    publish("inj_altRange", s.altRange);
    s.astroFormat = std::make_shared<QAstroFormat>(s.languageManager);
    s.perMountData = std::make_shared<PerMountData>(s.kvStore);
    publish("inj_perMountData", s.perMountData);
    s.visibility = std::make_shared<Visibility>(s.location, s.astroCalc, s.clock);
    s.appCore = std::make_shared<AppCore>(s.kvStore, s.astroFormat);
    publish("inj_appCore", s.appCore);
    s.toast = std::make_shared<ToastManagerUIStub>();
    publish("inj_toastManagerUIStub", s.toast);
    s.blockingMessage = std::make_shared<UiBlockingMessage>();
    publish("inj_uiBlockingMessage", s.blockingMessage);
    const auto magneticDeclination = std::make_shared<MagneticDeclination>(s.clock, s.location);
    s.oriSensor = std::make_shared<OriSensor>(s.astroFormat, magneticDeclination);
    publish("inj_oriSensor", s.oriSensor);
    publish("inj_locationSensor", std::make_shared<QtLocationSensor>());
    s.platformUrl = std::make_shared<PlatformUrl>();
    publish("inj_helpFile", std::make_shared<HelpFile>(s.fileUtil, s.languageManager, s.platformUrl,
                                                       &helpPageRule));
    publish("inj_appVersion", std::make_shared<AppVersion>());
    publish("inj_testAZTracking", std::make_shared<TestAZTracking>());
    publish("inj_logPage", std::make_shared<LogPage>());
    return s;
}

// The remote-control servers, made last: they reach the mount and the model that the
// subsystems below built. Their ports can be moved by the environment, so that tests never
// share one.
void makeServerServices(const ShellServices& shell, const ModelServices& model,
                        const MountServices& mount, const CatalogServices& catalog,
                        const AlignServices& align, PDepContainer& container,
                        PublishedRows& published) {
    // Every remote GoTo asks the limits the pages ask.
    const std::shared_ptr<ICatalogSettings> goToLimits = catalog.catalogSettings;
    // The planetarium ports open and close with the mount the holder has.
    published.emplace_back("inj_stellariumServer",
                           std::make_shared<StellariumServer>(
                               shell.astroCalc, shell.astroClock, mount.mountConnection, goToLimits,
                               envPort(kPositionPortEnv, StellariumServer::kDefaultPort),
                               shell.ending));
    published.emplace_back(
        "inj_qrpServer",
        std::make_shared<QrpServer>(shell.location, shell.astroCalc, shell.astroClock,
                                    mount.mountConnection, model.alignmentDataContainer, goToLimits,
                                    envPort(kQrpPortEnv, QrpServer::kDefaultPort),
                                    QTimeZone::systemTimeZone(), shell.ending));
    // Claims the program's URL scheme until the container lets it go.
    container.urlApiServer = std::make_shared<UrlApiServer>(
        shell.platformUrl, model.alignmentDataContainer, mount.mountConnection,
        shell.blockingMessage, mount.connectable, shell.ending);
    // Pointing-model sharing searches every network of the machine; tests keep it on loopback.
    const auto udpBroadcaster =
        qEnvironmentVariableIsSet(kBroadcastLoopbackEnv)
            ? std::make_shared<QtUDPBroadcaster>(
                  std::vector<UDPBroadcastEntry>{{"127.0.0.1", "127.255.255.255"}})
            : std::make_shared<QtUDPBroadcaster>();
    // Searches on the remote-method port, so it follows the same override.
    const auto pmSharing = std::make_shared<PMSharing>(
        model.alignmentDataContainer, mount.mountConnection, shell.perMountData, udpBroadcaster,
        shell.toast, envPort(kRpcPortEnv, PMSharing::kPort));
    published.emplace_back("inj_pmSharing", pmSharing);
    // The remote-method server opens its ports at once; it holds the network core, which so
    // outlives it.
    container.vtmServer = std::make_shared<VtmServer>(
        shell.location, shell.astroCalc, shell.astroClock, mount.mountConnection,
        model.alignmentDataContainer, pmSharing, align.alignerHelper, std::make_shared<NetServer>(),
        envPort(kRpcPortEnv, VtmServer::kPort), &AppVersion::deviceName, goToLimits, shell.ending);
}

// Sets each row as a root-context property, in the publication order, and hands its object to
// keepAlive right after.
void publish(QQmlContext* context, const PublishedRows& rows,
             QList<std::shared_ptr<QObject>>& keepAlive) {
    const auto rank = [](const char* name) {
        const auto* const end = std::end(kPublicationOrder);
        return std::find_if(std::begin(kPublicationOrder), end,
                            [name](const char* listed) { return qstrcmp(listed, name) == 0; }) -
               std::begin(kPublicationOrder);
    };
    PublishedRows ordered = rows;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const auto& a, const auto& b) { return rank(a.first) < rank(b.first); });
    for (const auto& [name, object] : ordered) {
        context->setContextProperty(QString::fromLatin1(name), object.get());
        keepAlive.append(object);
    }
}

} // namespace

void dependencyInjectToQml(QQmlEngine* engine, QList<std::shared_ptr<QObject>>& keepAlive,
                           Ko::PDepContainer& container) {
    using namespace Ko;
    PublishedRows published;

    // Creation order, from the bottom of the folder order up: a constructor may subscribe to the
    // collaborators it is given, so each service is made after everything it needs, and
    // subscribers join each list in this order.
    const ShellServices shell = makeShellServices(engine, published);
    const CatalogServices catalog =
        makeCatalogServices({shell.fileUtil, shell.kvStore, shell.languageManager, shell.location,
                             shell.clock, shell.astroClock, shell.astroCalc, shell.altRange,
                             qEnvironmentVariable(kCometUrlEnv).toStdString()},
                            published);
    // The axes the model converts for, whichever mount is connected.
    const auto mountAxes = std::make_shared<ConnectedObjContainer<IMountAxis>>();
    const ModelServices model =
        makeModelServices({shell.location, shell.perMountData, shell.toast, shell.astroCalc,
                           shell.astroFormat, std::make_shared<MountAxisLimit>(mountAxes)},
                          published);
    MountLinkRoutes mountRoutes;
    mountRoutes.udp.port = envPort(kMountPortEnv, kMountUdpPort);
    const MountServices mount = makeMountServices(
        {shell.kvStore, shell.location, shell.clock, shell.astroCalc, shell.astroFormat,
         shell.altRange, shell.appCore, model.alignment, model.pae, shell.perMountData,
         model.modeContainer, mountAxes, shell.toast, catalog.catalogSettings, mountRoutes},
        published);
    // A connection may wait on the park-data question while the window closes: the way out
    // answers it, so that the connection ends before the wait for background work begins
    // instead of holding the program there.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                     mount.parkDataLoadUIStub.get(), &ParkDataLoadUIStub::closeForExit);
    const AlignServices align = makeAlignServices(
        {shell.location, shell.clock, shell.astroClock, shell.astroCalc, shell.astroFormat,
         shell.altRange, shell.perMountData, model.alignmentDataContainer, mount.mountConnection,
         mount.slewingControl, shell.toast, catalog.namedStarList, catalog.solarSystem,
         catalog.catalogSettings},
        published);
    makePagesServices({catalog, shell.astroClock, shell.astroCalc, shell.astroFormat,
                       shell.visibility, shell.oriSensor, mount.mountConnection,
                       model.alignmentDataContainer, align.paeRoutine, shell.toast},
                      published);
    makeServerServices(shell, model, mount, catalog, align, container, published);

    publish(engine->rootContext(), published, keepAlive);
}
