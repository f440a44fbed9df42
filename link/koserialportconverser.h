#pragma once

#include "link/iconverser.h"

#include <memory>

namespace Ko {

class ISerialPort;
class IConnectionSettings;
class ICancellable;

// The serial transport converser: writes the request and reads one reply frame byte by byte,
// dropping line noise ahead of the frame.
// Threads: a task's own thread (an exchange blocks until the reply or the time-out).
class KoSerialPortConverser : public IConverser {
    Q_OBJECT
public:
    KoSerialPortConverser(std::shared_ptr<IConnectionSettings> settings,
                          std::shared_ptr<ISerialPort> port,
                          std::shared_ptr<ICancellable> cancellable);
    CmdResp<CBytes> converse(const CBytes& request) override;

    // Wait for each byte after the first one of a reply.
    static constexpr int kNextByteWaitMs = 10;
    // No reply comes near this; a line that keeps sending bytes without ending a frame must not
    // hold the link for ever.
    static constexpr size_t kMaxFrameBytes = 1500;

private:
    CmdResp<CBytes> readFrame(int firstByteWaitMs);

    std::shared_ptr<IConnectionSettings> m_settings;
    std::shared_ptr<ISerialPort> m_port;
    std::shared_ptr<ICancellable> m_cancellable;
};

} // namespace Ko
