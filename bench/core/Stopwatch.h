// Elapsed time from the performance counter, the finest clock Windows has.
#pragma once
#include <windows.h>

namespace bench {

class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart() { QueryPerformanceCounter(&start_); }
    double Microseconds() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - start_.QuadPart) * 1e6 / double(frequency.QuadPart);
    }
    double Milliseconds() const { return Microseconds() / 1000; }

private:
    LARGE_INTEGER start_;
};

}  // namespace bench
