#include "core/ResultTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

using bench::FormatRefillTable;
using bench::FormatResponseTable;
using bench::FormatStartupTable;
using bench::ResponseRow;
using bench::StartupRow;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

StartupRow TreeOf(const std::string& name) {
    StartupRow row;
    row.tree = name;
    row.folders = 1000;
    row.viewerFolders = 998;
    row.files = 2;
    row.viewerMs = {{130, 120, 900}, 0};  // median 130
    row.floorMs = {{100, 110, 90}, 0};    // median 100
    row.walkMs = {{60.4}, 0};
    row.windowMs = {{40, 42}, 0};
    row.peakWorkingSetMb = {20.25, 30, 25};
    row.peakPrivateMb = {8};
    row.floorPeakPrivateMb = {6, 4, 5};  // median 5
    row.stopToWindowMs = {{210, 190}, 0};  // median 200
    return row;
}

TEST(ResultTable, StartupRowShowsMediansAndTheirRatio) {
    auto lines = Lines(FormatStartupTable({TreeOf("1000 folders")}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "| 1000 folders | 1000 | 998 | 2 | 130 | 100 | 1.30 | 60 | 41 | 25.0 | 8.0 | 5.0 | 1.60 | 200 |");
}

TEST(ResultTable, EveryLineHasOneCellPerHeading) {
    auto lines = Lines(FormatStartupTable({TreeOf("a"), TreeOf("b")}));
    ASSERT_EQ(lines.size(), 4u);
    for (const auto& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 15) << line;
}

TEST(ResultTable, FailedRunsAreCountedAndMissingFiguresSaySo) {
    StartupRow row = TreeOf("t");
    row.viewerMs = {{200}, 2};
    row.floorMs = {{}, 3};
    row.folders = -1;
    row.viewerFolders = -1;
    row.peakWorkingSetMb.clear();
    row.floorPeakPrivateMb.clear();
    row.stopToWindowMs = {};  // the walk ended before the press
    auto lines = Lines(FormatStartupTable({row}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "| t | n/a | n/a | 2 | 200 (2 failed) | n/a (3 failed) | n/a | 60 | 41 | n/a | 8.0 | n/a | n/a | n/a |");
}

TEST(ResultTable, RefillRowShowsBothMediansAndTheirRatio) {
    StartupRow row = TreeOf("50000 files");
    row.files = 50000;
    row.viewerRefillMs = {{240, 200, 260}, 1};  // median 240
    row.floorRefillMs = {{180, 210, 150}, 0};   // median 180
    auto lines = Lines(FormatRefillTable({row, TreeOf("none")}));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "| 50000 files | 50000 | 240.0 (1 failed) | 180.0 | 1.33 |");
    EXPECT_EQ(lines[3], "| none | 2 | n/a | n/a | n/a |");
    for (const auto& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 6) << line;
}

TEST(ResultTable, ResponseRowShowsMediansPercentilesAndRatiosToTheFloor) {
    ResponseRow row{"SpinEdit1", {}, {}};
    for (int i = 1; i <= 20; ++i) {
        row.measured.handlerUs.push_back(i);
        row.measured.withRepaintUs.push_back(10 * i);
        row.floor.handlerUs.push_back(1000);  // not shown: the goal is about the change with its repaint
        row.floor.withRepaintUs.push_back(i <= 19 ? 5 * i : 400);
    }
    auto lines = Lines(FormatResponseTable({row}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '|'), 11) << lines[0];
    EXPECT_EQ(lines[2], "| SpinEdit1 | 20 | 10.5 | 19.0 | 105.0 | 190.0 | 52.5 | 95.0 | 2.00 | 2.00 |");
}

TEST(ResultTable, AFloorThatGaveNothingLeavesItsCellsAndRatiosOpen) {
    ResponseRow row{"caption", {{1, 2, 3}, {4, 5, 6}}, {}};
    auto lines = Lines(FormatResponseTable({row}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "| caption | 3 | 2.0 | 3.0 | 5.0 | 6.0 | n/a | n/a | n/a | n/a |");
}

}  // namespace
