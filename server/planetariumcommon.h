#pragma once

#include "astro/coordtype.h"
#include "base/nullable.h"
#include "catalog/icatalogsettings.h"

#include <memory>
#include <utility>

namespace Ko {

class EndingState;
class IAstroCalc;
class IMount;
class IMountConnection;
struct MountTarget;

// Threads: any thread for j2000OfObserved and remoteGoToProhibition; remoteGoTo a task's own
// thread (it waits for the mount to settle).

// The J2000 right ascension and declination of a mount reading (observed hour angle and
// declination), through the position of date.
U_ASTRO_COORD j2000OfObserved(const IAstroCalc& astroCalc, std::pair<double, double> observed);

// Why a GoTo that a remote client asks for must be refused: the very check the pages make before
// their GoTos (outside the altitude limits; too close to the Sun while observing it is off), so
// that no remote client can do what the user has forbidden in the window. target is a right
// ascension and declination of date (RDJNow) or an observed azimuth and altitude (AZObsv); empty
// when the GoTo may go ahead.
Nullable<SlewToProhibition_::E> remoteGoToProhibition(const ICatalogSettings& catalogSettings,
                                                      const IAstroCalc& astroCalc,
                                                      const U_ASTRO_COORD& target);
// The reason for the log.
const char* prohibitionText(SlewToProhibition_::E prohibition);

// The GoTo that a remote client asks for and that remoteGoToProhibition allowed, run on a
// server's worker thread: stops whatever the mount is doing, lets it settle for 100 ms, then
// starts the GoTo. Nothing starts when the holder no longer has this mount by then, nor when the
// program has begun to end meanwhile (ending may be null: a program that never ends); false
// then. The outcome is the mount's to report, through its GoTo status; the client hears nothing
// of it.
bool remoteGoTo(const IMountConnection& connection, const std::shared_ptr<IMount>& mount,
                const MountTarget& target, EndingState* ending);
// Whether the program has begun to end, for the servers whose protocol has no reply to refuse
// with: logs the refusal of what under the server's name.
bool refuseWhileEnding(const EndingState* ending, const char* server, const char* what);

} // namespace Ko
