#pragma once

#include <memory>
#include <string>

namespace Ko {

class IKoDevice;
class IKoConverser;
class IConverser;
class IConverserTimeout;
class ISerialPort;

// The top of one serial link's object graph, with the port itself so that the helper can open it
// and set its speed. converser and converserTimeout are the one serialising converser.
struct SerialKoDeviceGraph {
    std::shared_ptr<IKoDevice> device;
    std::shared_ptr<IKoConverser> koConverser;
    std::shared_ptr<IConverser> converser;
    std::shared_ptr<IConverserTimeout> converserTimeout;
    std::shared_ptr<ISerialPort> port;
};

// Threads: any thread.
class ISerialKoDeviceFactory {
public:
    virtual ~ISerialKoDeviceFactory() = default;
    // The port is not opened.
    virtual SerialKoDeviceGraph create(const std::string& portName) = 0;
};

} // namespace Ko
