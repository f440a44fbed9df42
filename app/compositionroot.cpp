#include "app/compositionroot.h"

#include "align/alignerhelper.h"
#include "align/alignmentroutine.h"
#include "align/alignselectionuistub.h"
#include "align/alignstarcalculator.h"
#include "align/alignstarlistuistubs.h"
#include "align/alignstarrater.h"
#include "align/centeringuistub.h"
#include "align/instructionstepuistub.h"
#include "align/paeroutine.h"
#include "align/polaraligner.h"
#include "align/polaralignmentroutine.h"
#include "align/polarscopeinfo.h"
#include "align/polarscopepainteditem.h"

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
#include "base/languagemanager.h"
#include "base/location2.h"
#include "base/platformsettingopener.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/qtlocationsensor.h"
#include "base/toastmanageruistub.h"
#include "base/uiblockingmessage.h"
#include "catalog/astrodatabase.h"
#include "catalog/catalogsettings.h"
#include "catalog/cometcataloglist.h"
#include "catalog/cometfile.h"
#include "catalog/doublestarcataloglist.h"
#include "catalog/nameddsocataloglist.h"
#include "catalog/namedstarcataloglist.h"
#include "catalog/solarsystem.h"
#include "catalog/solarsystemcataloglist.h"
#include "catalog/sunvisibility.h"
#include "link/connectedobjcontainer.h"
#include "link/connectionsettings.h"
#include "link/conversertimeoutforwarder.h"
#include "link/qtudpbroadcaster.h"
#include "model/aligner.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/mountmodecontainer.h"
#include "model/pae.h"
#include "model/permountdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/gotostatus.h"
#include "mount/iconnectable.h"
#include "mount/imountconnection.h"
#include "mount/mountaxislimit.h"
#include "mount/mountconnectionstack.h"
#include "mount/mountmodepopupstub.h"
#include "mount/parkdataloaduistub.h"
#include "mount/profiles/cameracontrollist.h"
#include "mount/profiles/userobjectlist.h"
#include "mount/slewingcontrol.h"
#include "mount/testaztracking.h"
#include "mount/testtrailpoints.h"
#include "mount/trackingui.h"
#include "mount/trailpointsstatus.h"
#include "mount/wificonfig.h"
#include "pages/cataloglist.h"
#include "pages/generalinfolist.h"
#include "pages/identifycataloglist.h"
#include "pages/objectinfolist.h"
#include "pages/pointandgo.h"
#include "pages/searchdso.h"
#include "server/netserver.h"
#include "server/nopmsharing.h"
#include "server/vtmserver.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>

#include <utility>
#include <vector>

