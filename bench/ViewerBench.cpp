// Measures the viewer's start-up from outside on each tree given, next to the
// floor measured in the same run, then how fast each refills its file list on
// a pick in its folder chooser, and prints the table (Markdown) on stdout;
// progress goes to stderr. See core/BenchOptions.h for the command line.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/BenchOptions.h"
#include "core/FloorWalk.h"
#include "core/FloorWindow.h"
#include "core/RefillProbe.h"
#include "core/ResultTable.h"
#include "core/StartupProbe.h"

namespace {

using namespace bench;

constexpr char kViewerClass[] = "TForm1";
constexpr double kMegabyte = 1024.0 * 1024.0;

struct Program {
    std::string exe;
    std::string arguments;
    const char* windowClass;  // null: runs to its exit
};

// What a measured start does with the window it showed, before it is ended.
using WhileShown = std::function<void(HWND window)>;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void Keep(Timings& timings, std::optional<double> ms, bool counted) {
    if (!counted) return;
    if (ms) timings.values.push_back(*ms);
    else ++timings.failures;
}

// One start to the window (the process is ended afterwards) or to the exit.
// A window of another class, such as an error box, counts as a failure.
std::optional<double> MeasureStart(const Program& program, const std::string& folder, DWORD timeoutMs,
                                   MemoryPeak* peak, const WhileShown& whileShown) {
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
    if (ms && whileShown) whileShown(window);
    process.Terminate();
    return ms;
}

// A start that Wine refuses counts as a failed run; the others go on.
template <typename Measure>
std::optional<double> Refusable(Measure measure) {
    try {
        return measure();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "  %s\n", error.what());
        return std::nullopt;
    }
}

std::optional<double> MeasureOnce(const Program& program, const std::string& folder, DWORD timeoutMs,
                                  MemoryPeak* peak = nullptr, const WhileShown& whileShown = {}) {
    return Refusable([&] { return MeasureStart(program, folder, timeoutMs, peak, whileShown); });
}

// A start stopped by "中止" at stopAtMs: the milliseconds from the click to
// the main window shown and idle. Nothing, and *stopped false, when the walk
// ended before the click.
std::optional<double> MeasureStop(const Program& viewer, const std::string& folder, double stopAtMs,
                                  DWORD timeoutMs, bool& stopped) {
    stopped = false;
    return Refusable([&]() -> std::optional<double> {
        ProbedProcess process(viewer.exe, viewer.arguments, folder);
        const std::optional<double> clickedAt = process.ClickPassingWindowAt(stopAtMs);
        if (!clickedAt) return std::nullopt;
        stopped = true;
        HWND window = nullptr;
        const std::optional<double> shownAt = process.WaitShownAndIdle(timeoutMs, &window);
        if (!shownAt || ClassNameOf(window) != viewer.windowClass) return std::nullopt;
        return *shownAt - *clickedAt;
    });
}

// Refills of the shown window's list, each of which must list the files the
// floor's walk counted in the root: a list of another length counts as failed.
WhileShown TimeRefills(const Program& program, int refills, int64_t files, DWORD timeoutMs, Timings& into) {
    return [&program, refills, files, timeoutMs, &into](HWND window) {
        for (int i = 0; i < refills; ++i) {
            std::optional<Refill> refill = TimeRefill(window, timeoutMs);
            if (refill && refill->items != files) {
                std::fprintf(stderr, "  %s listed %d files instead of %lld\n", program.exe.c_str(), refill->items,
                             static_cast<long long>(files));
                refill.reset();
            }
            Keep(into, refill ? std::optional<double>(refill->ms) : std::nullopt, true);
        }
    };
}

// The folders below the root (the chooser's first item) that the chooser of
// the shown window holds; nothing when it cannot be read.
std::optional<int64_t> ChooserFolders(HWND window, DWORD timeoutMs) {
    HWND chooser = FindWindowExA(window, nullptr, "ComboBox", nullptr);
    DWORD_PTR count = 0;
    if (!chooser || !SendMessageTimeoutA(chooser, CB_GETCOUNT, 0, 0, SMTO_NORMAL, timeoutMs, &count) ||
        LRESULT(count) < 1)
        return std::nullopt;
    return int64_t(count) - 1;
}

