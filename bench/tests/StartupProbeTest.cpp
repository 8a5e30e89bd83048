// Drives the floor program through the probe, as the benchmark does. Only
// outcomes are checked, never how long anything took.
#include "core/StartupProbe.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "BenchPrograms.h"
#include "support/Scratch.h"

namespace {

using bench::ProbedProcess;
using testsupport::ScratchFolder;

using benchtests::kPatientMs;
using benchtests::kUsageError;

std::string FloorExe() { return benchtests::BesideTests("Floor.exe"); }

TEST(StartupProbe, WindowModeIsMeasuredToItsVisibleWindow) {
    ProbedProcess floor(FloorExe(), "window", "");
    HWND window = nullptr;
    auto ms = floor.WaitShownAndIdle(kPatientMs, &window);
    ASSERT_TRUE(ms);
    EXPECT_GT(*ms, 0);
    EXPECT_EQ(bench::ClassNameOf(window), "BenchFloor");
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_GT(floor.Peak().workingSet, 0u);
    EXPECT_GT(floor.Peak().pagefile, 0u);
    EXPECT_FALSE(floor.WaitExit(0)) << "still running until ended";
    floor.Terminate();
    EXPECT_TRUE(floor.WaitExit(0));
}

TEST(StartupProbe, WalkModeExitsWithTheFolderCount) {
    ScratchFolder dir;
    dir.MakeFolder("t\\a\\b");
    dir.MakeFolder("t\\表\\c");
    ProbedProcess floor(FloorExe(), "walk \"" + dir / "t" + "\" .txt", dir.Path());
    DWORD code = 0;
    ASSERT_TRUE(floor.WaitExit(kPatientMs, &code));
    EXPECT_EQ(code, 4u);
}

// A program that ends without a window is reported at once, not waited for.
TEST(StartupProbe, ProgramEndingWithoutWindowGivesNoTime) {
    ScratchFolder dir;
    ProbedProcess floor(FloorExe(), "walk \"" + dir.Path() + "\"", dir.Path());
    EXPECT_FALSE(floor.WaitShownAndIdle(kPatientMs));
    DWORD code = 1;
    ASSERT_TRUE(floor.WaitExit(0, &code));
    EXPECT_EQ(code, 0u);
}

TEST(StartupProbe, FloorRefusesWrongArgumentsWithoutAWindow) {
    const char* lines[] = {"", "run", "window extra", "walk", "both a b c"};
    for (const char* line : lines) {
        ProbedProcess floor(FloorExe(), line, "");
        DWORD code = 0;
        EXPECT_FALSE(floor.WaitShownAndIdle(kPatientMs)) << line;
        ASSERT_TRUE(floor.WaitExit(0, &code)) << line;
        EXPECT_EQ(code, kUsageError) << line;
    }
}

TEST(StartupProbe, MissingProgramIsAnError) {
    ScratchFolder dir;
    EXPECT_THROW(ProbedProcess(dir / "none.exe", "", ""), std::runtime_error);
}

}  // namespace
