#include "core/ResultTable.h"

#include <cstdio>
#include <optional>

#include "core/Statistics.h"

namespace bench {
namespace {

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string MedianCell(const std::vector<double>& values, int decimals) {
    auto median = Median(values);
    return median ? Fixed(*median, decimals) : "n/a";
}

std::string TimingCell(const Timings& timings, int decimals = 0) {
    std::string cell = MedianCell(timings.values, decimals);
    if (timings.failures) cell += " (" + std::to_string(timings.failures) + " failed)";
    return cell;
}

std::string RatioCell(std::optional<double> top, std::optional<double> bottom) {
    if (!top || !bottom || *bottom <= 0) return "n/a";
    return Fixed(*top / *bottom, 2);
}

std::string RatioCell(const Timings& measured, const Timings& floor) {
    return RatioCell(Median(measured.values), Median(floor.values));
}

std::string CountCell(int64_t count) { return count < 0 ? "n/a" : std::to_string(count); }

std::string PercentileCell(const std::vector<double>& values, double p) {
    auto value = Percentile(values, p);
    return value ? Fixed(*value, 1) : "n/a";
}

std::string Line(const std::vector<std::string>& cells) {
    std::string line = "|";
    for (const std::string& cell : cells) line += " " + cell + " |";
    return line + "\n";
}

}  // namespace

std::string FormatStartupTable(const std::vector<StartupRow>& rows) {
    std::string table = Line({"tree", "folders", "viewer folders", "files listed", "viewer ms", "floor ms (walk, lists, window)",
                              "ratio", "walk only ms", "window only ms", "viewer peak working set MB",
                              "viewer peak private MB", "floor peak private MB", "private ratio",
                              "stop to window ms"});
    table += Line({"---", "---:", "---:", "---:", "---:", "---:", "---:", "---:", "---:", "---:", "---:", "---:",
                   "---:", "---:"});
    for (const StartupRow& row : rows)
        table += Line({row.tree, CountCell(row.folders), CountCell(row.viewerFolders), CountCell(row.files), TimingCell(row.viewerMs),
                       TimingCell(row.floorMs), RatioCell(row.viewerMs, row.floorMs), TimingCell(row.walkMs),
                       TimingCell(row.windowMs), MedianCell(row.peakWorkingSetMb, 1),
                       MedianCell(row.peakPrivateMb, 1), MedianCell(row.floorPeakPrivateMb, 1),
                       RatioCell(Median(row.peakPrivateMb), Median(row.floorPeakPrivateMb)),
                       TimingCell(row.stopToWindowMs)});
    return table;
}

std::string FormatRefillTable(const std::vector<StartupRow>& rows) {
    std::string table = Line({"tree", "files listed", "viewer refill ms", "floor refill ms", "ratio"});
    table += Line({"---", "---:", "---:", "---:", "---:"});
    for (const StartupRow& row : rows)
        table += Line({row.tree, CountCell(row.files), TimingCell(row.viewerRefillMs, 1),
                       TimingCell(row.floorRefillMs, 1), RatioCell(row.viewerRefillMs, row.floorRefillMs)});
    return table;
}

std::string FormatResponseTable(const std::vector<ResponseRow>& rows) {
    std::string table = Line({"change", "changes", "handler median us", "handler p95 us", "with repaint median us",
                              "with repaint p95 us", "floor median us", "floor p95 us", "ratio median",
                              "ratio p95"});
    table += Line({"---", "---:", "---:", "---:", "---:", "---:", "---:", "---:", "---:", "---:"});
    for (const ResponseRow& row : rows) {
        const auto& measured = row.measured.withRepaintUs;
        const auto& floor = row.floor.withRepaintUs;
        table += Line({row.change, std::to_string(measured.size()), MedianCell(row.measured.handlerUs, 1),
                       PercentileCell(row.measured.handlerUs, 95), MedianCell(measured, 1),
                       PercentileCell(measured, 95), MedianCell(floor, 1), PercentileCell(floor, 95),
                       RatioCell(Median(measured), Median(floor)),
                       RatioCell(Percentile(measured, 95), Percentile(floor, 95))});
    }
    return table;
}

}  // namespace bench
