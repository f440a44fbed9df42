#include "server/planetariumcommon.h"

#include "astro/iastrocalc.h"
#include "mount/imountconnection.h"

#include <chrono>
#include <thread>

namespace Ko {

namespace {
// Gives the stop time to reach both axes before the new GoTo claims them.
constexpr auto kSettle = std::chrono::milliseconds(100);
} // namespace

U_ASTRO_COORD j2000OfObserved(const IAstroCalc& astroCalc, std::pair<double, double> observed) {
    const U_ASTRO_COORD ofDate = astroCalc.convertNow(
        {observed.first, observed.second, CoordType::HDObsv}, CoordType::RDJNow);
    return astroCalc.convertNow(ofDate, CoordType::RDJ2000);
}

void remoteGoTo(const IMountConnection& connection, const std::shared_ptr<IMount>& mount,
                const MountTarget& target) {
    mount->abortSlewAsync();
    std::this_thread::sleep_for(kSettle);
    if (connection.sharedMount() != mount)
        return;
    mount->slewToAsync(target);
}

} // namespace Ko
