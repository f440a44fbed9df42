#pragma once

#include "catalog/astroobj.h"

namespace Ko {

// The Sun, the Moon and the planets, computed for now.
// Threads: any thread.
class ISolarSystem {
public:
    // Body numbers; also the order of every list built from them.
    enum Body : int {
        Sun = 0,
        Mercury = 1,
        Venus = 2,
        Moon = 3,
        Mars = 4,
        Jupiter = 5,
        Saturn = 6,
        Uranus = 7,
        Neptune = 8,
    };
    static constexpr int kBodyCount = 9;

    virtual ~ISolarSystem() = default;

    // Body 0..8 with its position of date, magnitude and name in the current language.
    virtual AstroObj getObject(int body) const = 0;
};

} // namespace Ko
