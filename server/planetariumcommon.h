#pragma once

#include "astro/coordtype.h"

#include <memory>
#include <utility>

namespace Ko {

class IAstroCalc;
class IMount;
class IMountConnection;
struct MountTarget;

// Threads: any thread for j2000OfObserved; remoteGoTo a task's own thread (it waits for the mount
// to settle).

// The J2000 right ascension and declination of a mount reading (observed hour angle and
// declination), through the position of date.
U_ASTRO_COORD j2000OfObserved(const IAstroCalc& astroCalc, std::pair<double, double> observed);

// The GoTo that a planetarium client asks for, run on a server's worker thread: stops whatever
// the mount is doing, lets it settle for 100 ms, then starts the GoTo. Nothing starts when the
// holder no longer has this mount by then. The outcome is the mount's to report, through its
// GoTo status; the client hears nothing of it.
void remoteGoTo(const IMountConnection& connection, const std::shared_ptr<IMount>& mount,
                const MountTarget& target);

} // namespace Ko
