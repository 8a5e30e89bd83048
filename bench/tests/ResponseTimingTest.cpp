// The timing loop shared by the designer's side and the floor, and the text
// in which the floor hands its samples over. Only counts and order are
// checked, never how long anything took.
#include "core/ResponseTiming.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using bench::ParseSamples;
using bench::ResponseSamples;

TEST(ResponseTiming, WarmUpChangesComeFirstAndOnlyTheRestAreTimed) {
    std::vector<int> applied;
    auto samples = bench::MeasureResponse([&](int i) { applied.push_back(i); }, 3, 2);
    EXPECT_EQ(applied, (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_EQ(samples.handlerUs.size(), 3u);
    ASSERT_EQ(samples.withRepaintUs.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_GE(samples.withRepaintUs[i], samples.handlerUs[i]) << i;
}

TEST(ResponseTiming, WhatAChangeQueuedIsDispatchedBeforeTheNextOne) {
    const UINT kMark = WM_APP + 7;
    std::vector<int> seen;
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    bench::MeasureResponse(
        [&](int i) {
            MSG msg;
            seen.push_back(PeekMessageA(&msg, window, kMark, kMark, PM_NOREMOVE) ? -1 : i);
            PostMessageA(window, kMark, 0, 0);
        },
        3, 1);
    DestroyWindow(window);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3})) << "-1: a message of the change before was still waiting";
}

TEST(ResponseTiming, SamplesSurviveTheirText) {
    const ResponseSamples samples{{12.5, 1000, 0}, {20.26, 1234.5, 0.1}};
    auto read = ParseSamples(bench::SamplesText(samples));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->handlerUs, (std::vector<double>{12.5, 1000, 0}));
    EXPECT_EQ(read->withRepaintUs, (std::vector<double>{20.3, 1234.5, 0.1})) << "one decimal kept";
    auto none = ParseSamples("");
    ASSERT_TRUE(none) << "a run of no changes";
    EXPECT_TRUE(none->handlerUs.empty());
}

TEST(ResponseTiming, TextThatIsNotTwoNumbersALineIsRefused) {
    const char* texts[] = {"1.0\n", "1.0 2.0 3.0\n", "1.0 x\n", "1 2\n\n3 4\n", "a b\n"};
    for (const char* text : texts) EXPECT_FALSE(ParseSamples(text)) << text;
}

}  // namespace
