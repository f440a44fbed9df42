#include "link/qtudpbroadcaster.h"

#include "base/log.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QUdpSocket>

#include <chrono>
#include <memory>
#include <thread>

namespace Ko {

namespace {

const char* protocolName(QAbstractSocket::NetworkLayerProtocol protocol) {
    switch (protocol) {
    case QAbstractSocket::IPv4Protocol:
        return "IPv4Protocol";
    case QAbstractSocket::IPv6Protocol:
        return "IPv6Protocol";
    case QAbstractSocket::AnyIPProtocol:
        return "AnyIPProtocol";
    default:
        return "UnknownNetworkLayerProtocol";
    }
}

// The machine's networks that a broadcast can reach. Interface flags are deliberately ignored:
// some platforms report a working Wi-Fi link as down.
std::vector<UDPBroadcastEntry> machineBroadcastEntries(std::string* report) {
    static const struct {
        QNetworkInterface::InterfaceFlag flag;
        const char* name;
    } kFlags[] = {
        {QNetworkInterface::IsUp, "IsUp"},
        {QNetworkInterface::IsRunning, "IsRunning"},
        {QNetworkInterface::CanBroadcast, "CanBroadcast"},
        {QNetworkInterface::IsLoopBack, "IsLoopBack"},
        {QNetworkInterface::IsPointToPoint, "IsPointToPoint"},
        {QNetworkInterface::CanMulticast, "CanMulticast"},
    };
    std::vector<UDPBroadcastEntry> entries;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        if (report) {
            StringAppendF(report, "Interface: [%s]\n", iface.name().toUtf8().constData());
            report->append("  ");
            for (const auto& f : kFlags)
                StringAppendF(report, "%s:%i ", f.name, iface.flags().testFlag(f.flag) ? 1 : 0);
            report->append("\n");
        }
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            const QHostAddress broadcast = entry.broadcast();
            const bool usable =
                ip.protocol() == QAbstractSocket::IPv4Protocol && !broadcast.isNull();
            if (report)
                StringAppendF(report, "  %-27s: %s broadcast: %s use: %i\n",
                              protocolName(ip.protocol()), ip.toString().toUtf8().constData(),
                              broadcast.toString().toUtf8().constData(), usable ? 1 : 0);
            if (usable)
                entries.push_back(
                    {ip.toString().toStdString(), broadcast.toString().toStdString()});
        }
    }
    return entries;
}

struct SocketRecord {
    std::string localText;
    std::string broadcastText;
    QHostAddress broadcast;
    std::unique_ptr<QUdpSocket> socket;
};

} // namespace

QtUDPBroadcaster::QtUDPBroadcaster() = default;

QtUDPBroadcaster::QtUDPBroadcaster(std::vector<UDPBroadcastEntry> entries, uint16_t searchPort)
    : m_entries(std::move(entries)), m_searchPort(searchPort) {}

std::vector<UDPBroadcastEntry> QtUDPBroadcaster::usableEntries() const {
    if (m_entries.hasValue())
        return m_entries.value();
    return machineBroadcastEntries(nullptr);
}

std::vector<std::string> QtUDPBroadcaster::usableAddresses() const {
    std::vector<std::string> addresses;
    for (const auto& entry : usableEntries())
        addresses.push_back(entry.localAddress);
    return addresses;
}

std::string QtUDPBroadcaster::interfaceReport() {
    std::string report;
    report.reserve(5000);
    machineBroadcastEntries(&report);
    return report;
}

void QtUDPBroadcaster::broadcastUntil(uint16_t port, const std::list<CBytes>& probes,
                                      std::function<bool()> isDone,
                                      std::function<bool(const UDPBroadcasterResult&)> onResult) {
    if (!isDone || !onResult) {
        Log("QtUDPBroadcaster: empty callback refused");
        return;
    }

    std::vector<SocketRecord> records;
    for (const auto& entry : usableEntries()) {
        const QHostAddress local(QString::fromStdString(entry.localAddress));
        if (local.isNull())
            continue;
        SocketRecord record;
        record.broadcast = QHostAddress(QString::fromStdString(entry.broadcastAddress));
        record.localText = local.toString().toStdString();
        record.broadcastText = record.broadcast.toString().toStdString();
        record.socket = std::make_unique<QUdpSocket>();
        // Broadcasts cannot go through a proxy; skipping the lookup also keeps it off the wire.
        record.socket->setProxy(QNetworkProxy::NoProxy);
        if (!record.socket->bind(local, 0))
            continue;
        records.push_back(std::move(record));
    }

    for (;;) {
        for (auto& record : records) {
            for (const auto& probe : probes) {
                const qint64 written = record.socket->writeDatagram(
                    reinterpret_cast<const char*>(probe.data()), static_cast<qint64>(probe.size()),
                    record.broadcast, port);
                if (written != static_cast<qint64>(probe.size()))
                    Log("QtUDPBroadcaster: failed to write to %s", record.broadcastText.c_str());
            }
        }
        if (isDone())
            return;
        for (auto& record : records) {
            while (record.socket->hasPendingDatagrams()) {
                const QNetworkDatagram datagram = record.socket->receiveDatagram();
                // A failed read leaves nothing to wait for; do not spin on it.
                if (!datagram.isValid())
                    break;
                if (datagram.senderAddress().isNull())
                    continue;
                const QByteArray payload = datagram.data();
                onResult(
                    {record.localText, datagram.senderAddress().toString().toStdString(),
                     record.broadcastText,
                     CBytes::fromData(payload.constData(), static_cast<size_t>(payload.size()))});
            }
        }
    }
}

std::list<UDPBroadcasterResult> QtUDPBroadcaster::broadcast(const CBytes& probe) {
    std::list<UDPBroadcasterResult> results;
    int round = 1;
    auto isDone = [&round] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (round >= 3)
            return true;
        ++round;
        return false;
    };
    auto onResult = [&results](const UDPBroadcasterResult& result) {
        results.push_back(result);
        return false;
    };
    broadcastUntil(m_searchPort, {probe}, isDone, onResult);
    return results;
}

} // namespace Ko
