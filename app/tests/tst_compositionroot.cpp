#include "app/appmain.h"
#include "app/compositionroot.h"
#include "app/pdepcontainer.h"
#include "app/qmlregistration.h"
#include "app/tests/scratchhome.h"
#include "base/toastmanageruistub.h"
#include "server/tests/loopbackrig.h"

#include <QEventLoop>
#include <QFont>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Every root-context property of the finished application, in publication order. Services that
// are not built yet are simply absent; those present must keep this order.
const QStringList kPublicationOrder =
    QString("inj_kvStore inj_endingState inj_languageManager inj_location inj_locationSensor "
            "inj_locationOpenSetting inj_bluetoothOpenSetting inj_polarScopePaintedItem "
            "inj_polarScopeInfo inj_cometFile inj_perMountData inj_appCore inj_sunVisibility "
            "inj_catalogSettings inj_altRange inj_astroList_ss inj_astroList_star "
            "inj_astroList_double inj_astroList_dso inj_astroList_comet inj_searchDSO "
            "inj_astroList_ss_bt inj_astroList_double_bt inj_astroList_dso_bt "
            "inj_toastManagerUIStub inj_mountModePopupStub inj_parkDataLoadUIStub "
            "inj_alignmentDataContainer inj_alignStarCalculator inj_alignStarListUIStubs "
            "inj_centeringUIStub inj_alignSelectionUIStub inj_alignmentRoutine "
            "inj_instructionStepUIStub inj_polarAlignmentRoutine inj_alignerHelper "
            "inj_connectSettings inj_mountConnection inj_converserTimeoutForwarder "
            "inj_iConnectable inj_generalInfoList inj_trackingUI inj_slewingControl "
            "inj_wifiConfig inj_pmSharing inj_objectInfoList inj_gotoStatus inj_trailPointsStatus "
            "inj_uiBlockingMessage inj_stellariumServer inj_qrpServer inj_helpFile inj_oriSensor "
            "inj_pointAndGo inj_uiSetting inj_identifyList inj_userObject_CE inj_userObject_TE "
            "inj_cameraControl inj_appVersion inj_testAZTracking inj_testTrailPoints inj_logPage")
        .split(' ');

// The services that the documents below read; they are built by now.
const QStringList kReadByDocuments =
    QString("inj_kvStore inj_languageManager inj_connectSettings inj_appVersion inj_logPage "
            "inj_toastManagerUIStub inj_uiBlockingMessage inj_helpFile inj_uiSetting "
            "inj_sunVisibility inj_locationSensor inj_locationOpenSetting "
            "inj_bluetoothOpenSetting inj_oriSensor inj_perMountData inj_appCore inj_altRange "
            "inj_alignmentDataContainer inj_mountModePopupStub inj_parkDataLoadUIStub "
            "inj_mountConnection inj_iConnectable inj_testTrailPoints inj_trackingUI "
            "inj_slewingControl inj_wifiConfig inj_gotoStatus inj_trailPointsStatus inj_searchDSO "
            "inj_identifyList inj_pointAndGo inj_polarScopeInfo inj_polarScopePaintedItem "
            "inj_userObject_CE inj_userObject_TE inj_cameraControl inj_generalInfoList "
            "inj_objectInfoList inj_centeringUIStub inj_instructionStepUIStub "
            "inj_alignStarCalculator inj_alignerHelper inj_alignmentRoutine "
            "inj_polarAlignmentRoutine")
        .split(' ');

// The application's services published into an engine by the composition root.
struct Composed {
    QList<std::shared_ptr<QObject>> keepAlive;
    Ko::PDepContainer container;
    QQmlApplicationEngine engine;
    explicit Composed(bool withResources = true) {
        if (withResources)
            engine.addImportPath("qrc:///");
        dependencyInjectToQml(&engine, keepAlive, container);
    }
};

} // namespace

class TestCompositionRoot : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    uint16_t m_rpcPort = 0;

    // The published names of a finished composition, in publication order.
    static QStringList presentNames(QQmlContext* context) {
        QStringList names;
        for (const QString& name : kPublicationOrder)
            if (context->contextProperty(name).isValid())
                names.append(name);
        return names;
    }

