#include "link/koserialportconverser.h"

#include "base/cancellable.h"
#include "link/iconnectionsettings.h"
#include "link/iserialport.h"

#include <algorithm>

namespace Ko {

KoSerialPortConverser::KoSerialPortConverser(std::shared_ptr<IConnectionSettings> settings,
                                             std::shared_ptr<ISerialPort> port,
                                             std::shared_ptr<ICancellable> cancellable)
    : m_settings(std::move(settings)), m_port(std::move(port)),
      m_cancellable(std::move(cancellable)) {
    m_port->setRequestToSend(false);
}

CmdResp<CBytes> KoSerialPortConverser::converse(const CBytes& request) {
    m_port->clear();
    const int retries = std::max(0, m_settings->resendCount());
    const int wait = m_settings->type() == ConnectionType_::BLE ? m_settings->readTimeoutMs_BLE()
                                                                : m_settings->readTimeoutMs_other();
    for (int attempt = 0; attempt <= retries; ++attempt) {
        if (m_cancellable->isCancelled())
            return CmdResp<CBytes>(CmdRetType_::Cancel);
        if (!m_port->write(request))
            return CmdResp<CBytes>(CmdRetType_::Timeout);
        CmdResp<CBytes> frame = readFrame(wait);
        if (frame.type != CmdRetType_::Timeout)
            return frame;
    }
    emit converseTimeout();
    return CmdResp<CBytes>(CmdRetType_::Timeout);
}

CmdResp<CBytes> KoSerialPortConverser::readFrame(int firstByteWaitMs) {
    CBytes frame;
    bool started = false;
    int wait = firstByteWaitMs;
    for (size_t count = 0; count < kMaxFrameBytes; ++count) {
        uint8_t byte = 0;
        if (!m_port->readByte(wait, byte))
            return CmdResp<CBytes>(CmdRetType_::Timeout);
        wait = kNextByteWaitMs;
        if (!started) {
            if (byte != '=' && byte != '!')
                continue;
            started = true;
            frame.reserve(16);
        }
        frame.push_back(byte);
        if (byte == '\r')
            return CmdResp<CBytes>::ok(std::move(frame));
    }
    return CmdResp<CBytes>(CmdRetType_::Timeout);
}

} // namespace Ko
