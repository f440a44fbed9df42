#pragma once

// Pointing-model sharing as the program builds it, on devices in one process: each with its own
// connection stack and emulated mount, searching over the real broadcaster kept on loopback.

#include "link/qtudpbroadcaster.h"
#include "link/tests/fakemountnetwork.h"
#include "model/transportalignmentdata.h"
#include "mount/tests/mountstackrig.h"
#include "server/netserver.h"
#include "server/pmsharing.h"
#include "server/tests/loopbackrig.h"
#include "server/vtmserver.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <memory>

namespace Ko {

// 2024-03-20 00:00:00 UTC.
constexpr int64_t kModelMs = 1710892800000;
inline const UDPBroadcastEntry kLoopback{"127.0.0.1", FakeMountNetwork::kBroadcastAddress};

// What the page shows of a row, as "a|b|c|d".
inline QStringList rowTexts(const PMSharing& sharing) {
    QStringList rows;
    for (const AstroListUIItem& row : sharing.list())
        rows << QString::fromStdString(row.a + "|" + row.b + "|" + row.c + "|" + row.d);
    return rows;
}

inline QString localTimeText(int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// A model record as a peer would send it.
inline SavedAlignment savedModel(int32_t mode, std::array<uint8_t, 3> version, int32_t kind,
                                 Nullable<int64_t> modelMs) {
    SavedAlignment saved;
    saved.mcVersion = version;
    saved.mountMode = mode;
    saved.mountKind = kind;
    saved.location.latitudeRad = 0.8;
    saved.location.longitudeRad = -0.2;
    saved.data = makeDefaultAlignmentData(mode, saved.location);
    saved.data.dtma = 1;
    saved.data.muta = modelMs;
    return saved;
}

inline CBytes answer(const std::string& text) {
    return CBytes::fromStdString(text);
}

inline CBytes modelAnswer(const SavedAlignment& saved) {
    return answer("Ok,AlignmentDataGet," + TransportAlignmentData::pack(saved));
}

// One device running the program: its connection stack with the emulated mount, and sharing
// over the real broadcaster, kept on loopback.
struct Device {
    // broadcaster: the machine's own choice of networks; by default loopback only.
    explicit Device(uint16_t port, std::shared_ptr<IUDPBroadcaster> broadcaster =
                                       std::make_shared<QtUDPBroadcaster>(std::vector{kLoopback}))
        : sharing(std::make_shared<PMSharing>(stack.container, stack.holder, stack.perMountData,
                                              std::move(broadcaster), stack.toasts, port)),
          toasts(stack.toasts.get(), &ToastManagerUIStub::shouldToast) {
        // As QML takes it: queued to the main thread, whichever thread emits.
        QObject::connect(
            sharing.get(), &PMSharing::listChanged, &stack.receiver, [this] { ++listChanges; },
            Qt::QueuedConnection);
    }

    // Answers the two methods of sharing on port, as the remote-method server's handlers do:
    // the model only while serving, the host name always.
    void serve(uint16_t port) {
        server = std::make_unique<VtmServer>(stack.location, stack.astro, stack.astroClock,
                                             stack.holder, stack.container, sharing, nullptr,
                                             std::make_shared<NetServer>(), port);
        server->setHandler("AlignmentDataGet", [this](const auto&) {
            if (!sharing->serving())
                return VtmServer::MethodRet{1, {}, {}};
            return VtmServer::MethodRet{
                0, "Ok", {TransportAlignmentData::pack(stack.container->makeSavedData())}};
        });
        server->setHandler("ServerDeviceNameGet", [](const auto&) {
            return VtmServer::MethodRet{0, "Ok", {QHostInfo::localHostName().toStdString()}};
        });
    }

    StackRig stack;
    std::shared_ptr<PMSharing> sharing;
    QSignalSpy toasts;
    int listChanges = 0;
    std::unique_ptr<VtmServer> server;
};

} // namespace Ko
