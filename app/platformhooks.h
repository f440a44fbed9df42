#pragma once

namespace Ko {

// Threads: main thread only.

// Start-up hooks for platforms whose link or start-up needs work before the application object
// exists. Both do nothing on the desktop.
void linkPlatformInit();
void startupNoOp();

} // namespace Ko
