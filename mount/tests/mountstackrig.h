#pragma once

// The connection stack as the composition root builds it, and a classic motor controller for the
// far side of a real link, scripted (classicController) or with state (SimRig).

#include "link/conversertimeoutforwarder.h"
#include "link/tests/bytetext.h"
#include "link/tests/fakegatt.h"
#include "link/tests/fakemotorcontroller.h"
#include "link/tests/motorcontrollersim.h"
#include "mount/iconnectable.h"
#include "mount/mountconnectionstack.h"
#include "mount/mountmodepopupstub.h"
#include "mount/tests/mountcontrolrig.h"

#include <QDateTime>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace Ko {

// A link that fails fast: 300 ms per attempt, one resend.
inline constexpr int kReadTimeoutMs = 300;
inline constexpr int kRetries = 1;

// A classic controller (firmware 3.26, board model 0: EQ only, no extended features) with both
// axes initialised and at rest; it accepts every other command.
inline Nullable<CBytes> classicController(const CBytes& request) {
    const std::string r = text(request);
    auto reply = [](const char* s) { return Nullable<CBytes>(CBytes::fromCString(s)); };
    if (r.size() < 3 || r[0] != ':')
        return reply("ERROR\r\n");
    switch (r[1]) {
    case 'e':
        return reply("=032600\r");
    case 'a':
        return reply("=000020\r"); // 0x200000 counts per turn, least significant byte first
    case 'b':
        return reply("=A0FD00\r");
    case 'g':
        return reply("=100000\r");
    case 'q':
        return reply("=000000\r");
    case 's':
        return reply("!0\r");
    case 'f':
        return reply("=101\r");
    case 'j':
        return reply("=000080\r");
    default:
        return reply("=\r");
    }
}

// The Bluetooth LE world of one device, "Mount" at 00:00:00:00:00:01, that answers as
// classicController does.
inline std::shared_ptr<FakeGattPlatform> bluetoothController() {
    auto gatt = std::make_shared<FakeGattPlatform>();
    gatt->devices.push_back({advertisedDevice(QStringLiteral("00:00:00:00:00:01"), "Mount", -50),
                             {controllerServiceScript()},
                             false});
    gatt->answer = [](const QByteArray& request) {
        const Nullable<CBytes> reply =
            classicController(CBytes::fromStdString(request.toStdString()));
        return reply.hasValue() ? QByteArray::fromStdString(reply.value().toStdString())
                                : QByteArray();
    };
    return gatt;
}

// The connection stack as the composition root builds it, on the services of a mount-control rig
// that runs on the wall clock at the default site, with a record of what the session and the
// holder report and on which thread. Its settings live in the folder given, else in a scratch
// folder of its own.
struct StackRig : MountControlRig {
    explicit StackRig(MountLinkRoutes routes = loopbackRoutes(0), const QString& folder = {})
        : MountControlRig({0, 0, QDateTime::currentMSecsSinceEpoch(), folder, {}, 1, true}) {
        connectionSettings->setMaxRetryCount(kRetries);
        connectionSettings->setReadTimeoutMs_other(kReadTimeoutMs);
        connectionSettings->setType(ConnectionType_::Emulator);
        connectionSettings->setDualModeChoice(DualModeChoice_::UseEQ);
        std::tie(holder, session) = makeMountConnectionStack(
            {location, clock, astro, altRange, alignment, toasts, parkPrompt, pae, axisSlot,
             connectionSettings, forwarder, perMountData, modeContainer, modePopup, appCore},
            std::move(routes));
        QObject::connect(session.get(), &IConnectable::statusChanged, &receiver, [this] {
            statuses << QStringLiteral("%1|%2|%3")
                            .arg(session->busy() ? 1 : 0)
                            .arg(session->statusText(), session->statusDetailText());
            noteThread();
        });
        QObject::connect(session.get(), &IConnectable::sessionDone, &receiver, [this] {
            ++sessionsDone;
            noteThread();
        });
        QObject::connect(modePopup.get(), &MountModePopupStub::shouldShow, &receiver,
                         [this] { ++modePrompts; });
        // Direct: runs on the thread that asks.
        QObject::connect(
            parkPrompt.get(), &ParkDataLoadUIStub::shouldShow, &receiver,
            [this] {
                std::lock_guard lock(mutex);
                parkPromptThreads.push_back(QThread::currentThread());
            },
            Qt::DirectConnection);
        holder->mountChanged.append([this] {
            std::lock_guard lock(mutex);
            mountChangeThreads.push_back(QThread::currentThread());
        });
    }
    ~StackRig() {
        if (holder->connected())
            session->startNextAction();
        // Connection threads hold the session until their last post has run here.
        [[maybe_unused]] const bool idle =
            QTest::qWaitFor([this] { return session.use_count() == 1; }, 10000);
    }