private slots:
    void initTestCase() {
        // The services read and write the platform's data folders: point them at a scratch
        // folder before anything is built.
        QVERIFY(m_home.isValid());
        useScratchHome(m_home.path());
        // Never the remote-method server's fixed port, which another test may hold.
        m_rpcPort = Ko::freePort();
        QVERIFY(m_rpcPort);
        qputenv("KO_RPC_PORT", QByteArray::number(m_rpcPort));
        QCOMPARE(kPublicationOrder.size(), 63);
        QCOMPARE(QSet<QString>(kPublicationOrder.begin(), kPublicationOrder.end()).size(), 63);

        QIcon::setThemeName("app");
        Ko::registerQmlModules();
        Ko::registerMetaTypes();
    }

    void publishesServicesInOrder() {
        Composed composed(false);
        QQmlApplicationEngine& engine = composed.engine;
        const auto& keepAlive = composed.keepAlive;
        const auto& container = composed.container;

        QVERIFY(engine.rootObjects().isEmpty());
        QQmlContext* context = engine.rootContext();
        const QStringList names = presentNames(context);
        for (const QString& name : kReadByDocuments)
            QVERIFY2(names.contains(name), qPrintable(name));

        QCOMPARE(keepAlive.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QVERIFY2(keepAlive[i], qPrintable(names[i]));
            QCOMPARE(context->contextProperty(names[i]).value<QObject*>(), keepAlive[i].get());
        }
        // One object per name: a service published twice would be torn down out of order.
        QSet<QObject*> distinct;
        for (const auto& object : keepAlive)
            distinct.insert(object.get());
        QCOMPARE(distinct.size(), keepAlive.size());

        // The settings folder that the store uses carries the application's folder name.
        QVERIFY(QDir(m_home.filePath("data/QuorvelPro")).exists());

        // The remote-method server, which QML never sees, answers on the overriding port. Its
        // ports open on the network core's thread after construction: a datagram sent before
        // would be lost, so the request is repeated.
        QVERIFY(container.vtmServer);
        QTRY_COMPARE_WITH_TIMEOUT(Ko::udpRequest(m_rpcPort, "NoSuch", 200).value_or("(silence)"),
                                  QByteArray("Unknown,NoSuch"), 10000);
    }

    void rootDocumentReadsServices() {
        Composed composed;
        QQmlApplicationEngine& engine = composed.engine;

        QQmlContext* context = engine.rootContext();
        engine.loadData(R"(
            import QtQml
            import Ko.Quorvel 1.0
            import Ko.AstroBase 1.0
            QtObject {
                property string title: inj_appVersion.appName
                property double width: inj_kvStore.loadDouble("ui.winrect.width", 428)
                property string log: typeof inj_logPage.logString()
                property string sunUp: typeof inj_sunVisibility.sunAboveHorizon()
                property real starLimit: inj_catalogSettings.maxStarVmag
                property int sortOrder: inj_catalogSettings.sortOrder
                property int byName: CatalogSortOrder.Name
                property int ngc: DeepSkyCatalog.IdNgc
                property int tooClose: SlewToProhibition.TooCloseToSun
                property real maxAlt: inj_altRange.maxAlt
                property int emulator: ConnectionType.Emulator
                property int timeout: CmdRetType.Timeout
                property int useAz: DualModeChoice.UseAZ
                property int sidereal: GuidingSpeed.Sidereal
                property int restore: ParkDataLoadOption.Load
                property int terrestrial: UserObjectMode.TE
                property int userObjects: inj_userObject_CE.list.length
                                          + inj_userObject_TE.list.length
                property string bulbOpen: inj_cameraControl.count
                property bool sensorOff: inj_locationSensor.state === LocationSensorState.NoSignalForNow
                                         && !inj_locationSensor.active
                property bool settingsEnabled: inj_locationOpenSetting.enable
                                               && inj_bluetoothOpenSetting.enable
                property string pointing: inj_oriSensor.azAltString
                property int connectionType: inj_connectSettings.type
                property int languages: inj_languageManager.availableLanguages.length
                property string firstLanguage:
                    inj_languageManager.availableLanguages[0].languageCode
                property string stored
                property int stars: -1
                property bool starsLoading: true
                property string toast
                property bool blocking: inj_uiBlockingMessage.showing
                property url help: inj_helpFile.helpUrl
                property int padding: inj_uiSetting.footerPadding
                property int alignedStars: inj_alignmentDataContainer.alignedStarCount
                property double speedFactor: inj_perMountData.speedFineAdjustmentFactor
                property int polarRows: inj_polarScopeInfo.infoList.length
                property bool polarNorth: inj_polarScopePaintedItem.north
                property int firstStars: inj_alignStarCalculator.list0.length
                property bool syncAligns: inj_alignerHelper.alignWithSyncTo
                property int threeStars: AlignmentType.Star3
                property string starPages
                property Connections starPageOpener: Connections {
                    target: inj_alignStarListUIStubs
                    function onShouldShow(index012, title) {
                        starPages += index012 + " " + title + ";"
                    }
                }
                property bool mountConnected: inj_mountConnection.connected
                property bool hasWifi: inj_mountConnection.hasWifi
                property string nextAction: inj_iConnectable.nextActionText
                property bool connecting: inj_iConnectable.busy
                property int parkLoad: ParkDataLoadOption.Load
                property real trailRate: inj_testTrailPoints.absRateDps
                property int generalRows: inj_generalInfoList.listModel.rowCount()
                property int objectRows: inj_objectInfoList.listModel.rowCount()
                property bool gotoAllowed: inj_objectInfoList.slewToProhibition === undefined
                property bool centerReady: inj_centeringUIStub.centerButtonReady
                property bool trackingIdle: inj_trackingUI.trackingStatus === TrackingStatus.Idle
                property int padRate: inj_slewingControl.intRate
                property int padEnabled: inj_slewingControl.enButton.filter(e => e).length
                property bool padPrompt: inj_slewingControl.promptButton.some(e => e)
                property bool wifiBusy: inj_wifiConfig.busy
                property bool wifiRead: inj_wifiConfig.currentSetting === undefined
                property int wifiChannel: inj_wifiConfig.newWifiAPSetting().channel
                property bool gotoDone: inj_gotoStatus.done
                property string gotoTarget: inj_gotoStatus.targetName
                property string trailPosition: inj_trailPointsStatus.targetPosition1
                property Connections toaster: Connections {
                    target: inj_toastManagerUIStub
                    function onShouldToast(textLoc) { toast = textLoc }
                }
                property string dsoName
                property int identifyRows: -1
                property string identifyAzAlt: "none yet"
                Component.onCompleted: {
                    inj_searchDSO.dsoType = DeepSkyCatalog.IdC
                    inj_searchDSO.numberID = 20
                    dsoName = inj_searchDSO.show.a
                    // Without a mount these do nothing.
                    inj_searchDSO.startGoTo()
                    inj_pointAndGo.startGoTo()
                    inj_identifyList.refresh()
                    identifyRows = inj_identifyList.list.length
                    identifyAzAlt = inj_identifyList.azAlt
                    inj_kvStore.saveString("night_mode_note", "día")
                    stored = inj_kvStore.loadString("night_mode_note", "")
                    inj_alignmentRoutine.start(AlignmentType.Star3)
                    inj_polarAlignmentRoutine.start()
                    inj_astroList_star.setDisplayed(true)
                    stars = inj_astroList_star.list.length
                    starsLoading = inj_astroList_star.loadingList
                    // Without a mount the pad ignores what is held.
                    inj_slewingControl.inputButtons([true, false, false, false,
                                                     false, false, false, false])
                }
            }
        )",
                        QUrl("qrc:/reader.qml"));
        QCOMPARE(engine.rootObjects().size(), 1);
        QObject* root = engine.rootObjects().first();
        QCOMPARE(root->property("title").toString(), QString("Quorvel Pro"));
        QCOMPARE(root->property("width").toDouble(), 428.0);
        QCOMPARE(root->property("log").toString(), QString("string"));
        QCOMPARE(root->property("sunUp").toString(), QString("boolean"));
        QCOMPARE(root->property("starLimit").toDouble(), 2.0);
        QCOMPARE(root->property("sortOrder").toInt(), 0);
        QCOMPARE(root->property("byName").toInt(), 1);
        QCOMPARE(root->property("ngc").toInt(), 3);
        // The deep-sky search reads the shipped database.
        QCOMPARE(root->property("dsoName").toString(), QString("North America Nebula"));
        QCOMPARE(root->property("identifyRows").toInt(), 0);
        QCOMPARE(root->property("identifyAzAlt").toString(), QString());
        QCOMPARE(root->property("tooClose").toInt(), 1);
        QCOMPARE(root->property("maxAlt").toDouble(), 1.3089969389957472);
        QCOMPARE(root->property("emulator").toInt(), 1);
        QCOMPARE(root->property("timeout").toInt(), 2);
        QCOMPARE(root->property("useAz").toInt(), 2);
        QCOMPARE(root->property("sidereal").toInt(), 4);
        QCOMPARE(root->property("restore").toInt(), 1);
        QCOMPARE(root->property("terrestrial").toInt(), 1);
        QCOMPARE(root->property("userObjects").toInt(), 0);
        QCOMPARE(root->property("bulbOpen").toString(), QString("0.0"));
        QVERIFY(root->property("sensorOff").toBool());
        QVERIFY(root->property("settingsEnabled").toBool());
        QCOMPARE(root->property("pointing").toString(), QString());
        QCOMPARE(root->property("connectionType").toInt(), 0);
        QVERIFY(root->property("languages").toInt() >= 1);
        QCOMPARE(root->property("firstLanguage").toString(), QString("en"));
        QCOMPARE(root->property("stored").toString(), QString("día"));
        QCOMPARE(root->property("blocking").toBool(), false);
        QCOMPARE(root->property("padding").toInt(), 1);
        // About half of the shipped named stars stand above the horizon at any time.
        QVERIFY(root->property("stars").toInt() > 50);
        QVERIFY(!root->property("starsLoading").toBool());
        // No mount has been aligned in the scratch home: the default model stands.
        QCOMPARE(root->property("alignedStars").toInt(), 0);
        QCOMPARE(root->property("speedFactor").toDouble(), 1.0);
        QCOMPARE(root->property("polarRows").toInt(), 3);
        QCOMPARE(root->property("polarNorth").toBool(), true);
        // No alignment has built a star list yet; syncs do not align until the page says so.
        QCOMPARE(root->property("firstStars").toInt(), 0);
        QCOMPARE(root->property("syncAligns").toBool(), false);
        QCOMPARE(root->property("threeStars").toInt(), 3);
        // Both routines open the first star list from QML, the polar one without a measured error.
        QCOMPARE(root->property("starPages").toString(),
                 QString("0 Choose 1st Star;"
                         "0 No measured Mel Maz. Please perform alignment with 2 or 3 stars.;"));
        // Nothing connects by itself: the popup offers to connect.
        QCOMPARE(root->property("mountConnected").toBool(), false);
        QCOMPARE(root->property("hasWifi").toBool(), false);
        QCOMPARE(root->property("nextAction").toString(), QString("Connect"));
        QCOMPARE(root->property("connecting").toBool(), false);
        QCOMPARE(root->property("parkLoad").toInt(), 1);
        QCOMPARE(root->property("trailRate").toDouble(), 0.125);
        // The general information page has its rows before QML first shows it.
        QCOMPARE(root->property("generalRows").toInt(), 14);
        // No object shown yet: no rows and no refusal; the centre button waits for no correction.
        QCOMPARE(root->property("objectRows").toInt(), 0);
        QVERIFY(root->property("gotoAllowed").toBool());
        QVERIFY(root->property("centerReady").toBool());
        QVERIFY(root->property("trackingIdle").toBool());
        QCOMPARE(root->property("padRate").toInt(), 5);
        QCOMPARE(root->property("padEnabled").toInt(), 8);
        QCOMPARE(root->property("padPrompt").toBool(), false);
        QCOMPARE(root->property("wifiBusy").toBool(), false);
        QVERIFY(root->property("wifiRead").toBool());
        QCOMPARE(root->property("wifiChannel").toInt(), 6);
        QVERIFY(root->property("gotoDone").toBool());
        QCOMPARE(root->property("gotoTarget").toString(), QString());
        QCOMPARE(root->property("trailPosition").toString(), QString());

        // The English start page lies beside the program in the build as in an installation.
        const QUrl help = root->property("help").toUrl();
        QVERIFY2(help.toString().endsWith("/help/en/index.html"), qPrintable(help.toString()));
        QVERIFY2(QFileInfo::exists(help.toLocalFile()), qPrintable(help.toLocalFile()));

        // Services reach the toaster through the sink interface of the published object.
        auto* sink = qobject_cast<Ko::IShortMessageSink*>(
            context->contextProperty("inj_toastManagerUIStub").value<QObject*>());
        QVERIFY(sink);
        sink->sendShortMessage("Mount parked ✓");
        QCOMPARE(root->property("toast").toString(), QString("Mount parked ✓"));
    }

    // A switch through the published language service re-translates the bindings of the very
    // engine the composition root served, and back again.
    void languageSwitchRetranslatesBindings() {
        Composed composed;
        QQmlApplicationEngine& engine = composed.engine;

        engine.loadData(R"(
            import QtQml
            QtObject {
                property string east: qsTranslate("cardinal_direction", "E")
                function switchTo(code) { inj_languageManager.language = code }
            }
        )",
                        QUrl("qrc:/translated.qml"));
        QCOMPARE(engine.rootObjects().size(), 1);
        QObject* root = engine.rootObjects().first();
        for (const auto& [code, east] : {std::pair{"en", "E"}, {"de", "O"}, {"en", "E"}}) {
            QVERIFY(QMetaObject::invokeMethod(root, "switchTo", Q_ARG(QVariant, QString(code))));
            QCOMPARE(root->property("east").toString(), QString(east));
        }
    }

    void shippedRootDocumentLoads() {
        Composed composed;
        QQmlApplicationEngine& engine = composed.engine;

        QSignalSpy created(&engine, &QQmlApplicationEngine::objectCreated);
        engine.load(Ko::rootDocumentUrl());
        QCOMPARE(created.size(), 1);
        QCOMPARE(created[0][1].toUrl(), QUrl("qrc:/main.qml"));
        auto* window = qobject_cast<QQuickWindow*>(created[0][0].value<QObject*>());
        QVERIFY(window);
        QCOMPARE(window->title(), QString("Quorvel Pro"));

        // The look comes from the compiled-in controls configuration, not from code.
        QCOMPARE(QQuickStyle::name(), QString("Material"));
        QCOMPARE(window->property("font").value<QFont>().pointSizeF(), 14.0);
    }

    void iconThemeHasEveryIcon() {
        QCOMPARE(QIcon::themeName(), QString("app"));
        for (const char* name : {"back", "close x", "menu", "refresh", "search"}) {
            const QIcon icon = QIcon::fromTheme(name);
            QVERIFY2(!icon.isNull(), name);
            for (const char* dir : {"20x20", "20x20@2", "20x20@3"})
                QVERIFY2(QFile::exists(QString(":/icons/app/%1/%2.png").arg(dir, name)), name);
            // A sharper picture at the higher scales.
            QCOMPARE(icon.pixmap(QSize(20, 20), 3.0).deviceIndependentSize(), QSizeF(20, 20));
            QCOMPARE(icon.pixmap(QSize(20, 20), 3.0).size(), QSize(60, 60));
        }
        for (const char* name : {"arrow_down", "arrow_up"}) {
            QVERIFY2(!QIcon::fromTheme(name).isNull(), name);
            QCOMPARE(QImage(QString(":/icons/app/20x20/%1.png").arg(name)).size(), QSize(20, 20));
        }
    }

    void rootDocumentUrlCanBeOverridden() {
        qunsetenv(Ko::kRootDocumentEnv);
        QCOMPARE(Ko::rootDocumentUrl(), QUrl("qrc:/main.qml"));
        qputenv(Ko::kRootDocumentEnv, "other/root.qml");
        QCOMPARE(Ko::rootDocumentUrl(),
                 QUrl::fromLocalFile(QDir::current().filePath("other/root.qml")));
        qputenv(Ko::kRootDocumentEnv, "qrc:/elsewhere.qml");
        QCOMPARE(Ko::rootDocumentUrl(), QUrl("qrc:/elsewhere.qml"));
        qunsetenv(Ko::kRootDocumentEnv);
    }

    void onlyTheRootDocumentsFailureEndsTheLoop() {
        QQmlApplicationEngine engine;
        QObject context;
        const QUrl root("qrc:/main.qml");
        Ko::exitWhenRootNotCreated(engine, &context, root);

        QObject created;
        QEventLoop loop;
        QTimer::singleShot(0, &engine, [&] {
            emit engine.objectCreated(nullptr, QUrl("qrc:/other.qml"));
            emit engine.objectCreated(&created, root);
            // Runs after the queued checks of the two notifications above, in the same batch of
            // events: an exit they asked for must not be overwritten.
            QTimer::singleShot(0, &loop, [&] {
                if (loop.isRunning())
                    loop.exit(7);
            });
        });
        QCOMPARE(loop.exec(), 7);

        QTimer::singleShot(0, &engine, [&] { emit engine.objectCreated(nullptr, root); });
        QTimer::singleShot(60000, &loop, [&] {
            if (loop.isRunning())
                loop.exit(7);
        });
        QCOMPARE(loop.exec(), -1);
    }
};

QTEST_MAIN(TestCompositionRoot)
#include "tst_compositionroot.moc"
