#pragma once

#include "link/iserialkodevicefactory.h"

#include <memory>

namespace Ko {

class IConnectionSettings;
class ITCCancellable;

// Builds serial port, serial converser, serialising converser, command converser and device for
// one port name.
// Threads: any thread.
class SerialKoDeviceFactory : public ISerialKoDeviceFactory {
public:
    SerialKoDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                          std::shared_ptr<ITCCancellable> token);

    SerialKoDeviceGraph create(const std::string& portName) override;

private:
    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<ITCCancellable> m_token;
};

} // namespace Ko
