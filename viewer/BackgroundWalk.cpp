#include "viewer/BackgroundWalk.h"

#include <atomic>
#include <mutex>

#include "ui/Handles.h"
#include "viewer/SearchFile.h"
#include "viewer/WorkerThread.h"

namespace viewer {

struct BackgroundWalk::State {
    base::Path baseDir;
    SkipRule skip;
    std::atomic<bool> stop{false};
    std::atomic<bool> ended{false};
    ui::FileHandle signal{CreateEventW(nullptr, TRUE, FALSE, nullptr)};  // an event, set once for good
    mutable std::mutex lock;  // guards the three below
    std::vector<base::Path> found;
    base::Path reading;
    std::exception_ptr error;
};

namespace {

// The component's walk, telling the shared state what it finds and where it reads.
class Walker : public TSearchDir {
public:
    explicit Walker(BackgroundWalk::State& state) : state_(state) {}

protected:
    TFindAnswer OnFind(const TFoundFolder& folder) override {
        const bool skip = state_.skip(folder.Name());
        {
            std::lock_guard guard(state_.lock);
            state_.found.push_back(folder.Name());
        }
        if (state_.stop) return TFindAnswer::Stop;
        return skip ? TFindAnswer::Skip : TFindAnswer::Enter;
    }

    bool OnEnter(const base::Path& dir) override {
        std::lock_guard guard(state_.lock);
        state_.reading = dir;
        return !state_.stop;
    }

private:
    BackgroundWalk::State& state_;
};

// The worker's own share of the state: it outlives the owner if need be.
void Work(const std::shared_ptr<BackgroundWalk::State>& held) {
    BackgroundWalk::State& state = *held;
    try {
        Walker walker(state);
        walker.BaseDir = state.baseDir;
        walker.Search();
    } catch (...) {
        std::lock_guard guard(state.lock);
        state.error = std::current_exception();
    }
    state.ended = true;
    SetEvent(state.signal.Get());
}

}  // namespace

BackgroundWalk::BackgroundWalk(base::Path baseDir, SkipRule skip) : state_(std::make_shared<State>()) {
    state_->baseDir = std::move(baseDir);
    state_->skip = std::move(skip);
    worker_ = StartWorker([state = state_] { Work(state); });
    if (!worker_) state_->ended = true;  // nothing walks: nothing is found
}

BackgroundWalk::~BackgroundWalk() {
    Stop();
    if (!worker_) return;
    if (state_->ended) WaitForSingleObject(worker_, INFINITE);  // it is returning: a moment
    CloseHandle(worker_);
}

std::vector<base::Path> BackgroundWalk::TakeFound() {
    std::lock_guard guard(state_->lock);
    return std::exchange(state_->found, {});
}

base::Path BackgroundWalk::Reading() const {
    std::lock_guard guard(state_->lock);
    return state_->reading;
}

bool BackgroundWalk::Ended() const { return state_->ended; }

void BackgroundWalk::Stop() { state_->stop = true; }

HANDLE BackgroundWalk::Signal() const { return state_->signal.Get(); }

std::exception_ptr BackgroundWalk::Error() const {
    std::lock_guard guard(state_->lock);
    return state_->error;
}

}  // namespace viewer
