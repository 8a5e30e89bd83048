// A worker thread that start-up begins before the libraries it loads next.
#pragma once
#include <windows.h>

#include <functional>

namespace viewer {

// Runs work on a new thread and returns once it runs: a new thread starts
// under the loader's lock, which a library the caller loads next would hold
// until loaded, tens of milliseconds under Wine, and the work would wait for
// it. The thread's handle, for the caller to close; null where no thread
// could be made, and work then never runs.
HANDLE StartWorker(std::function<void()> work);

}  // namespace viewer
