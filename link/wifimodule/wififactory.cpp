#include "link/wifimodule/wififactory.h"

#include "base/cancellable.h"
#include "link/iconverser.h"
#include "link/wifimodule/wmprogrammer.h"
#include "link/wifimodule/wmprogrammerplanner.h"

namespace Ko {

std::shared_ptr<IWMProgrammerPlanner> WifiFactory::create(std::shared_ptr<IConverser> converser,
                                                          const std::string& peerAddress) {
    auto programmer = std::make_shared<WMProgrammer>(std::move(converser), peerAddress);
    programmer->detectCommandForm();
    auto cancellable = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
    return std::make_shared<WMProgrammerPlanner>(std::move(programmer), std::move(cancellable));
}

} // namespace Ko
