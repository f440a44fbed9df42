#pragma once

#include "link/connectedobjcontainer.h"
#include "link/qtudpbroadcaster.h"
#include "link/udpkodevicefactory.h"

#include <memory>
#include <utility>
#include <vector>

namespace Ko {

// Threads: main thread only.

class AltRange;
class AppCore;
class ConverserTimeoutForwarder;
class IAlignment;
class IAstroCalc;
class IClock;
class IConnectable;
class IConnectionSettings;
class IGattPlatform;
class ILocation;
class IMountAxis;
class IMountConnection;
class IPAE;
class IParkDataOption;
class IPerMountData;
class IShortMessageSink;
class MountModeContainer;
class MountModePopupStub;

// The application-wide services the connection stack needs. The first nine are what every mount
// shares (the mount factory keeps them); the others go to the connect helpers and the session.
struct MountConnectableDeps {
    std::shared_ptr<ILocation> location;
    std::shared_ptr<IClock> clock;
    std::shared_ptr<IAstroCalc> astroCalc;
    std::shared_ptr<AltRange> altRange;
    std::shared_ptr<IAlignment> alignment;
    std::shared_ptr<IShortMessageSink> messageSink;
    std::shared_ptr<IParkDataOption> parkDataOption;
    std::shared_ptr<IPAE> pae;
    std::shared_ptr<ConnectedObjContainer<IMountAxis>> axisSlot;
    std::shared_ptr<IConnectionSettings> connectionSettings;
    std::shared_ptr<ConverserTimeoutForwarder> timeoutForwarder;
    std::shared_ptr<IPerMountData> perMountData;
    std::shared_ptr<MountModeContainer> modeContainer;
    std::shared_ptr<MountModePopupStub> modePopup;
    std::shared_ptr<AppCore> appCore;
};

// Where the links look for mounts. The program keeps the defaults (every IPv4 network, the
// mount's own port and address, the platform's Bluetooth); tests aim them at loopback.
struct MountLinkRoutes {
    // Empty: every IPv4 network of this machine that has a broadcast address.
    std::vector<UDPBroadcastEntry> broadcastEntries;
    uint16_t searchPort = QtUDPBroadcaster::kMountPort;
    UDPMountRoute udp;
    // Null: the platform's.
    std::shared_ptr<IGattPlatform> gattPlatform;
};

// Builds, once and on the main thread, everything of the connection that does not depend on a
// particular mount: the links' cancellation token, the device factories and connect helpers of
// the three transports, the helper that picks among them (and the emulator) by the connection
// type, the mount holder, the mount factory, the Wi-Fi module factory and the connection session.
// Returns the mount holder and the session; everything else lives through them.
std::pair<std::shared_ptr<IMountConnection>, std::shared_ptr<IConnectable>>
makeMountConnectionStack(MountConnectableDeps deps, MountLinkRoutes routes = {});

} // namespace Ko
