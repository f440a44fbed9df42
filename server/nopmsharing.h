#pragma once

#include "server/ipmsharing.h"

namespace Ko {

// Stands in until this device can share its pointing model: it serves nothing.
// Threads: any thread.
class NoPMSharing : public IPMSharing {
    Q_OBJECT
public:
    using IPMSharing::IPMSharing;
    bool serving() const override { return false; }
};

} // namespace Ko
