#include "server/planetariumcommon.h"

#include "astro/iastrocalc.h"
#include "base/endingstate.h"
#include "base/log.h"
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

Nullable<SlewToProhibition_::E> remoteGoToProhibition(const ICatalogSettings& catalogSettings,
                                                      const IAstroCalc& astroCalc,
                                                      const U_ASTRO_COORD& target) {
    if (target.type == CoordType::RDJNow)
        return catalogSettings.slewToProhibition({target.a, target.b}, {});
    const U_ASTRO_COORD raDec = astroCalc.convertNow(target, CoordType::RDJNow);
    // An observed altitude is the one the limits speak of; any other frame is judged through the
    // position of date.
    const Nullable<CoordPair> azAlt = target.type == CoordType::AZObsv
                                          ? Nullable<CoordPair>(CoordPair{target.a, target.b})
                                          : Nullable<CoordPair>();
    return catalogSettings.slewToProhibition({raDec.a, raDec.b}, azAlt);
}

const char* prohibitionText(SlewToProhibition_::E prohibition) {
    switch (prohibition) {
    case SlewToProhibition_::AltitudeOutOfRange:
        return "altitude outside of the limits";
    case SlewToProhibition_::TooCloseToSun:
        return "too close to the Sun";
    }
    return "refused";
}

bool remoteGoTo(const IMountConnection& connection, const std::shared_ptr<IMount>& mount,
                const MountTarget& target, EndingState* ending) {
    mount->abortSlewAsync();
    std::this_thread::sleep_for(kSettle);
    if (connection.sharedMount() != mount)
        return false;
    // Asked after the pause, which no admission may span: the end may have begun during it.
    const EndingState::Admission admission(ending);
    if (!admission)
        return false;
    mount->slewToAsync(target);
    return true;
}

bool refuseWhileEnding(const EndingState* ending, const char* server, const char* what) {
    if (!ending || !ending->ending())
        return false;
    Log("%s: %s refused, the program is ending", server, what);
    return true;
}

} // namespace Ko