// A program in a folder of many entries pays for every library the loader
// looks for there first: the floor runs from the viewer's folder, as the
// viewer must.
std::string FloorBesideViewer(const std::string& floorExe, const std::string& treeFolder) {
    const std::string copy = WithBackslash(treeFolder) + "Floor.exe";
    if (!CopyFileA(floorExe.c_str(), copy.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + floorExe + " to " + copy);
    return copy;
}

StartupRow MeasureTree(const TreeArgument& tree, const ViewerBenchOptions& options) {
    StartupRow row;
    row.tree = tree.label;
    const WalkCount count = WalkAndList(tree.folder, options.extension);
    row.folders = count.folders;
    row.files = count.files;

    const std::string floorExe = FloorBesideViewer(options.floorExe, tree.folder);
    const std::string walkArguments = Quoted(tree.folder) + " " + Quoted(options.extension);
    const Program viewer{WithBackslash(tree.folder) + "rokabina.exe", "", kViewerClass};
    const Program both{floorExe, "both " + walkArguments, FloorWindow::kClassName};
    const Program walk{floorExe, "walk " + walkArguments, nullptr};
    const Program window{floorExe, "window", FloorWindow::kClassName};

    // The programs take turns within each run, so that a drift of the
    // machine weighs on all of them alike.
    const int starts = options.warmups + options.runs;
    for (int run = 0; run < starts; ++run) {
        const bool counted = run >= options.warmups;
        std::fprintf(stderr, "%s: %s %d of %d\n", tree.label.c_str(), counted ? "run" : "warm-up",
                     counted ? run - options.warmups + 1 : run + 1, counted ? options.runs : options.warmups);
        const int refills = counted ? options.refills : 0;
        MemoryPeak peak;
        const WhileShown refill = TimeRefills(viewer, refills, row.files, options.timeoutMs, row.viewerRefillMs);
        auto viewerMs = MeasureOnce(viewer, tree.folder, options.timeoutMs, &peak, [&](HWND window) {
            if (auto folders = ChooserFolders(window, options.timeoutMs); folders && counted) row.viewerFolders = *folders;
            refill(window);
        });
        Keep(row.viewerMs, viewerMs, counted);
        if (counted && viewerMs && peak.workingSet) {
            row.peakWorkingSetMb.push_back(double(peak.workingSet) / kMegabyte);
            row.peakPrivateMb.push_back(double(peak.pagefile) / kMegabyte);
        }
        MemoryPeak floorPeak;
        auto floorMs = MeasureOnce(both, tree.folder, options.timeoutMs, &floorPeak,
                                   TimeRefills(both, refills, row.files, options.timeoutMs, row.floorRefillMs));
        Keep(row.floorMs, floorMs, counted);
        if (counted && floorMs && floorPeak.pagefile)
            row.floorPeakPrivateMb.push_back(double(floorPeak.pagefile) / kMegabyte);
        Keep(row.walkMs, MeasureOnce(walk, tree.folder, options.timeoutMs), counted);
        Keep(row.windowMs, MeasureOnce(window, tree.folder, options.timeoutMs), counted);
        if (counted && options.stopAtMs > 0) {
            bool stopped;
            auto stopMs = MeasureStop(viewer, tree.folder, options.stopAtMs, options.timeoutMs, stopped);
            Keep(row.stopToWindowMs, stopMs, stopped);
        }
    }
    DeleteFileA(floorExe.c_str());
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
        if (options.stopAtMs > 0)
            std::printf("Stop to window: the progress window's stop button clicked %d ms into a start of its "
                        "own; n/a where the walk ended before.\n",
                        options.stopAtMs);
        if (options.refills > 0) {
            std::printf("\n%s", FormatRefillTable(rows).c_str());
            std::printf("\nMedians of %d refill(s) after each measured start; ratio = viewer / floor.\n",
                        options.refills);
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ViewerBench: %s\n", error.what());
        return 1;
    }
}
