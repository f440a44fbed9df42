#include "app/compositionroot.h"

#include "app/appversion.h"
#include "app/logpage.h"
#include "app/pdepcontainer.h"
#include "app/qmlkvstore.h"
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
#include "link/connectionsettings.h"
#include "link/conversertimeoutforwarder.h"
#include "link/qtudpbroadcaster.h"

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
    const auto clock = std::make_shared<CRealClock>();
    const auto astroClock = std::make_shared<AstroClock>(clock);
    const auto astroCalc = std::make_shared<AstroCalc>(location, astroClock);
    const auto astroFormat = std::make_shared<QAstroFormat>(languageManager);
    const auto visibility = std::make_shared<Visibility>(location, astroCalc, clock);
    const auto connectionSettings = std::make_shared<ConnectionSettings>(kvStore);
    const auto converserTimeoutForwarder = std::make_shared<ConverserTimeoutForwarder>();
    const auto magneticDeclination = std::make_shared<MagneticDeclination>(clock, location);
    const auto oriSensor = std::make_shared<OriSensor>(astroFormat, magneticDeclination);
    const auto udpBroadcaster = std::make_shared<QtUDPBroadcaster>();
    const auto locationSensor = std::make_shared<QtLocationSensor>();
    const auto appVersion = std::make_shared<AppVersion>();
    const auto logPage = std::make_shared<LogPage>();

    // Publication order: QML reaches the services only through these names.
    const std::vector<std::pair<const char*, std::shared_ptr<QObject>>> published = {
        {"inj_kvStore", qmlKvStore},
        {"inj_languageManager", languageManager},
        {"inj_location", location},
        {"inj_locationSensor", locationSensor},
        {"inj_locationOpenSetting", locationOpenSetting},
        {"inj_bluetoothOpenSetting", bluetoothOpenSetting},
        {"inj_connectSettings", connectionSettings},
        {"inj_converserTimeoutForwarder", converserTimeoutForwarder},
        {"inj_oriSensor", oriSensor},
        {"inj_appVersion", appVersion},
        {"inj_logPage", logPage},
    };
    for (const auto& [name, object] : published) {
        context->setContextProperty(QString::fromLatin1(name), object.get());
        keepAlive.append(object);
    }
}
