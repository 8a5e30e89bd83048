// Measures the viewer's start-up from outside on each tree given, next to the
// floor measured in the same run, and prints the table (Markdown) on stdout;
// progress goes to stderr. See core/BenchOptions.h for the command line.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "core/BenchOptions.h"
#include "core/FloorWalk.h"
#include "core/ResultTable.h"
#include "core/StartupProbe.h"

namespace {

using namespace bench;

constexpr char kViewerClass[] = "TForm1";
constexpr char kFloorClass[] = "BenchFloor";
constexpr double kMegabyte = 1024.0 * 1024.0;

struct Program {
    std::string exe;
    std::string arguments;
    const char* windowClass;  // null: runs to its exit
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void Keep(Timings& timings, std::optional<double> ms, bool counted) {
    if (!counted) return;
    if (ms) timings.values.push_back(*ms);
    else ++timings.failures;
}

// One start to the window (the process is ended afterwards) or to the exit.
// A window of another class, such as an error box, counts as a failure.
std::optional<double> MeasureStart(const Program& program, const std::string& folder, DWORD timeoutMs,
                                   MemoryPeak* peak) {
    ProbedProcess process(program.exe, program.arguments, folder);
    if (!program.windowClass) {
        DWORD code = 0;
        auto ms = process.WaitExit(timeoutMs, &code);
        if (!ms) std::fprintf(stderr, "  %s did not end in time\n", program.exe.c_str());
        return ms;
    }
    HWND window = nullptr;
    auto ms = process.WaitShownAndIdle(timeoutMs, &window);
    if (ms && ClassNameOf(window) != program.windowClass) {
        std::fprintf(stderr, "  %s showed a %s window instead of its own\n", program.exe.c_str(),
                     ClassNameOf(window).c_str());
        ms.reset();
    }
    if (!ms) std::fprintf(stderr, "  %s did not show its window in time\n", program.exe.c_str());
    if (peak) *peak = process.Peak();
    process.Terminate();
    return ms;
}

// A start that Wine refuses counts as a failed run; the others go on.
std::optional<double> MeasureOnce(const Program& program, const std::string& folder, DWORD timeoutMs,
                                  MemoryPeak* peak = nullptr) {
    try {
        return MeasureStart(program, folder, timeoutMs, peak);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "  %s\n", error.what());
        return std::nullopt;
    }
}

StartupRow MeasureTree(const TreeArgument& tree, const ViewerBenchOptions& options) {
    StartupRow row;
    row.tree = tree.label;
    const WalkCount count = WalkAndList(tree.folder, options.extension);
    row.folders = count.folders;
    row.files = count.files;

    const std::string walkArguments = Quoted(tree.folder) + " " + Quoted(options.extension);
    const Program viewer{tree.folder + "\\rokabina.exe", "", kViewerClass};
    const Program both{options.floorExe, "both " + walkArguments, kFloorClass};
    const Program walk{options.floorExe, "walk " + walkArguments, nullptr};
    const Program window{options.floorExe, "window", kFloorClass};

    // The programs take turns within each run, so that a drift of the
    // machine weighs on all of them alike.
    const int starts = options.warmups + options.runs;
    for (int run = 0; run < starts; ++run) {
        const bool counted = run >= options.warmups;
        std::fprintf(stderr, "%s: %s %d of %d\n", tree.label.c_str(), counted ? "run" : "warm-up",
                     counted ? run - options.warmups + 1 : run + 1, counted ? options.runs : options.warmups);
        MemoryPeak peak;
        auto viewerMs = MeasureOnce(viewer, tree.folder, options.timeoutMs, &peak);
        Keep(row.viewerMs, viewerMs, counted);
        if (counted && viewerMs && peak.workingSet) {
            row.peakWorkingSetMb.push_back(double(peak.workingSet) / kMegabyte);
            row.peakPrivateMb.push_back(double(peak.pagefile) / kMegabyte);
        }
        Keep(row.floorMs, MeasureOnce(both, tree.folder, options.timeoutMs), counted);
        Keep(row.walkMs, MeasureOnce(walk, tree.folder, options.timeoutMs), counted);
        Keep(row.windowMs, MeasureOnce(window, tree.folder, options.timeoutMs), counted);
    }
    return row;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const ViewerBenchOptions options = ParseViewerBenchOptions(std::vector<std::string>(argv + 1, argv + argc));
        std::vector<StartupRow> rows;
        for (const TreeArgument& tree : options.trees) rows.push_back(MeasureTree(tree, options));
        std::printf("%s", FormatStartupTable(rows).c_str());
        std::printf("\nMedians of %d runs after %d warm-up start(s); ratio = viewer / floor.\n", options.runs,
                    options.warmups);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ViewerBench: %s\n", error.what());
        return 1;
    }
}
