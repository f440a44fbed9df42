#pragma once

#include "align/centeringuistub.h"
#include "mount/slewingcontrol.h"
#include "mount/tests/mountcontrolrig.h"

#include <QSignalSpy>

#include <memory>
#include <vector>

namespace Ko::Test {

// The centering page's stub over the real direction pad and the emulated mount.
struct CenteringRig : MountControlRig {
    std::shared_ptr<SlewingControl> slewing = std::make_shared<SlewingControl>(holder);
    std::shared_ptr<CenteringUIStub> centering =
        std::make_shared<CenteringUIStub>(slewing, astro, format, holder, toasts);

    // A position of date that stands at the azimuth and altitude now.
    MountTarget targetAt(const std::string& name, double azDeg, double altDeg) const {
        const U_ASTRO_COORD raDec =
            astro->convertNow({azDeg * kDeg, altDeg * kDeg, CoordType::AZTrue}, CoordType::RDJNow);
        return {name, raDec, 0};
    }

    // Presses and releases one pad button, as the user does while centring: 0 right, 1 left,
    // 2 up, 3 down.
    void nudge(size_t button) {
        std::vector<bool> held(SlewingControl::kButtonCount, false);
        held[button] = true;
        slewing->inputButtons(held);
        slewing->inputButtons(std::vector<bool>(SlewingControl::kButtonCount, false));
    }
};

} // namespace Ko::Test
