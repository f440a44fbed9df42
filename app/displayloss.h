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
// In their place: the main thread, and only it, ends the program. It runs the ending given to
// install (what a quit writes: the window's place, what listens for the quit), waits for the
// background work as a close does, and ends the process with kExitCode without running exit
// handlers, so that nothing is destroyed under a thread that still runs. Any other thread that
// meets the loss tells the main thread and waits there, without ending the process: once the
// main thread begins the ending, it stops for good and goes with the process. When the main
// thread does not begin within a limit, it is taken to wait for that very thread (the render loop
// waits for its frame), and the thread goes on: the dead connection answers each later call at
// once with an error.
//
// Threads: install on the main thread, after the application object exists; the handlers that
// Xlib calls on any thread.
namespace DisplayLoss {

// The exit code of a program whose display went away.
inline constexpr int kExitCode = 1;

// How long a thread that met the loss waits for the main thread to begin the ending. The main
// thread may itself be waiting for that thread (the render loop waits for its frame): then it
// is let go into the dead connection, which now answers every call at once with an error, and the
// main thread comes to the ending after the frame. A main thread that is free begins at once.
inline constexpr std::chrono::milliseconds kHoldLimit{2000};

// Watches the application's X connection when the platform is xcb; otherwise does nothing and
// returns false. Xlib is reached through the copy that the platform plugin loaded, so a run on
// another platform loads nothing of X. ending runs once, on the main thread, before the wait for
// the background work.
bool install(std::function<void()> ending);

// The seams of the tests: what the handlers do, and how the process ends and a thread stops.
namespace Detail {
// Any thread: the connection broke. Notes it and wakes the main thread.
void connectionLost();
// Any thread: where Xlib would end the process. On the main thread: ends the program now. On
// another thread: connectionLost(), then holds the thread as above.
void exitRequested();
// Whether the loss was noted.
bool lost();
// Replaces how the process ends (after the wait), how a thread other than the main one stops for
// good, and how long it waits for the ending; empty functions restore the real ones (_exit and a
// wait that never ends). For tests only.
void setEndings(std::function<void(int)> endProcess, std::function<void()> stopThread,
                std::chrono::milliseconds holdLimit = kHoldLimit);
// Forgets the loss and the ending, as before install. For tests only.
void reset(std::function<void()> ending);
} // namespace Detail

} // namespace DisplayLoss

} // namespace Ko