void dependencyInjectToQml(QQmlApplicationEngine* engine,
                           QList<std::shared_ptr<QObject>>& keepAlive,
                           Ko::PDepContainer& container) {
    using namespace Ko;
    QQmlContext* const context = engine->rootContext();

    // Creation order: a constructor may subscribe to the collaborators it is given, so each
    // service is made after everything it needs, and subscribers join each list in this order.
    const auto fileUtil = std::make_shared<QtFileUtil>(AppVersion::appFolderName());
    const auto kvStore = std::make_shared<QtKVStore>(QStringLiteral("Settings.txt"), fileUtil);
    const auto qmlKvStore = std::make_shared<QmlKVStore>(kvStore);
    const auto location = std::make_shared<Location2>(kvStore);
    const auto languageManager = std::make_shared<LanguageManager>(kvStore, engine);
    const auto locationOpenSetting = std::make_shared<OpenLocationSetting>();
    const auto bluetoothOpenSetting = std::make_shared<OpenBluetoothSetting>();
    const auto uiSetting = std::make_shared<UISetting>(kvStore);
    const auto clock = std::make_shared<CRealClock>();
    const auto astroClock = std::make_shared<AstroClock>(clock);
    const auto astroCalc = std::make_shared<AstroCalc>(location, astroClock);
    const auto altRange = std::make_shared<AltRange>(kvStore);
    const auto astroFormat = std::make_shared<QAstroFormat>(languageManager);
    const auto perMountData = std::make_shared<PerMountData>(kvStore);
    const auto visibility = std::make_shared<Visibility>(location, astroCalc, clock);
    const auto appCore = std::make_shared<AppCore>(kvStore, astroFormat);
    // The QML page re-parents the reticle item into its drawing area.
    const auto polarScopePaintedItem = std::make_shared<PolarScopePaintedItem>(astroCalc);
    const auto polarScopeInfo =
        std::make_shared<PolarScopeInfo>(astroCalc, astroFormat, location, astroClock);
    const auto cometFile = std::make_shared<CometFile>(fileUtil);
    const auto solarSystem = std::make_shared<SolarSystem>(astroClock, astroCalc, languageManager);
    const auto sunVisibility = std::make_shared<SunVisibility>(astroCalc, solarSystem, astroClock);
    const auto catalogSettings =
        std::make_shared<CatalogSettings>(kvStore, clock, altRange, astroCalc, sunVisibility);
    // The database follows the language; the sources read their rows once here and again on
    // each language change, which reaches the database first because it subscribed first.
    const auto astroDatabase = std::make_shared<AstroDatabase>(languageManager, fileUtil);
    const auto solarSystemList = std::make_shared<SolarSystemCatalogList>(solarSystem, false);
    const auto namedStarList = std::make_shared<NamedStarCatalogList>(astroCalc, astroDatabase);
    const auto doubleStarList =
        std::make_shared<DoubleStarCatalogList>(astroCalc, astroDatabase, false);
    const auto dsoList = std::make_shared<NamedDsoCatalogList>(astroCalc, astroDatabase, false);
    const auto cometList =
        std::make_shared<CometCatalogList>(astroClock, location, cometFile, clock);
    // Each catalog page lists one source of its own, all over the same settings and formats.
    const auto makeCatalogList = [&](std::shared_ptr<ICatalogListRaw> raw) {
        return std::make_shared<CatalogList>(std::move(raw), astroCalc, astroFormat,
                                             catalogSettings);
    };
    const auto astroListSs = makeCatalogList(solarSystemList);
    const auto astroListStar = makeCatalogList(namedStarList);
    const auto astroListDouble = makeCatalogList(doubleStarList);
    const auto astroListDso = makeCatalogList(dsoList);
    const auto astroListComet = makeCatalogList(cometList);
    // The sources of the "Tonight's Best" page feed nothing else.
    const auto solarSystemBestList = std::make_shared<SolarSystemCatalogList>(solarSystem, true);
    const auto doubleStarBestList =
        std::make_shared<DoubleStarCatalogList>(astroCalc, astroDatabase, true);
    const auto dsoBestList = std::make_shared<NamedDsoCatalogList>(astroCalc, astroDatabase, true);
    const auto astroListSsBest = makeCatalogList(solarSystemBestList);
    const auto astroListDoubleBest = makeCatalogList(doubleStarBestList);
    const auto astroListDsoBest = makeCatalogList(dsoBestList);
    const auto toastManagerUIStub = std::make_shared<ToastManagerUIStub>();
    const auto mountModePopupStub = std::make_shared<MountModePopupStub>();
    const auto parkDataLoadUIStub = std::make_shared<ParkDataLoadUIStub>();
    const auto mountModeContainer = std::make_shared<MountModeContainer>();
    // The one current pointing model: the container writes it, every conversion reads it.
    const auto alignmentData = std::make_shared<SharedAlignmentData>();
    const auto mountAxes = std::make_shared<ConnectedObjContainer<IMountAxis>>();
    const auto mountAxisLimit = std::make_shared<MountAxisLimit>(mountAxes);
    const auto alignment = std::make_shared<Alignment>(alignmentData, mountAxisLimit);
    // Restores the saved model at once, so it needs the site, the per-mount data and the model.
    const auto alignmentDataContainer =
        std::make_shared<AlignmentDataContainer>(location, perMountData, alignmentData, alignment,
                                                 toastManagerUIStub, astroCalc, astroFormat);
    // Joins the container's and the per-mount data's lists after the container, so a mount
    // connection restores the model before the correction table reloads.
    const auto pae = std::make_shared<PAE>(alignmentDataContainer, perMountData);
    const auto connectionSettings = std::make_shared<ConnectionSettings>(kvStore);
    const auto converserTimeoutForwarder = std::make_shared<ConverserTimeoutForwarder>();
    // Everything of a connection that outlives one mount; the mount factory inside keeps the
    // first nine, which every mount shares.
    const auto [mountConnection, connectable] = makeMountConnectionStack(
        {location, clock, astroCalc, altRange, alignment, toastManagerUIStub, parkDataLoadUIStub,
         pae, mountAxes, connectionSettings, converserTimeoutForwarder, perMountData,
         mountModeContainer, mountModePopupStub, appCore});
    const auto generalInfoList = std::make_shared<GeneralInfoList>(
        astroCalc, astroFormat, mountConnection, alignmentDataContainer, astroClock);
    const auto magneticDeclination = std::make_shared<MagneticDeclination>(clock, location);
    const auto oriSensor = std::make_shared<OriSensor>(astroFormat, magneticDeclination);
    const auto pointAndGo = std::make_shared<PointAndGo>(mountConnection, oriSensor, astroCalc,
                                                         catalogSettings, toastManagerUIStub);
    const auto searchDSO = std::make_shared<SearchDSO>(astroDatabase, astroFormat, astroCalc,
                                                       mountConnection, catalogSettings);
    // Searches the very sources of the star, planet and deep-sky pages, not copies of them.
    const auto identifyList =
        std::make_shared<IdentifyCatalogList>(namedStarList, solarSystemList, dsoList, astroCalc,
                                              astroFormat, oriSensor, mountConnection);
    const auto platformUrl = std::make_shared<PlatformUrl>();
    const auto helpFile =
        std::make_shared<HelpFile>(fileUtil, languageManager, platformUrl, &helpPageRule);
    // The pad, the Wi-Fi page and the two status popups follow whichever mount the holder has.
    const auto slewingControl = std::make_shared<SlewingControl>(mountConnection);
    const auto wifiConfig = std::make_shared<WifiConfig>(mountConnection);
    const auto udpBroadcaster = std::make_shared<QtUDPBroadcaster>();
    const auto gotoStatus = std::make_shared<GotoStatus>(mountConnection, astroFormat, astroCalc);
    const auto trailPointsStatus =
        std::make_shared<TrailPointsStatus>(mountConnection, astroFormat, astroCalc);
    const auto uiBlockingMessage = std::make_shared<UiBlockingMessage>();
    const auto aligner =
        std::make_shared<Aligner>(alignmentDataContainer, perMountData, location, clock, astroCalc);
    const auto polarAligner = std::make_shared<PolarAligner>(altRange, location, astroCalc,
                                                             alignmentDataContainer, aligner);
    // Rates by the rules of whichever mount the holder has at the moment of each call.
    const auto alignStarRater =
        std::make_shared<AlignStarRater>(altRange, astroCalc, mountConnection);
    // The same named-star source as the star list feeds the alignment-star lists.
    const auto alignStarCalculator =
        std::make_shared<AlignStarCalculator>(namedStarList, solarSystem, alignStarRater, astroCalc,
                                              catalogSettings, astroFormat, polarAligner);
    const auto alignStarListUIStubs = std::make_shared<AlignStarListUIStubs>();
    // The centering page serves the alignment, polar-alignment and pointing-accuracy routines
    // in turn, so it is made before all three.
    const auto centeringUIStub =
        std::make_shared<CenteringUIStub>(slewingControl, astroCalc, astroFormat);
    const auto alignSelectionUIStub = std::make_shared<AlignSelectionUIStub>();
    const auto alignmentRoutine = std::make_shared<AlignmentRoutine>(
        alignStarCalculator, mountConnection, alignStarListUIStubs, centeringUIStub,
        alignSelectionUIStub, astroFormat, astroCalc, aligner);
    const auto instructionStepUIStub = std::make_shared<InstructionStepUIStub>();
    const auto polarAlignmentRoutine = std::make_shared<PolarAlignmentRoutine>(
        alignStarCalculator, mountConnection, alignStarListUIStubs, centeringUIStub,
        instructionStepUIStub, astroCalc, polarAligner, alignmentDataContainer, toastManagerUIStub);
    const auto alignerHelper = std::make_shared<AlignerHelper>(
        alignmentDataContainer, aligner, alignStarRater, astroFormat, astroCalc);
    const auto paeRoutine =
        std::make_shared<PAERoutine>(mountConnection, centeringUIStub, toastManagerUIStub);
    // Keeps the pointing-accuracy routine alive: nothing else holds it.
    const auto objectInfoList = std::make_shared<ObjectInfoList>(
        astroCalc, astroFormat, mountConnection, visibility, paeRoutine, catalogSettings);
    // The user's own objects and exposure programs reach the mount through the holder.
    const auto userObjects = createUserObjectServices(kvStore, astroCalc, mountConnection);
    const auto locationSensor = std::make_shared<QtLocationSensor>();
    const auto trackingUI = std::make_shared<TrackingUI>(mountConnection);
    const auto appVersion = std::make_shared<AppVersion>();
    const auto testAZTracking = std::make_shared<TestAZTracking>();
    const auto testTrailPoints = std::make_shared<TestTrailPoints>(mountConnection);
    const auto logPage = std::make_shared<LogPage>();
    // The remote-method server opens its ports at once; it holds the network core, which so
    // outlives it.
    container.vtmServer = std::make_shared<VtmServer>(
        location, astroCalc, astroClock, mountConnection, alignmentDataContainer,
        std::make_shared<NoPMSharing>(), alignerHelper, std::make_shared<NetServer>(),
        envPort(kRpcPortEnv, VtmServer::kPort), &AppVersion::deviceName);

    // Publication order: QML reaches the services only through these names.
    const std::vector<std::pair<const char*, std::shared_ptr<QObject>>> published = {
        {"inj_kvStore", qmlKvStore},
        {"inj_languageManager", languageManager},
        {"inj_location", location},
        {"inj_locationSensor", locationSensor},
        {"inj_locationOpenSetting", locationOpenSetting},
        {"inj_bluetoothOpenSetting", bluetoothOpenSetting},
        {"inj_polarScopePaintedItem", polarScopePaintedItem},
        {"inj_polarScopeInfo", polarScopeInfo},
        {"inj_cometFile", cometFile},
        {"inj_perMountData", perMountData},
        {"inj_appCore", appCore},
        {"inj_sunVisibility", sunVisibility},
        {"inj_catalogSettings", catalogSettings},
        {"inj_altRange", altRange},
        {"inj_astroList_ss", astroListSs},
        {"inj_astroList_star", astroListStar},
        {"inj_astroList_double", astroListDouble},
        {"inj_astroList_dso", astroListDso},
        {"inj_astroList_comet", astroListComet},
        {"inj_searchDSO", searchDSO},
        {"inj_astroList_ss_bt", astroListSsBest},
        {"inj_astroList_double_bt", astroListDoubleBest},
        {"inj_astroList_dso_bt", astroListDsoBest},
        {"inj_toastManagerUIStub", toastManagerUIStub},
        {"inj_mountModePopupStub", mountModePopupStub},
        {"inj_parkDataLoadUIStub", parkDataLoadUIStub},
        {"inj_alignmentDataContainer", alignmentDataContainer},
        {"inj_alignStarCalculator", alignStarCalculator},
        {"inj_alignStarListUIStubs", alignStarListUIStubs},
        {"inj_centeringUIStub", centeringUIStub},
        {"inj_alignSelectionUIStub", alignSelectionUIStub},
        {"inj_alignmentRoutine", alignmentRoutine},
        {"inj_instructionStepUIStub", instructionStepUIStub},
        {"inj_polarAlignmentRoutine", polarAlignmentRoutine},
        {"inj_alignerHelper", alignerHelper},
        {"inj_connectSettings", connectionSettings},
        {"inj_mountConnection", mountConnection},
        {"inj_converserTimeoutForwarder", converserTimeoutForwarder},
        {"inj_iConnectable", connectable},
        {"inj_generalInfoList", generalInfoList},
        {"inj_trackingUI", trackingUI},
        {"inj_slewingControl", slewingControl},
        {"inj_wifiConfig", wifiConfig},
        {"inj_objectInfoList", objectInfoList},
        {"inj_gotoStatus", gotoStatus},
        {"inj_trailPointsStatus", trailPointsStatus},
        {"inj_uiBlockingMessage", uiBlockingMessage},
        {"inj_helpFile", helpFile},
        {"inj_oriSensor", oriSensor},
        {"inj_pointAndGo", pointAndGo},
        {"inj_uiSetting", uiSetting},
        {"inj_identifyList", identifyList},
        {"inj_userObject_CE", userObjects.celestial},
        {"inj_userObject_TE", userObjects.terrestrial},
        {"inj_cameraControl", userObjects.cameraControl},
        {"inj_appVersion", appVersion},
        {"inj_testAZTracking", testAZTracking},
        {"inj_testTrailPoints", testTrailPoints},
        {"inj_logPage", logPage},
    };
    for (const auto& [name, object] : published) {
        context->setContextProperty(QString::fromLatin1(name), object.get());
        keepAlive.append(object);
    }
}
