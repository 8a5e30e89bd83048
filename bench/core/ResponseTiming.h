// How one kind of preview change is timed, the same way in the designer and
// in the floor program: the change call alone, and the change followed by
// every message it queued, painting included. The floor hands its samples to
// the benchmark as text, one change a line.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct ResponseSamples {
    std::vector<double> handlerUs;      // the change call alone
    std::vector<double> withRepaintUs;  // the change, then every message it queued
};

// Dispatches every message waiting for this thread.
void DispatchQueued();

// Applies change(0), change(1), ... : `warmups` changes untimed, then
// `changes` timed ones.
ResponseSamples MeasureResponse(const std::function<void(int)>& change, int changes, int warmups);

// "<handler us> <with repaint us>" a line.
std::string SamplesText(const ResponseSamples& samples);
// The samples of that text; nothing when a line is not two numbers.
std::optional<ResponseSamples> ParseSamples(const std::string& text);

}  // namespace bench
