#pragma once

#include "base/publishedrows.h"
#include "mount/mountconnectionstack.h"
#include "mount/profiles/userobjectlist.h"

#include <memory>

namespace Ko {

// Threads: main thread only.

class ConnectionSettings;
class GotoStatus;
class IAstroFormat;
class IKVStore;
class IMountConnection;
class IConnectable;
class IGoToGuard;
class MountAxisLimit;
class MountModeContainer;
class ParkDataLoadUIStub;
class SlewingControl;
class TestTrailPoints;
class ToastManagerUIStub;
class TrackingUI;
class TrailPointsStatus;
class WifiConfig;

// What the connection and the mount controls need from below.
struct MountDeps {
    std::shared_ptr<IKVStore> kvStore;
    std::shared_ptr<ILocation> location;
    std::shared_ptr<IClock> clock;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<IAstroFormat> astroFormat;
    std::shared_ptr<AltRange> altRange;
    std::shared_ptr<AppCore> appCore;
    std::shared_ptr<IAlignment> alignment;
    std::shared_ptr<IPAE> pae;
    std::shared_ptr<IPerMountData> perMountData;
    std::shared_ptr<MountModeContainer> modeContainer;
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot;
    std::shared_ptr<ToastManagerUIStub> toast;
    // The rule above the mount's altitude limits that a user object's GoTo must pass.
    std::shared_ptr<const IGoToGuard> goToGuard;
    // Where the links look for mounts: the defaults, except where a test moves them.
    MountLinkRoutes routes = {};
};

struct MountServices {
    std::shared_ptr<MountModePopupStub> mountModePopupStub;
    std::shared_ptr<ParkDataLoadUIStub> parkDataLoadUIStub;
    std::shared_ptr<ConnectionSettings> connectionSettings;
    std::shared_ptr<ConverserTimeoutForwarder> timeoutForwarder;
    std::shared_ptr<IMountConnection> mountConnection;
    std::shared_ptr<IConnectable> connectable;
    // The pad, the Wi-Fi page and the two status popups follow whichever mount the holder has.
    std::shared_ptr<SlewingControl> slewingControl;
    std::shared_ptr<WifiConfig> wifiConfig;
    std::shared_ptr<GotoStatus> gotoStatus;
    std::shared_ptr<TrailPointsStatus> trailPointsStatus;
    std::shared_ptr<TrackingUI> trackingUI;
    std::shared_ptr<TestTrailPoints> testTrailPoints;
    // The user's own objects and exposure programs reach the mount through the holder.
    UserObjectServices userObjects;
};

// Main thread only, once. Builds the connection settings, the connection stack with its mount
// holder and session, the mount controls and status popups and the user objects, and appends
// their rows.
MountServices makeMountServices(const MountDeps& deps, PublishedRows& published);

} // namespace Ko
