#include "core/BenchOptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using bench::ParseDesignerBenchOptions;
using bench::ParseViewerBenchOptions;
using Words = std::vector<std::string>;

TEST(BenchOptions, ReadsEveryOptionAndTree) {
    auto options = ParseViewerBenchOptions({"--runs", "3", "--warmups", "0", "--timeout", "20", "--ext", ".doc",
                                            "--floor", "Z:\\b\\Floor.exe", "1000 folders=Z:\\t\\a",
                                            "files=Z:\\t\\x=y"});
    EXPECT_EQ(options.runs, 3);
    EXPECT_EQ(options.warmups, 0);
    EXPECT_EQ(options.timeoutMs, 20000u);
    EXPECT_EQ(options.extension, ".doc");
    EXPECT_EQ(options.floorExe, "Z:\\b\\Floor.exe");
    ASSERT_EQ(options.trees.size(), 2u);
    EXPECT_EQ(options.trees[0].label, "1000 folders");
    EXPECT_EQ(options.trees[0].folder, "Z:\\t\\a");
    EXPECT_EQ(options.trees[1].label, "files");
    EXPECT_EQ(options.trees[1].folder, "Z:\\t\\x=y");  // only the first "=" separates
}

TEST(BenchOptions, DefaultsWhenOnlyFloorAndTreeAreGiven) {
    auto options = ParseViewerBenchOptions({"--floor", "f.exe", "t=d"});
    EXPECT_EQ(options.runs, 5);
    EXPECT_EQ(options.warmups, 1);
    EXPECT_EQ(options.extension, ".txt");
}

TEST(BenchOptions, RefillsAndTheStopAreCountedAndMayBeNone) {
    EXPECT_EQ(ParseViewerBenchOptions({"--floor", "f.exe", "t=d"}).refills, 5);
    EXPECT_EQ(ParseViewerBenchOptions({"--refills", "0", "--floor", "f.exe", "t=d"}).refills, 0);
    EXPECT_EQ(ParseViewerBenchOptions({"--refills", "12", "--floor", "f.exe", "t=d"}).refills, 12);
    EXPECT_THROW(ParseViewerBenchOptions({"--refills", "1001", "--floor", "f.exe", "t=d"}), std::invalid_argument);
    EXPECT_EQ(ParseViewerBenchOptions({"--floor", "f.exe", "t=d"}).stopAtMs, 1500);
    EXPECT_EQ(ParseViewerBenchOptions({"--stop-at", "0", "--floor", "f.exe", "t=d"}).stopAtMs, 0);
}

struct BadLine {
    Words words;
    const char* named;  // what the message must point at
};

// Each line is refused with a message naming its fault.
template <class Parse, size_t N>
void ExpectRefused(Parse parse, const BadLine (&cases)[N]) {
    for (const auto& c : cases) {
        try {
            parse(c.words);
            ADD_FAILURE() << "accepted: " << testing::PrintToString(c.words);
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

TEST(BenchOptions, RefusesBadLinesNamingTheFault) {
    const BadLine cases[] = {
        {{"t=d"}, "--floor"},
        {{"--floor", "f.exe"}, "no tree"},
        {{"--floor", "f.exe", "t=d", "--runs"}, "missing value after --runs"},
        {{"--floor", "f.exe", "t=d", "--runs", "0"}, ": 0"},
        {{"--floor", "f.exe", "t=d", "--runs", "3x"}, ": 3x"},
        {{"--floor", "f.exe", "t=d", "--runs", "-2"}, ": -2"},
        {{"--floor", "f.exe", "t=d", "--timeout", "99999"}, ": 99999"},
        {{"--floor", "f.exe", "t=d", "--fast"}, "unknown option --fast"},
        {{"--floor", "f.exe", "folder"}, "label=folder: folder"},
        {{"--floor", "f.exe", "=d"}, "label=folder: =d"},
        {{"--floor", "f.exe", "t="}, "label=folder: t="},
    };
    ExpectRefused(ParseViewerBenchOptions, cases);
}

TEST(BenchOptions, DesignerBenchReadsCountsAndTheChangesToTime) {
    auto defaults = ParseDesignerBenchOptions({});
    EXPECT_EQ(defaults.changes, 2000);
    EXPECT_EQ(defaults.warmups, 50);
    EXPECT_EQ(defaults.rounds, 5);
    EXPECT_TRUE(defaults.only.empty()) << "every kind";

    auto options = ParseDesignerBenchOptions(
        {"--changes", "10", "--warmups", "0", "--rounds", "2", "--only", "caption-key", "--only", "picture-left-bar"});
    EXPECT_EQ(options.changes, 10);
    EXPECT_EQ(options.warmups, 0);
    EXPECT_EQ(options.rounds, 2);
    EXPECT_EQ(options.only, (Words{"caption-key", "picture-left-bar"}));
}

TEST(BenchOptions, DesignerBenchRefusesBadLinesNamingTheFault) {
    const BadLine cases[] = {
        {{"--changes"}, "missing value after --changes"},
        {{"--changes", "0"}, ": 0"},
        {{"--changes", "1000001"}, ": 1000001"},
        {{"--warmups", "-1"}, ": -1"},
        {{"--rounds", "0"}, ": 0"},
        {{"--changes", "3", "--rounds", "4"}, "more rounds than changes"},
        {{"--only", "picture"}, "no change named picture"},
        {{"--runs", "3"}, "unknown option --runs"},
        {{"2000"}, "unknown option 2000"},
    };
    ExpectRefused(ParseDesignerBenchOptions, cases);
}

}  // namespace
