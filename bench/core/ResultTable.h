// The benchmark results as Markdown tables, ready for docs/performance.md:
// medians of the measured runs, with failed runs counted beside them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/ResponseTiming.h"

namespace bench {

struct Timings {
    std::vector<double> values;  // one per run that succeeded
    int failures = 0;            // runs that timed out, ended early or showed the wrong window
};

struct StartupRow {
    std::string tree;
    int64_t folders = -1;  // below the root, as the floor's walk counted them; -1 unknown
    int64_t viewerFolders = -1;  // below the root, as the viewer's chooser holds them; -1 unknown
    int64_t files = -1;    // in the root with the listed extension; -1 unknown
    Timings viewerMs;
    Timings floorMs;  // walk and lists, then the window: the viewer's floor
    Timings walkMs;
    Timings windowMs;
    Timings stopToWindowMs;  // "中止" pressed to the main window; none when the walk ended first
    Timings viewerRefillMs;  // the file list refilled on a pick in the chooser
    Timings floorRefillMs;
    std::vector<double> peakWorkingSetMb;
    std::vector<double> peakPrivateMb;
    std::vector<double> floorPeakPrivateMb;
};

// One row per tree: the folders the floor and the viewer found, medians, the viewer/floor ratio, the viewer's peak
// memory, the floor's peak private memory and the viewer/floor ratio of it,
// and the time from "中止" to the main window.
std::string FormatStartupTable(const std::vector<StartupRow>& rows);

// One row per tree: the medians of the file list's refill on a pick in the
// folder chooser, for the viewer and the floor, and their ratio.
std::string FormatRefillTable(const std::vector<StartupRow>& rows);

struct ResponseRow {
    std::string change;
    ResponseSamples measured;
    ResponseSamples floor;  // a plain program making the same platform calls
};

// One row per kind of change: median and 95th percentile in microseconds of
// the change, of the change with its repaint, and of the floor with its
// repaint; then the two ratios with repaint, measured / floor, at the median
// and at the 95th percentile.
std::string FormatResponseTable(const std::vector<ResponseRow>& rows);

}  // namespace bench
