#pragma once

#include "catalog/isunvisibility.h"

#include <cstdint>
#include <memory>
#include <mutex>

namespace Ko {

class IAstroCalc;
class IAstroClock;
class ISolarSystem;

// The Sun's position of date is computed once and reused, since it moves only about a degree a
// day; after 12 hours it is computed again, so a long-running application never guards a stale
// Sun. The altitude test uses the current time at every call.
// Threads: any thread.
class SunVisibility : public ISunVisibility {
    Q_OBJECT
public:
    // pi / 36.
    static constexpr double kThresholdRad = 0.08726646259971647;

    SunVisibility(std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<ISolarSystem> solarSystem,
                  std::shared_ptr<IAstroClock> astroClock);

    Nullable<double> isTooCloseToSun(const CoordPair& raDecNow) override;
    bool sunAboveHorizon() override;

private:
    CoordPair sunPosition();

    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<ISolarSystem> m_solarSystem;
    const std::shared_ptr<IAstroClock> m_astroClock;

    std::mutex m_mutex; // guards the three members below
    CoordPair m_sun;
    int64_t m_sunTimeMs = 0;
    bool m_sunValid = false;
};

} // namespace Ko
