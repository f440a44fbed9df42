#pragma once

#include "catalog/isolarsystem.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace Ko {

class IAstroCalc;
class IAstroClock;
class ILanguageManager;

// Positions from libnova's theories, carried from J2000 to the frame of date by the coordinate
// chain; magnitudes from the heliocentric vectors of the body and the Earth. A body is computed at
// most once per second of the clock (the Moon moves half an arcsecond in it): a list searched
// keystroke by keystroke filters what was computed. Safe to call from any thread; the mutex
// guards the computed bodies.
// Threads: any thread.
class SolarSystem : public ISolarSystem {
public:
    SolarSystem(std::shared_ptr<IAstroClock> astroClock, std::shared_ptr<IAstroCalc> astroCalc,
                std::shared_ptr<ILanguageManager> languageManager);

    AstroObj getObject(int body) const override;

    // The apparent magnitude of a planet (not the Sun or the Moon) at a Julian Date.
    static double planetMagnitude(int body, double julianDate);

private:
    AstroObj compute(size_t index, const std::string& language) const;

    std::shared_ptr<IAstroClock> m_astroClock;
    std::shared_ptr<IAstroCalc> m_astroCalc;
    std::shared_ptr<ILanguageManager> m_languageManager;

    mutable std::mutex m_cacheMutex;
    // The bodies computed in the clock's second m_cacheSecond, named in m_cacheLanguage.
    mutable std::array<std::optional<AstroObj>, kBodyCount> m_cache;
    mutable int64_t m_cacheSecond = 0;
    mutable std::string m_cacheLanguage;
};

} // namespace Ko
