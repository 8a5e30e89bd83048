#include "viewer/WorkerThread.h"

#include <memory>
#include <process.h>

#include "ui/Handles.h"

namespace viewer {
namespace {

struct Start {
    std::function<void()> work;
    HANDLE running;  // the caller's, which it holds until it is set
};

unsigned __stdcall Run(void* parameter) {
    std::unique_ptr<Start> start(static_cast<Start*>(parameter));
    std::function<void()> work = std::move(start->work);
    SetEvent(start->running);
    start.reset();
    work();
    return 0;
}

}  // namespace

HANDLE StartWorker(std::function<void()> work) {
    const ui::FileHandle running(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    auto start = std::make_unique<Start>(Start{std::move(work), running.Get()});
    const HANDLE worker = HANDLE(_beginthreadex(nullptr, 0, Run, start.get(), 0, nullptr));
    if (!worker) return nullptr;
    start.release();  // the worker's now
    const HANDLE runningOrGone[] = {running.Get(), worker};
    WaitForMultipleObjects(2, runningOrGone, FALSE, INFINITE);
    return worker;
}

}  // namespace viewer
