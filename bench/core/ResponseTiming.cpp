#include "core/ResponseTiming.h"

#include <windows.h>

#include <cstdio>
#include <sstream>

#include "core/Stopwatch.h"

namespace bench {

void DispatchQueued() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ResponseSamples MeasureResponse(const std::function<void(int)>& change, int changes, int warmups) {
    for (int i = 0; i < warmups; ++i) {
        change(i);
        DispatchQueued();
    }
    ResponseSamples samples;
    for (int i = warmups; i < warmups + changes; ++i) {
        Stopwatch watch;
        change(i);
        samples.handlerUs.push_back(watch.Microseconds());
        DispatchQueued();
        samples.withRepaintUs.push_back(watch.Microseconds());
    }
    return samples;
}

std::string SamplesText(const ResponseSamples& samples) {
    std::string text;
    char line[64];
    for (size_t i = 0; i < samples.handlerUs.size() && i < samples.withRepaintUs.size(); ++i) {
        std::snprintf(line, sizeof line, "%.1f %.1f\n", samples.handlerUs[i], samples.withRepaintUs[i]);
        text += line;
    }
    return text;
}

std::optional<ResponseSamples> ParseSamples(const std::string& text) {
    ResponseSamples samples;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        double handler = 0, withRepaint = 0;
        std::string rest;
        if (!(fields >> handler >> withRepaint) || (fields >> rest)) return std::nullopt;
        samples.handlerUs.push_back(handler);
        samples.withRepaintUs.push_back(withRepaint);
    }
    return samples;
}

}  // namespace bench
