#pragma once

#include "catalog/isolarsystem.h"

#include <memory>

namespace Ko {

class IAstroCalc;
class IAstroClock;
class ILanguageManager;

// Positions from libnova's theories, carried from J2000 to the frame of date by the coordinate
// chain; magnitudes from the heliocentric vectors of the body and the Earth. Nothing is cached:
// every call computes for the moment of the call. Safe to call from any thread.
class SolarSystem : public ISolarSystem {
public:
    SolarSystem(std::shared_ptr<IAstroClock> astroClock, std::shared_ptr<IAstroCalc> astroCalc,
                std::shared_ptr<ILanguageManager> languageManager);

    AstroObj getObject(int body) const override;

    // The apparent magnitude of a planet (not the Sun or the Moon) at a Julian Date.
    static double planetMagnitude(int body, double julianDate);

private:
    std::shared_ptr<IAstroClock> m_astroClock;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<ILanguageManager> m_languageManager;
};

} // namespace Ko
