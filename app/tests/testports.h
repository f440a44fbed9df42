#pragma once

#include "app/envport.h"
#include "server/tests/loopbackrig.h"

#include <QByteArray>

namespace Ko {

// Every program that builds the real composition root for a test (the QML test harness, the
// screenshot probe) moves the servers off their fixed ports, onto free ones of its own, and keeps
// pointing-model sharing on loopback, so that runs side by side never meet and nothing is
// broadcast beyond this machine; a comet download
// goes to a closed loopback port. A port the environment names already is kept. Main thread,
// before the root is built.
inline void useTestServerPorts() {
    // A port found free now can be taken by another test before the server opens it, so the
    // planetarium servers, which these programs never talk to, take one the system picks as they
    // open. The remote-method port is named: pointing-model sharing searches on the same number.
    if (!qEnvironmentVariableIsSet(kRpcPortEnv))
        qputenv(kRpcPortEnv, QByteArray::number(freePort()));
    for (const char* name : {kQrpPortEnv, kPositionPortEnv}) {
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, "0");
    }
    qputenv(kBroadcastLoopbackEnv, "1");
    // Port 1 on loopback: a download is refused at once and nothing leaves the machine.
    if (!qEnvironmentVariableIsSet(kCometUrlEnv))
        qputenv(kCometUrlEnv, "http://127.0.0.1:1/CometEls.txt");
}

} // namespace Ko
