#pragma once

#include "mount/imount.h"

#include <cstdint>
#include <memory>

namespace Ko {

// What a step that follows a GoTo (centring its target, measuring, syncing or adjusting there)
// remembers of it: the mount and the GoTo count that GoTo left. The step belongs to that GoTo
// only: once the mount has accepted any other GoTo (from a page, a server, a park), or another
// mount has taken its place, the claim no longer holds and the step must not record anything.
// A copied value; any thread.
class GotoClaim {
public:
    // Holds for no mount.
    GotoClaim() = default;

    // The GoTo about to be asked of mount: taken just before slewToAsync, so that a GoTo that
    // another thread slips in between makes the claim fail rather than hold for the wrong one.
    static GotoClaim next(const std::shared_ptr<IMount>& mount) {
        return mount ? GotoClaim(mount, mount->gotoGeneration() + 1) : GotoClaim();
    }
    // Where the mount stands now (a star brought into view by hand, a level tube): any later
    // GoTo moves it away.
    static GotoClaim current(const std::shared_ptr<IMount>& mount) {
        return mount ? GotoClaim(mount, mount->gotoGeneration()) : GotoClaim();
    }

    // mount is the claimed one, has accepted no other GoTo since, and is not on its way (its own
    // GoTo, when claimed by next, has ended).
    bool holds(const std::shared_ptr<IMount>& mount) const {
        return ofThisGoTo(mount) && !mount->slewToTarget().hasValue();
    }

    // mount is the claimed one and has accepted no other GoTo since, but is still on its way:
    // the claim holds once the GoTo under way ends, unless another follows it.
    bool awaitsEnd(const std::shared_ptr<IMount>& mount) const {
        return ofThisGoTo(mount) && mount->slewToTarget().hasValue();
    }

private:
    // mount is the claimed one and has accepted no other GoTo since.
    bool ofThisGoTo(const std::shared_ptr<IMount>& mount) const {
        return mount && m_mount.lock() == mount && mount->gotoGeneration() == m_generation;
    }

    GotoClaim(const std::shared_ptr<IMount>& mount, uint64_t generation)
        : m_mount(mount), m_generation(generation) {}

    std::weak_ptr<IMount> m_mount;
    uint64_t m_generation = 0;
};

} // namespace Ko
