#pragma once

#include "loopbackrig.h"

#include "align/ialignerhelper.h"
#include "base/endingstate.h"
#include "mount/tests/mountcontrolrig.h"
#include "server/ipmsharing.h"
#include "server/netserver.h"
#include "server/tests/fakesteppedmount.h"
#include "server/tests/gotolimitsrig.h"
#include "server/vtmserver.h"

#include <QUdpSocket>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace Ko {

// The aligner of syncs with a scripted verdict; it records the stars it was given.
class FakeAlignerHelper : public IAlignerHelper {
public:
    std::atomic<bool> accepts{true};
    bool sequentialAlign(const std::string& name, const ALIGNMENT_PAIR& pair) override {
        std::lock_guard lock(m_mutex);
        m_stars.emplace_back(name, pair);
        return accepts.load();
    }
    void removeLastStar() override {}
    std::vector<std::pair<std::string, ALIGNMENT_PAIR>> stars() const {
        std::lock_guard lock(m_mutex);
        return m_stars;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::pair<std::string, ALIGNMENT_PAIR>> m_stars;
};

class FakePMSharing : public IPMSharing {
public:
    std::atomic<bool> on{false};
    bool serving() const override { return on.load(); }
};

// One request over UDP to the remote-method server on port, and its reply; nullopt for silence.
// A marker request follows on the same socket: the server answers in order, so its reply
// arriving first proves silence without waiting out a timeout.
inline std::optional<QByteArray> askRemoteMethod(uint16_t port, const QByteArray& request) {
    // A name outside the table: answered with or without a mount.
    static const QByteArray marker = "NoSuchMethod-marker";
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    socket.writeDatagram(request, QHostAddress::LocalHost, port);
    socket.writeDatagram(marker, QHostAddress::LocalHost, port);
    std::optional<QByteArray> reply;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (!socket.hasPendingDatagrams() &&
            !socket.waitForReadyRead(int(std::max<qint64>(1, 10000 - timer.elapsed()))))
            continue;
        const QByteArray got = socket.receiveDatagram().data();
        if (got == "Unknown," + marker)
            return reply;
        reply = got;
    }
    return reply;
}

// The remote-method server with its handlers on a port the system picks, over the real network
// core, the real mount holder and the site, clock, coordinate and model services of the mount
// rig. The mount is the scripted one or the rig's emulated one, as the test connects.
struct VtmMethodsRig {
    // Shared between rigs where a test runs many short cases on the same services.
    std::shared_ptr<MountControlRig> services;
    MountControlRig& mountRig;
    std::shared_ptr<FakeSteppedMount> scripted = std::make_shared<FakeSteppedMount>();
    std::shared_ptr<FakeAlignerHelper> aligner = std::make_shared<FakeAlignerHelper>();
    std::shared_ptr<FakePMSharing> sharing = std::make_shared<FakePMSharing>();
    std::shared_ptr<NetServer> core = std::make_shared<NetServer>();
    // The program's end, which the test begins and takes back.
    std::shared_ptr<EndingState> ending = std::make_shared<EndingState>();
    // The server's, picked by the system when the server binds it.
    uint16_t port = 0;
    const std::string deviceName;
    GoToLimitsRig limits{mountRig.store, mountRig.clock, mountRig.altRange, mountRig.astroClock,
                         mountRig.astro};
    std::unique_ptr<VtmServer> server;

    explicit VtmMethodsRig(std::string name = "scope-1",
                           std::shared_ptr<MountControlRig> shared = nullptr)
        : services(shared ? std::move(shared) : std::make_shared<MountControlRig>()),
          mountRig(*services), deviceName(std::move(name)) {
        server = std::make_unique<VtmServer>(
            mountRig.location, mountRig.astro, mountRig.astroClock, mountRig.holder,
            mountRig.container, sharing, aligner, core, 0, [this] { return deviceName; },
            limits.settings, ending);
        port = server->port();
        core->waitPosted();
    }
    ~VtmMethodsRig() {
        server.reset();
        mountRig.holder->setMount(nullptr);
    }

    void connectScripted() { mountRig.holder->setMount(scripted); }

    std::optional<QByteArray> ask(const QByteArray& request) const {
        return askRemoteMethod(port, request);
    }
    // The reply text, "(silence)" for none.
    QByteArray text(const QByteArray& request) const { return ask(request).value_or("(silence)"); }
};

} // namespace Ko
