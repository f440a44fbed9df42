#pragma once

#include "loopbackrig.h"

#include "mount/tests/fakescriptedmount.h"
#include "mount/writablemountconnection.h"
#include "server/netserver.h"
#include "server/nopmsharing.h"
#include "server/vtmserver.h"

#include <QtEndian>

#include <memory>

namespace Ko {

// The remote-method server on a port the system picks, over the real network core and the real
// mount holder, with a scripted mount that the test connects or not. The frame needs none of
// the site, time and model services.
struct VtmServerRig {
    std::shared_ptr<WritableMountConnection> holder = std::make_shared<WritableMountConnection>();
    std::shared_ptr<FakeScriptedMount> mount = std::make_shared<FakeScriptedMount>();
    std::shared_ptr<NetServer> core;
    // The server's, picked by the system when the server binds it.
    uint16_t port = 0;
    std::unique_ptr<VtmServer> server;

    explicit VtmServerRig(bool connected, NetServer::Limits limits = {})
        : core(std::make_shared<NetServer>(limits)) {
        if (connected)
            holder->setMount(mount);
        server = std::make_unique<VtmServer>(nullptr, nullptr, nullptr, holder, nullptr,
                                             std::make_shared<NoPMSharing>(), nullptr, core, 0);
        port = server->port();
        core->waitPosted();
    }
    ~VtmServerRig() { server.reset(); }
};

// One trail-point upload: the request name, its comma and the binary record.
struct TrailRecord {
    QByteArray header = QByteArray("Quorvel1.0", 11);
    QByteArray name = "Comet";
    uint16_t year = 2024;
    uint8_t month = 3, day = 1, hour = 12, minute = 0, second = 0;
    uint16_t millisecond = 500;
    uint32_t intervalUs = 100000;
    uint32_t selector = 0;
    QByteArray block = "opaque";
    QList<QPair<double, double>> points{{0.1, 0.2}, {0.3, 0.4}, {0.5, 0.6}};
    // Announced point count, when it differs from the points sent.
    qint64 count = -1;
    qint64 blockLength = -1;

    QByteArray bytes() const {
        QByteArray out = "TrackTrailPoints," + header;
        out += name.leftJustified(128, '\0', true);
        const auto put = [&out](auto value) {
            char le[sizeof value];
            qToLittleEndian(value, le);
            out.append(le, sizeof value);
        };
        put(year);
        put(month);
        put(day);
        put(hour);
        put(minute);
        put(second);
        put(millisecond);
        put(intervalUs);
        put(uint32_t(count < 0 ? points.size() : count));
        put(selector);
        put(uint32_t(blockLength < 0 ? block.size() : blockLength));
        out += block;
        for (const auto& [ra, dec] : points) {
            put(ra);
            put(dec);
        }
        return out;
    }
};

} // namespace Ko
