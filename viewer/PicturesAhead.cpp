#include "viewer/PicturesAhead.h"

#include <atomic>
#include <exception>

#include "picture/Picture.h"
#include "ui/Handles.h"
#include "viewer/WorkerThread.h"

namespace viewer {

// Each result is written by the worker before its event is set, and read
// by the owner only after.
struct PicturesAhead::State {
    struct Result {
        Request request;
        ui::FileHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
        std::optional<ui::Graphic> picture;
        std::exception_ptr error;
    };
    std::vector<Result> results;
    std::atomic<bool> stop{false};
};

namespace {

void Decode(PicturesAhead::State& state) {
    for (auto& result : state.results) {
        if (!state.stop && !result.request.name.empty()) {
            try {
                result.picture = picture::LoadPicture(result.request.name, result.request.drawn);
            } catch (...) {
                result.error = std::current_exception();
            }
        }
        SetEvent(result.done.Get());
    }
}

}  // namespace

PicturesAhead::PicturesAhead(std::vector<Request> requests) : state_(std::make_shared<State>()) {
    state_->results.resize(requests.size());
    for (size_t i = 0; i < requests.size(); ++i) state_->results[i].request = std::move(requests[i]);
    worker_ = StartWorker([state = state_] { Decode(*state); });
}

PicturesAhead::~PicturesAhead() {
    state_->stop = true;
    if (worker_) CloseHandle(worker_);
}

std::optional<ui::Graphic> PicturesAhead::Take(size_t index, const Request& wanted) {
    if (!worker_ || index >= state_->results.size()) return std::nullopt;
    State::Result& result = state_->results[index];
    if (!(result.request == wanted)) return std::nullopt;
    WaitForSingleObject(result.done.Get(), INFINITE);
    result.request = {};  // taken
    if (result.error) std::rethrow_exception(std::exchange(result.error, nullptr));
    return std::exchange(result.picture, std::nullopt);
}

}  // namespace viewer
