#pragma once

#include <memory>
#include <string>

namespace Ko {

class IKoConverser;
class IKoDevice;
class IConverserTimeout;
class IConverser;

// What a connect helper hands over once the device graph of the chosen mount exists. The
// emulated mount has no koConverser and no converser.
// Threads: any thread (a value type).
struct DeviceSetupFinishedData {
    std::shared_ptr<IKoConverser> koConverser;
    std::shared_ptr<IKoDevice> device;
    std::shared_ptr<IConverserTimeout> converserTimeout;
    // The source of converseTimeout; the same serialising converser as converserTimeout.
    std::shared_ptr<IConverser> converser;
    std::string deviceName;
};

} // namespace Ko
