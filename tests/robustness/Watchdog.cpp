// Bounds each case in time. A hung case cannot be ended from inside, so the
// watchdog ends the process, naming the case so that it can be rebuilt.
#include <cstdio>

#include "robustness/Robustness.h"

namespace robustness {

Watchdog::Watchdog(DWORD limitMs) : limitMs_(limitMs) {
    thread_ = std::thread([this] {
        for (;;) {
            Sleep(200);
            std::lock_guard lock(mutex_);
            if (stop_) return;
            if (running_ && GetTickCount() - started_ > limitMs_) {
                std::fprintf(stderr, "\nHANG: case did not end within %lu ms: %s\n", limitMs_, current_.c_str());
                std::fflush(stderr);
                ExitProcess(3);
            }
        }
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

void Watchdog::Begin(const std::string& description) {
    std::lock_guard lock(mutex_);
    current_ = description;
    started_ = GetTickCount();
    running_ = true;
}

void Watchdog::End() {
    std::lock_guard lock(mutex_);
    running_ = false;
}

}  // namespace robustness
