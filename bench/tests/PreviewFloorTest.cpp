// The preview floor makes every kind of change the benchmark times and shows
// it in its mock window, and hands over one sample a timed change. Only
// outcomes are checked, never how long anything took.
#include <gtest/gtest.h>

#include <string>

#include "BenchPrograms.h"
#include "core/PreviewChanges.h"
#include "core/ResponseTiming.h"
#include "core/StartupProbe.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"

namespace {

using bench::ProbedProcess;
using testsupport::ScratchFolder;

using benchtests::kPatientMs;
using benchtests::kUsageError;

std::string PreviewFloorExe() { return benchtests::BesideTests("PreviewFloor.exe"); }

TEST(PreviewFloor, EveryKindOfChangeReachesItsMockWindowAndIsTimed) {
    ScratchFolder dir;
    const std::string jpeg = testsupport::ReadWholeFile(testsupport::TestDataPath("pictures\\quadrants.jpeg"));
    for (const char* photo : {"photo-a.jpg", "photo-b.jpg"}) dir.WriteFile(photo, jpeg);  // what picks name
    for (const bench::PreviewChange& change : bench::PreviewChanges()) {
        SCOPED_TRACE(change.key);
        const std::string samplesFile = dir / (std::string(change.key) + ".txt");
        // An odd number of changes: the last one is a first value, away from the start.
        ProbedProcess floor(PreviewFloorExe(), std::string(change.key) + " 3 2 \"" + samplesFile + "\"", dir.Path());
        DWORD code = 1;
        ASSERT_TRUE(floor.WaitExit(kPatientMs, &code));
        EXPECT_EQ(code, 0u) << "2: the mock window did not show the last change";
        auto samples = bench::ParseSamples(testsupport::ReadWholeFile(samplesFile));
        ASSERT_TRUE(samples);
        EXPECT_EQ(samples->withRepaintUs.size(), 3u);
    }
}

TEST(PreviewFloor, RefusesWrongArgumentsWithoutAWindow) {
    ScratchFolder dir;
    const std::string file = "\"" + dir / "s.txt" + "\"";
    const std::string lines[] = {"",
                                 "caption-key 3 0",
                                 "no-such-change 3 0 " + file,
                                 "caption-key 0 0 " + file,
                                 "caption-key 3x 0 " + file,
                                 "caption-key 3 -1 " + file,
                                 "caption-key 3 0 " + file + " extra"};
    for (const std::string& line : lines) {
        ProbedProcess floor(PreviewFloorExe(), line, dir.Path());
        DWORD code = 0;
        EXPECT_FALSE(floor.WaitShownAndIdle(kPatientMs)) << line;
        ASSERT_TRUE(floor.WaitExit(0, &code)) << line;
        EXPECT_EQ(code, kUsageError) << line;
    }
}

}  // namespace
