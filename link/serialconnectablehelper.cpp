#include "link/serialconnectablehelper.h"

#include "base/backgroundwork.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/iconnectionsettings.h"
#include "link/ikodevice.h"
#include "link/iserialkodevicefactory.h"
#include "link/iserialport.h"

namespace Ko {

bool negotiateSerialBaud(ISerialPort& port, IKoDevice& device) {
    using Helper = SerialConnectableHelper;
    auto probe = [&device] { return device.readStatus(0).isOk(); };

    if (!port.setBaudRate(Helper::kFastBaud))
        return false;
    if (probe())
        return true;
    if (!port.setBaudRate(Helper::kSlowBaud))
        return false;
    if (!probe())
        return false;

    // The mount answers at 9600. Some answer at both speeds once woken; those stay at 9600.
    port.setBaudRate(Helper::kFastBaud);
    const bool fastAnswered = probe();
    port.setBaudRate(Helper::kSlowBaud);
    if (fastAnswered)
        return true;

    if (device.setSerialBaudRate(static_cast<uint32_t>(Helper::kFastBaud)) != CmdRetType_::Ok)
        return true;
    port.setBaudRate(Helper::kFastBaud);
    return true;
}

SerialConnectableHelper::SerialConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                                 std::shared_ptr<ISerialKoDeviceFactory> factory)
    : m_settings(std::move(settings)), m_factory(std::move(factory)) {}

QVariant SerialConnectableHelper::devicesList() {
    return QVariant();
}

void SerialConnectableHelper::startConnect() {
    auto helper = weak_from_this().lock();
    KO_ASSERT(helper != nullptr);
    bool idle = false;
    if (!m_connecting.compare_exchange_strong(idle, true)) {
        Log("SerialConnectableHelper: a connect is running, start ignored");
        return;
    }
    runInBackground("serial mount connect", [helper] { helper->connectSerial(); });
}

void SerialConnectableHelper::selectDevice(int) {}

void SerialConnectableHelper::setModelFilter(ModelFilter) {}

void SerialConnectableHelper::setHandler(SetupHandler handler) {
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void SerialConnectableHelper::setEmulatorEnabled(bool) {}

void SerialConnectableHelper::connectSerial() {
    // Declared first so that it lets the next start in only after this attempt's port, unless
    // handed over, is closed again.
    struct Done {
        std::atomic<bool>& connecting;
        ~Done() { connecting.store(false); }
    } done{m_connecting};

    emit statusChanged(true, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connecting")), QString());
    const auto graph = m_factory->create(m_settings->serialPortName());
    graph.port->open();
    if (!graph.port->isOpen()) {
        emit statusChanged(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Cannot Connect")),
                           QStringLiteral(QT_TRANSLATE_NOOP("mount", "Cannot open serial port")));
        return;
    }
    // The converser switches the request-to-send line off when it is built, but the port was
    // still closed then and the switch was lost. A line without modem control lines (a
    // pseudo-terminal) refuses it, which does no harm.
    graph.port->setRequestToSend(false);
    if (!negotiateSerialBaud(*graph.port, *graph.device)) {
        emit statusChanged(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Cannot Connect")),
                           QString::fromUtf8(cmdRetTypeText(CmdRetType_::Timeout)));
        return;
    }
    SetupHandler handler;
    {
        std::lock_guard lock(m_mutex);
        handler = m_handler;
    }
    if (handler)
        handler({graph.koConverser, graph.device, graph.converserTimeout, graph.converser,
                 std::string()});
}

} // namespace Ko