    static MountLinkRoutes loopbackRoutes(uint16_t port) {
        MountLinkRoutes routes;
        routes.broadcastEntries = {{"127.0.0.1", "127.0.0.1"}};
        routes.searchPort = port;
        routes.udp = {"127.0.0.1", port};
        // No Bluetooth here: the scanner finds nothing.
        routes.gattPlatform = std::make_shared<FakeGattPlatform>();
        return routes;
    }

    QString lastStatus() const { return statuses.isEmpty() ? QString() : statuses.last(); }

    void noteThread() {
        if (QThread::currentThread() != qApp->thread())
            offMainThreadReports = true;
    }
    std::vector<QThread*> parkPrompts() {
        std::lock_guard lock(mutex);
        return parkPromptThreads;
    }
    bool mountChangesOnMainThread() {
        std::lock_guard lock(mutex);
        for (QThread* t : mountChangeThreads)
            if (t != qApp->thread())
                return false;
        return true;
    }

    // The UDP link to the controller at 127.0.0.1, with no search: its port is the routes' one.
    void useLoopbackUdp() {
        connectionSettings->setType(ConnectionType_::UDP);
        connectionSettings->setSearchIP(false);
        connectionSettings->setFixedIP("127.0.0.1");
    }

    // Connects with the current settings; false when no mount arrived.
    bool connectMount() {
        session->startSession();
        return QTest::qWaitFor([this] { return holder->connected() && !session->busy(); }, 10000);
    }
    bool disconnectMount() {
        session->startNextAction();
        return !holder->connected() && session->statusText() == QStringLiteral("Disconnecting");
    }

    std::shared_ptr<ConverserTimeoutForwarder> forwarder =
        std::make_shared<ConverserTimeoutForwarder>();
    std::shared_ptr<MountModePopupStub> modePopup = std::make_shared<MountModePopupStub>();
    // The stack's own holder, in place of the rig's.
    std::shared_ptr<IMountConnection> holder;
    std::shared_ptr<IConnectable> session;

    QObject receiver;
    QStringList statuses;
    int sessionsDone = 0;
    int modePrompts = 0;
    bool offMainThreadReports = false;
    std::mutex mutex;
    std::vector<QThread*> parkPromptThreads;
    std::vector<QThread*> mountChangeThreads;
};

// A controller on the far side of a real link, answering as classicController does.
struct FakeController {
    FakeController() { fake.setHandler(classicController); }
    FakeMotorController fake;
};

// The connection stack over UDP loopback to a controller with state, at a fixed address, with
// its settings in a folder that outlives the stack.
struct SimRig {
    SimRig() {
        fake.setHandler([this](const CBytes& request) { return sim.answer(request); });
        port = fake.serveUdp();
        startProgram();
    }
    // The program ends and starts again on the same settings; the controller stays as it is.
    // What the user was told before stays in toasts.
    void restartProgram() {
        rig.reset();
        startProgram();
    }
    ~SimRig() {
        rig.reset();
        fake.stop();
    }
    bool told(const QString& words) const {
        return std::any_of(toasts.begin(), toasts.end(),
                           [&](const QString& t) { return t.contains(words); });
    }

    MotorControllerSim sim;
    FakeMotorController fake;
    uint16_t port = 0;
    QTemporaryDir folder;
    std::optional<StackRig> rig;
    QStringList toasts;

private:
    void startProgram() {
        rig.emplace(StackRig::loopbackRoutes(port), folder.path());
        rig->useLoopbackUdp();
        // Queued to the main thread: the mount tells the user from its task threads.
        QObject::connect(rig->toasts.get(), &ToastManagerUIStub::shouldToast, &rig->receiver,
                         [this](const QString& text) { toasts << text; });
    }
};

} // namespace Ko
