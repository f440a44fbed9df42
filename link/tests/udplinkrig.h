#pragma once

// The real converser stack on UDP loopback in front of the fake motor controller, with the frame
// helpers the device and axis tests share.

#include "base/cancellable.h"
#include "base/tests/fakeclock.h"
#include "link/connectionsettings.h"
#include "link/koconverser.h"
#include "link/kodevice.h"
#include "link/mountcmd.h"
#include "link/slconverser.h"
#include "link/tests/bytetext.h"
#include "link/tests/fakemotorcontroller.h"
#include "link/udpconverser.h"
#include "link/unixudp.h"

#include <QStringList>

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Ko {

// Reply frames as the controller writes them.
inline std::string value24(uint32_t v) {
    return "=" + text(MountCmd::hex24(v)) + "\r";
}
inline std::string value32(uint32_t v) {
    return "=" + text(MountCmd::hex32(v)) + "\r";
}

// The status replies of each axis: served in turn, the last one repeated. Read on the fake's
// thread.
class StatusScript {
public:
    void set(AXISID axis, std::vector<std::string> replies) {
        std::lock_guard lock(m_mutex);
        m_replies[axisSlot(axis)] = std::move(replies);
    }
    Nullable<CBytes> answer(const CBytes& request) {
        const std::string r = text(request);
        if (r != ":f1\r" && r != ":f2\r")
            return {};
        std::lock_guard lock(m_mutex);
        auto& q = m_replies[r[2] == '1' ? 0 : 1];
        if (q.empty())
            return {};
        const std::string reply = q.front();
        if (q.size() > 1)
            q.erase(q.begin());
        return CBytes::fromStdString(reply);
    }

private:
    std::mutex m_mutex;
    std::vector<std::string> m_replies[2] = {{"=101\r"}, {"=101\r"}};
};

// Each read waits readTimeoutMs, and an unanswered request is sent again `retries` times.
struct UdpLinkRig {
    FakeMotorController fake;
    std::shared_ptr<StatusScript> status = std::make_shared<StatusScript>();
    // 0 when the fake could not bind.
    uint16_t port = 0;
    std::shared_ptr<ConnectionSettings> settings;
    std::shared_ptr<ControlledCancellable> cancel = std::make_shared<ControlledCancellable>();
    std::shared_ptr<UnixUDP> udp;
    std::shared_ptr<UDPConverser> transport;
    std::shared_ptr<SLConverser> link;
    std::shared_ptr<KoConverser> converser;

    explicit UdpLinkRig(uint32_t readTimeoutMs = 400, int retries = 0) {
        fake.setHandler([s = status](const CBytes& request) { return s->answer(request); });
        port = fake.serveUdp();
        settings = std::make_shared<ConnectionSettings>(nullptr);
        settings->setMaxRetryCount(retries);
        udp = std::make_shared<UnixUDP>("127.0.0.1", UDPAddress{"127.0.0.1", ""}, port,
                                        readTimeoutMs);
        transport = std::make_shared<UDPConverser>(udp, settings, cancel);
        link = std::make_shared<SLConverser>(transport);
        converser = std::make_shared<KoConverser>(link);
    }
    ~UdpLinkRig() { fake.stop(); }

    // reply without the trailing carriage return, which every frame carries.
    void reply(const std::string& request, const std::string& reply) {
        fake.setReply(request + "\r", reply);
    }

    // The requests received since the last call, without their carriage returns.
    QStringList takeSent() {
        QStringList out;
        for (const auto& r : fake.requests()) {
            std::string s = text(r.bytes);
            if (!s.empty() && s.back() == '\r')
                s.pop_back();
            out << QString::fromStdString(s);
        }
        fake.clearRequests();
        return out;
    }

    // A classic (firmware 03.26) or extended (03.27) controller with the given board model,
    // gear and timer constants; both axes alike and, unless `status` says otherwise, standing
    // still.
    void scriptController(bool extended, uint8_t model, uint32_t countsPerRev,
                          uint32_t timerFrequency) {
        char version[16];
        std::snprintf(version, sizeof version, "=03%s%02X\r", extended ? "27" : "26", model);
        for (const char* axis : {"1", "2"}) {
            const std::string a(axis);
            reply(":e" + a, version);
            if (extended)
                reply(":X" + a + "0002", value32(countsPerRev));
            else
                reply(":a" + a, value24(countsPerRev));
        }
        reply(":b1", value24(timerFrequency));
    }
};

} // namespace Ko
