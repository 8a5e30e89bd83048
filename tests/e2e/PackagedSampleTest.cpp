// The sample menu of the release zip, unpacked as a user unpacks it: its
// viewer comes up on its own layout file, pictures and folders. The package
// test (tests/e2e/check-package.py) unpacks the zip and names the sample
// folder in ROKABINA_PACKAGE_SAMPLE; run otherwise, the test is skipped.
#include <algorithm>
#include <cstdlib>
#include <set>

#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "support/Process.h"
#include "support/ScreenCapture.h"

namespace {

using namespace testsupport;

// Distinct colours in a rectangle of a capture: a blank pane has one or two,
// a photograph hundreds.
size_t ColoursIn(const ScreenPixels& capture, const RECT& r) {
    std::set<uint32_t> colours;
    for (int y = r.top; y < std::min<int>(r.bottom, capture.height); ++y)
        for (int x = r.left; x < std::min<int>(r.right, capture.width); ++x) colours.insert(capture.At(x, y));
    return colours.size();
}

TEST(PackagedSample, TheViewerComesUpWithTheSampleFoldersFilesAndPictures) {
    const char* folder = std::getenv("ROKABINA_PACKAGE_SAMPLE");
    if (!folder) GTEST_SKIP() << "run by the package test, which unpacks the release zip";
    const std::string sample = std::string(folder) + "\\";

    Process viewer(sample + "rokabina.exe", sample);
    HWND window = viewer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr) << "the viewer's window did not come up";
    EXPECT_EQ(WindowText(window), "資料メニュー");

    auto combos = ChildrenOfClass(window, "ComboBox");
    auto lists = ChildrenOfClass(window, "ListBox");
    ASSERT_EQ(combos.size(), 1u);
    ASSERT_EQ(lists.size(), 1u);
    auto folders = ComboItems(combos[0]);
    std::sort(folders.begin(), folders.end());
    // In byte order of their Shift-JIS names.
    EXPECT_EQ(folders, (std::vector<std::string>{sample, sample + "マニュアル", sample + "マニュアル\\導入",
                                                  sample + "議事録", sample + "写真"}));
    auto files = ListItems(lists[0]);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"footer.jpg", "header.jpg", "はじめにお読みください.txt"}));

    // The header and footer pictures beside the viewer are drawn.
    auto pictures = ChildrenOfClass(window, "RokabinaPicture");
    ASSERT_EQ(pictures.size(), 2u);
    for (HWND picture : pictures) {
        RECT client;
        GetClientRect(picture, &client);
        EXPECT_GT(ColoursIn(CaptureClientArea(picture), client), 100u) << "a picture pane is blank";
    }
}

}  // namespace
