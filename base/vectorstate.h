#pragma once

namespace Ko {

// Threads: any thread.

// Leaves the calling thread's vector registers as plain SSE code expects them. A library routine
// that used the wide registers and returned without clearing their upper halves makes every later
// SSE instruction of that thread pay a transition penalty on some processors (several times
// slower arithmetic); loading Qt's SQLite driver does this. Clears them with vzeroupper where the
// processor has AVX, checked at run time; elsewhere does nothing. Any thread may call it.
void clearUpperVectorState();

} // namespace Ko
