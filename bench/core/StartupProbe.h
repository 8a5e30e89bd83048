// Starts a program and measures from outside how long it takes to be ready:
// from just before CreateProcess to its first visible top-level window with
// the process waiting for input, or to its exit.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "core/Stopwatch.h"

namespace bench {

struct MemoryPeak {
    size_t workingSet = 0;  // bytes
    size_t pagefile = 0;    // bytes of private memory
};

class ProbedProcess {
public:
    // Starts exePath with the arguments in workFolder; throws std::runtime_error
    // when it cannot be started.
    ProbedProcess(const std::string& exePath, const std::string& arguments, const std::string& workFolder);
    // Ends the process if it still runs.
    ~ProbedProcess();
    ProbedProcess(const ProbedProcess&) = delete;
    ProbedProcess& operator=(const ProbedProcess&) = delete;

    // Milliseconds from the start until a visible top-level window of the
    // process exists and the process then waits for input; that window in
    // *window. Nothing when the process ends first or the time runs out.
    std::optional<double> WaitShownAndIdle(DWORD timeoutMs, HWND* window = nullptr);
    // Once atMs have passed since the start, clicks the button of the
    // process's passing window as a user's click does, and answers the
    // milliseconds from the start to the click. Nothing when the passing
    // window is not showing then: the process showed its own window or ended.
    std::optional<double> ClickPassingWindowAt(double atMs);
    // Milliseconds from the start until the process ended; its exit code in
    // *exitCode. Nothing when the time runs out. Messages to this thread's
    // windows are dispatched meanwhile.
    std::optional<double> WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // The peaks of the process so far; zeros when they cannot be read. Wine
    // reports the private bytes of the moment as their peak: the largest
    // value sampled while waiting for the window counts as well.
    MemoryPeak Peak() const;
    // Ends the process and waits until it is gone.
    void Terminate();

private:
    bool Ended() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    MemoryPeak Reported() const;
    // Keeps the largest figures seen, at most once every kSampleEveryMs.
    void SampleMemory();

    Stopwatch sinceStart_;
    PROCESS_INFORMATION info_{};
    MemoryPeak sampled_;
    double sampledAtMs_ = 0;
};

// A window a program shows while it starts, before its own: the viewer's
// progress window on a slow tree.
inline constexpr char kPassingWindowClass[] = "TWalkProgress";

// The visible top-level window of that process that shows something (has a
// size) and is no passing window, or null.
HWND VisibleWindowOf(DWORD processId);
// The visible passing window of that process, or null.
HWND PassingWindowOf(DWORD processId);
std::string ClassNameOf(HWND window);

}  // namespace bench
