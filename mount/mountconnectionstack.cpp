#include "mount/mountconnectionstack.h"

#include "base/cancellable.h"
#include "link/ble/blekoconnectablehelper.h"
#include "link/ble/blekodevicefactory.h"
#include "link/ble/qtgattplatform.h"
#include "link/connectablehelper.h"
#include "link/serialconnectablehelper.h"
#include "link/serialkodevicefactory.h"
#include "link/udpconnectablehelper.h"
#include "link/wifimodule/wififactory.h"
#include "mount/mountconnectable.h"
#include "mount/mountfactory.h"
#include "mount/writablemountconnection.h"

namespace Ko {

std::pair<std::shared_ptr<IMountConnection>, std::shared_ptr<IConnectable>>
makeMountConnectionStack(MountConnectableDeps deps, MountLinkRoutes routes) {
    const auto& settings = deps.connectionSettings;
    const auto broadcaster =
        routes.broadcastEntries.empty()
            ? std::make_shared<QtUDPBroadcaster>()
            : std::make_shared<QtUDPBroadcaster>(routes.broadcastEntries, routes.searchPort);
    // One token for every link and mount: a thread that set its own current token is cancelled
    // through it, any other thread never.
    const auto token = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());

    const auto udpHelper = std::make_shared<UDPConnectableHelper>(
        settings, broadcaster, std::make_shared<UDPKoDeviceFactory>(settings, token, routes.udp));
    std::shared_ptr<IConnectableHelper> serialHelper;
    if constexpr (SerialConnectableHelper::serialPortSupported())
        serialHelper = std::make_shared<SerialConnectableHelper>(
            settings, std::make_shared<SerialKoDeviceFactory>(settings, token));
    const auto bleHelper = std::make_shared<BLEKoConnectableHelper>(
        settings, std::make_shared<BLEKoDeviceFactory>(settings, token),
        routes.gattPlatform ? routes.gattPlatform : std::make_shared<QtGattPlatform>());
    const auto helper =
        std::make_shared<ConnectableHelper>(settings, udpHelper, serialHelper, bleHelper);

    const auto mountConnection = std::make_shared<WritableMountConnection>();
    const auto mountFactory = std::make_shared<MountFactory>(
        std::move(deps.location), std::move(deps.clock), std::move(deps.astroCalc),
        std::move(deps.altRange), std::move(deps.alignment), std::move(deps.messageSink),
        std::move(deps.parkDataOption), std::move(deps.pae), std::move(deps.axisSlot), token, token,
        deps.perMountData, deps.appCore, settings);
    const auto session = std::make_shared<MountConnectable>(
        helper, mountConnection, deps.timeoutForwarder, mountFactory,
        std::make_shared<WifiFactory>(), deps.modeContainer, deps.modePopup, deps.perMountData,
        settings, deps.appCore);
    return {mountConnection, session};
}

} // namespace Ko
