#include "mount/mountservices.h"

#include "base/toastmanageruistub.h"
#include "link/connectionsettings.h"
#include "link/conversertimeoutforwarder.h"
#include "mount/gotostatus.h"
#include "mount/iconnectable.h"
#include "mount/imountconnection.h"
#include "mount/mountmodepopupstub.h"
#include "mount/parkdataloaduistub.h"
#include "mount/profiles/cameracontrollist.h"
#include "mount/slewingcontrol.h"
#include "mount/testtrailpoints.h"
#include "mount/trackingui.h"
#include "mount/trailpointsstatus.h"
#include "mount/wificonfig.h"

#include <tuple>

namespace Ko {

MountServices makeMountServices(const MountDeps& deps, PublishedRows& published) {
    MountServices s;
    s.mountModePopupStub = std::make_shared<MountModePopupStub>();
    published.emplace_back("inj_mountModePopupStub", s.mountModePopupStub);
    s.parkDataLoadUIStub = std::make_shared<ParkDataLoadUIStub>();
    published.emplace_back("inj_parkDataLoadUIStub", s.parkDataLoadUIStub);
    s.connectionSettings = std::make_shared<ConnectionSettings>(deps.kvStore);
    published.emplace_back("inj_connectSettings", s.connectionSettings);
    s.timeoutForwarder = std::make_shared<ConverserTimeoutForwarder>();
    published.emplace_back("inj_converserTimeoutForwarder", s.timeoutForwarder);
    // Everything of a connection that outlives one mount; the mount factory inside keeps the
    // first nine, which every mount shares.
    std::tie(s.mountConnection, s.connectable) = makeMountConnectionStack(
        {deps.location, deps.clock, deps.astroCalc, deps.altRange, deps.alignment, deps.toast,
         s.parkDataLoadUIStub, deps.pae, deps.axisSlot, s.connectionSettings, s.timeoutForwarder,
         deps.perMountData, deps.modeContainer, s.mountModePopupStub, deps.appCore},
        deps.routes);
    published.emplace_back("inj_mountConnection", s.mountConnection);
    published.emplace_back("inj_iConnectable", s.connectable);
    s.slewingControl = std::make_shared<SlewingControl>(s.mountConnection);
    published.emplace_back("inj_slewingControl", s.slewingControl);
    s.wifiConfig = std::make_shared<WifiConfig>(s.mountConnection);
    published.emplace_back("inj_wifiConfig", s.wifiConfig);
    s.gotoStatus =
        std::make_shared<GotoStatus>(s.mountConnection, deps.astroFormat, deps.astroCalc);
    published.emplace_back("inj_gotoStatus", s.gotoStatus);
    s.trailPointsStatus =
        std::make_shared<TrailPointsStatus>(s.mountConnection, deps.astroFormat, deps.astroCalc);
    published.emplace_back("inj_trailPointsStatus", s.trailPointsStatus);
    s.userObjects =
        createUserObjectServices(deps.kvStore, deps.astroCalc, s.mountConnection, deps.goToGuard);
    published.emplace_back("inj_userObject_CE", s.userObjects.celestial);
    published.emplace_back("inj_userObject_TE", s.userObjects.terrestrial);
    published.emplace_back("inj_cameraControl", s.userObjects.cameraControl);
    s.trackingUI = std::make_shared<TrackingUI>(s.mountConnection);
    published.emplace_back("inj_trackingUI", s.trackingUI);
    s.testTrailPoints = std::make_shared<TestTrailPoints>(s.mountConnection);
    published.emplace_back("inj_testTrailPoints", s.testTrailPoints);
    return s;
}

} // namespace Ko
