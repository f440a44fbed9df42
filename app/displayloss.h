#pragma once

#include <chrono>
#include <functional>

namespace Ko {

// Ends the program in order when the X server goes away under it (a desktop session that ends, a
// remote display that drops).
//
// Xlib learns of the loss on whichever thread talks to the server next, often the render thread
// inside a frame, and its default answer is exit(1) on that thread: the static destructors then
// run while the main thread and the workers still use what they destroy. The platform plugin
// answers its own discovery of the loss the same way on the main thread, from inside its event
// processing.
//
// In their place: the main thread, and only it, ends the program. It stops drawing, runs the
// ending given to install (what a quit does: let go of what is held, wait a bounded time for the
// stops, write the window's place), waits for the background work as a close does, and ends the
// process with kExitCode without running exit handlers and without taking the windows down (that
// talks to the X server), so that nothing is destroyed under a thread that still runs. Any other
// thread that meets the loss tells the main thread and stops there for good: a thread let go into
// the dead connection corrupts memory inside the GL driver.
//
// The main thread may itself be stuck: waiting for the very thread that met the loss (the render
// loop waits for its frame), or inside Xlib for an answer that never comes (a window's surface
// destroyed in the teardown). A watchdog then ends the process with kExitCode: when the main
// thread has not begun the ending kHoldLimit after the loss was noted, when the ending overruns
// kEndingLimit, and when the teardown after the event loop overruns kTeardownLook on a connection
// that has broken. The settings are written as they change, each file replaced whole, so an end
// by the watchdog keeps everything stored but the window's last place.
//
// The loss may also come after the teardown, as the platform closes the display once the
// application object has gone: the main thread is known by the id install recorded, and whichever
// thread meets the loss after teardownEnded ends the process at once, since nothing is left to end
// it in order and nothing would let a held thread go.
//
// Threads: install, setEnding, setLastResort, waitWithoutDisplay, teardownBegins, teardownEnded and
// endIfLost on the main thread, after the application object exists; wakeWait and the handlers that
// Xlib calls on any thread, also once the application object has gone.
namespace DisplayLoss {

// The exit code of a program whose display went away.
inline constexpr int kExitCode = 1;

// How long after the loss was noted the main thread may take to begin the ending. A main thread
// that is free begins at once; one that has not begun by then waits for something that will not
// come, and the watchdog ends the process.
inline constexpr std::chrono::milliseconds kHoldLimit{3000};

// How long the ending may take once begun: the wait for the stops, the quit's writes and the
// wait for the background work, with room for a loaded machine.
inline constexpr std::chrono::milliseconds kEndingLimit{15000};

// How long the teardown after the event loop runs before the watchdog looks at the connection;
// a teardown that overruns on a connection that still holds is looked at again as long again, and
// is never cut short. A test may shorten it through the environment (see displayloss.cpp).
inline constexpr std::chrono::milliseconds kTeardownLook{10000};

// Records the calling thread as the main one, and watches the application's X connection when the
// platform is xcb; otherwise watches nothing and returns false. On every platform, a write to a
// connection that the other end has closed (the X server's, among others) fails from then on
// rather than end the process through SIGPIPE. Xlib is reached through the copy that the platform
// plugin loaded, so a run on another platform loads nothing of X. ending runs once, on the main
// thread, before the wait for the background work.
bool install(std::function<void()> ending);

// Replaces the ending, e.g. once the window that has something to let go of exists.
void setEnding(std::function<void()> ending);
// What the watchdog does, on its own thread, before it ends the process when the main thread did
// not come to the ending: whatever can be stopped from any thread, bounded by the caller, and a log
// line of what it could not stop. Waits for a last resort under way, which ends the process: once
// this returns, what the one replaced used may go.
void setLastResort(std::function<void()> lastResort);

// In the ending only: waits until settled() holds or limit has passed, and returns settled(). The
// event loop cannot run here: the platform plugin ends the process as soon as it looks at the dead
// connection again. Nothing is drawn meanwhile; what other threads post to the main thread (the
// answers to what the ending sent) is delivered, and settled() is asked again at each wakeWait.
bool waitWithoutDisplay(const std::function<bool()>& settled, std::chrono::milliseconds limit);
// Any thread: what waitWithoutDisplay waits for may have changed.
void wakeWait();

// The event loop has returned and the teardown begins: the quit has let go of everything and
// written it, so an ending from now on only waits for the background work. The watchdog watches
// the teardown from here.
void teardownBegins();
// Everything that could talk to the X server has gone but the application object: the watchdog
// stops, and a connection that broke meanwhile ends the program here (the platform's teardown
// would work on the dead connection).
void teardownEnded();
// Before the teardown takes the windows down: a connection already broken ends the program here,
// with the windows left as they are.
void endIfLost();

// The seams of the tests: what the handlers do, and how the process ends and a thread stops.
namespace Detail {
// Any thread: the connection broke. Notes it and wakes the main thread.
void connectionLost();
// Any thread: where Xlib would end the process. On the main thread: ends the program now. On
// another thread: connectionLost(), then holds the thread for good; after teardownEnded, ends the
// process at once.
void exitRequested();
// Whether the loss was noted.
bool lost();
// Replaces how the process ends (after the wait, or by the watchdog on its thread), how a thread
// other than the main one stops for good once the ending began, and the watchdog's limits; empty
// functions restore the real ones (_exit and a wait that never ends). For tests only.
void setEndings(std::function<void(int)> endProcess, std::function<void()> stopThread,
                std::chrono::milliseconds holdLimit = kHoldLimit,
                std::chrono::milliseconds endingLimit = kEndingLimit);
// Watches the messages as install does on xcb, without Xlib. For tests only.
void watchMessages();
// Asks connection through hasError whether it broke, as install does on xcb through the library's
// own check; null for neither. Not while the watchdog runs. For tests only.
void watchConnection(int (*hasError)(void* connection), void* connection);
// Stops the watchdog and forgets the loss, the ending and the teardown, as before install. For
// tests only.
void reset(std::function<void()> ending);
} // namespace Detail

} // namespace DisplayLoss

} // namespace Ko
