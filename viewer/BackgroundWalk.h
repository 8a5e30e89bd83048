// The start-up walk on a worker thread, so that the window thread stays free
// to answer while a listing takes long (a share over a slow link, a disc
// spinning up, a share that went away). The worker walks by the folder
// search component's rules and hands the folders it finds over in the walk's
// order; the window thread takes them when it likes, which costs the worker
// nothing: it is woken only when the walk ends. Stopping ends the walk
// at its next step and leaves the folders found so far: a prefix of what the
// whole walk would give. The worker shares nothing with its owner but this
// object's state, so a worker still inside a listing when its owner goes
// ends by itself once the listing returns.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "base/FileSystemPath.h"

namespace viewer {

class BackgroundWalk {
public:
    // Told on the worker of every folder reported: true keeps the walk out
    // of it. It must use nothing but what it holds itself.
    using SkipRule = std::function<bool(const base::Path& folder)>;

    // Starts the walk below baseDir at once.
    BackgroundWalk(base::Path baseDir, SkipRule skip);
    // Stops the walk; waits for a worker that has ended, leaves one that has not.
    ~BackgroundWalk();
    BackgroundWalk(const BackgroundWalk&) = delete;
    BackgroundWalk& operator=(const BackgroundWalk&) = delete;

    // The folders found since the last call, in the walk's order.
    std::vector<base::Path> TakeFound();
    // The folder being listed now, with its trailing backslash.
    base::Path Reading() const;
    // The worker has returned: nothing more will be found.
    bool Ended() const;
    // The tick count (GetTickCount) when the walk began.
    DWORD StartedAt() const { return startedAt_; }
    void Stop();
    // Set when the walk has ended.
    HANDLE Signal() const;
    // What ended the walk, if an error did.
    std::exception_ptr Error() const;

    // Shared by the owner and the worker.
    struct State;

private:
    std::shared_ptr<State> state_;
    HANDLE worker_ = nullptr;
    DWORD startedAt_ = GetTickCount();
};

}  // namespace viewer
