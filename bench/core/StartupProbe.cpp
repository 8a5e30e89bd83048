#include "core/StartupProbe.h"

#include <psapi.h>

#include <algorithm>
#include <stdexcept>

#include "core/ResponseTiming.h"

namespace bench {
namespace {

// Short enough not to blur a start of a few hundred milliseconds, long enough
// to leave the CPU to the program being measured.
constexpr DWORD kPollMs = 2;
// Asking for another process's memory goes through the Wine server, which
// the program being measured keeps busy: often enough to see a peak that
// lasts, seldom enough not to slow it.
constexpr double kSampleEveryMs = 50;

}  // namespace

ProbedProcess::ProbedProcess(const std::string& exePath, const std::string& arguments, const std::string& workFolder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + exePath + "\"";
    if (!arguments.empty()) command += " " + arguments;
    sinceStart_.Restart();
    if (!CreateProcessA(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder.empty() ? nullptr : workFolder.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + exePath + " (error " + std::to_string(GetLastError()) + ")");
}

ProbedProcess::~ProbedProcess() {
    Terminate();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<double> ProbedProcess::WaitShownAndIdle(DWORD timeoutMs, HWND* window) {
    const double limitMs = timeoutMs;
    for (;;) {
        SampleMemory();
        if (HWND shown = VisibleWindowOf(info_.dwProcessId)) {
            const double leftMs = limitMs - sinceStart_.Milliseconds();
            if (leftMs <= 0 || WaitForInputIdle(info_.hProcess, DWORD(leftMs)) != 0) return std::nullopt;
            const double elapsed = sinceStart_.Milliseconds();
            if (window) *window = shown;
            return elapsed;
        }
        if (Ended() || sinceStart_.Milliseconds() > limitMs) return std::nullopt;
        Sleep(kPollMs);
    }
}

std::optional<double> ProbedProcess::ClickPassingWindowAt(double atMs) {
    while (sinceStart_.Milliseconds() < atMs) {
        if (Ended() || VisibleWindowOf(info_.dwProcessId)) return std::nullopt;
        Sleep(kPollMs);
    }
    HWND passing = PassingWindowOf(info_.dwProcessId);
    HWND button = passing ? FindWindowExA(passing, nullptr, "Button", nullptr) : nullptr;
    if (!button) return std::nullopt;
    // What a button tells its window when clicked; posted, as a click is
    // queued, so that a busy window keeps no one waiting.
    const double clickedAt = sinceStart_.Milliseconds();
    if (!PostMessageA(passing, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button)))
        return std::nullopt;
    return clickedAt;
}

std::optional<double> ProbedProcess::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
    // Messages to this thread's windows are served meanwhile: the program
    // waited for may send some (activation, for one) and wait for the answer.
    for (;;) {
        const double leftMs = timeoutMs - sinceStart_.Milliseconds();
        const DWORD woke = MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, leftMs <= 0 ? 0 : DWORD(leftMs),
                                                     QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        if (woke != WAIT_OBJECT_0 + 1) return std::nullopt;
        DispatchQueued();
    }
    const double elapsed = sinceStart_.Milliseconds();
    if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
    return elapsed;
}

MemoryPeak ProbedProcess::Reported() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(info_.hProcess, &counters, sizeof counters)) return {};
    return {counters.PeakWorkingSetSize, counters.PeakPagefileUsage};
}

MemoryPeak ProbedProcess::Peak() const {
    const MemoryPeak reported = Reported();
    return {std::max(reported.workingSet, sampled_.workingSet), std::max(reported.pagefile, sampled_.pagefile)};
}

void ProbedProcess::SampleMemory() {
    const double now = sinceStart_.Milliseconds();
    if (now - sampledAtMs_ < kSampleEveryMs) return;
    sampledAtMs_ = now;
    sampled_ = Peak();
}

void ProbedProcess::Terminate() {
    if (!info_.hProcess || Ended()) return;
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 10000);  // bounded: a stuck process must not stall the run
}

namespace {

struct VisibleWindowSearch {
    DWORD processId;
    bool passing;  // looking for the passing window rather than any other
    HWND found;
};

// A window procedure's calling convention (stdcall on 32-bit Windows): a plain
// lambda would not do.
BOOL CALLBACK CheckVisibleWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<VisibleWindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != s->processId || !IsWindowVisible(hwnd)) return TRUE;
    // The programs' application window (their task-bar entry) has no size.
    RECT r;
    if (GetWindowRect(hwnd, &r) && IsRectEmpty(&r)) return TRUE;
    // The viewer's progress window shows on the way to its main window on a
    // slow tree; start-up goes on until the main window shows.
    if ((ClassNameOf(hwnd) == kPassingWindowClass) != s->passing) return TRUE;
    s->found = hwnd;
    return FALSE;
}

}  // namespace

HWND VisibleWindowOf(DWORD processId) {
    VisibleWindowSearch search{processId, false, nullptr};
    EnumWindows(CheckVisibleWindow, LPARAM(&search));
    return search.found;
}

HWND PassingWindowOf(DWORD processId) {
    VisibleWindowSearch search{processId, true, nullptr};
    EnumWindows(CheckVisibleWindow, LPARAM(&search));
    return search.found;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace bench
