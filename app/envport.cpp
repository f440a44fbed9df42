#include "app/envport.h"

#include "base/log.h"

#include <QtGlobal>

namespace Ko {

uint16_t envPort(const char* name, uint16_t fallback) {
    if (!qEnvironmentVariableIsSet(name))
        return fallback;
    bool ok = false;
    const int port = qEnvironmentVariableIntValue(name, &ok);
    if (!ok || port < 0 || port > 65535) {
        Log("%s is not a port; using %hu", name, fallback);
        return fallback;
    }
    return uint16_t(port);
}

} // namespace Ko
