#pragma once

#include "astro/imagneticdeclination.h"
#include "base/callbacklist.h"

#include <memory>
#include <mutex>

namespace Ko {

class IClock;
class ILocation;

// The declination of the magnetic model at the stored site. Computed on first use and kept
// until the site changes; the passing of time alone does not refresh it.
// Threads: any thread.
class MagneticDeclination : public IMagneticDeclination {
public:
    MagneticDeclination(std::shared_ptr<IClock> clock, std::shared_ptr<ILocation> location);
    ~MagneticDeclination() override;

    double declination() override;

private:
    std::shared_ptr<IClock> m_clock;
    std::shared_ptr<ILocation> m_location;
    // m_mutex guards m_cached and m_hasCached: the site may change on another thread.
    std::mutex m_mutex;
    double m_cached = 0;
    bool m_hasCached = false;
    eventpp::CallbackList<void()>::Handle m_subscription;
};

} // namespace Ko
