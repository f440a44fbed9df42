#pragma once

#include "model/mountmode.h"

#include <memory>
#include <utility>

namespace Ko {

class IKoConverser;
class IKoDevice;
class IMount;

// Turns one connected device into one mount with the whole object graph of its connection.
// Threads: any thread.
class IMountFactory {
public:
    // What the connection does with a new mount once it is prepared: commit(true) when it is
    // published, commit(false) when that connection ends. Releasing a session without a commit
    // changes nothing.
    class ISession {
    public:
        virtual ~ISession() = default;
        virtual void commit(bool ok) = 0;
    };

    virtual ~IMountFactory() = default;

    // A null converser makes the emulated mount; the device is never null. The mount has been
    // given its own pointer (init); nothing is sent to the mount.
    virtual std::pair<std::shared_ptr<IMount>, std::shared_ptr<ISession>>
    create(MountMode_::E mode, std::shared_ptr<IKoConverser> converser,
           std::shared_ptr<IKoDevice> device) = 0;
};

} // namespace Ko
