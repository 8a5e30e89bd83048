// 配布用フォルダに書き出し with the real designer: the menu folder it writes
// holds the release's viewer under the program's name, the layout as Save
// writes it with the pictures' bare names, the pictures and, when asked,
// autorun.inf; the published viewer starts from there as its users see it.
#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/ScreenCapture.h"
#include "support/TestFolders.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// Runs 配布用フォルダに書き出し into the folder, the other fields as they are;
// returns the published viewer's window, found by its title.
HWND Publish(HWND designer, const std::string& folder, bool autorun, std::string* initialFolder) {
    ChooseFromMenuBar(designer, 4);
    HWND box = FindWindowTitled("TPublishBox", "配布用フォルダに書き出し");
    if (!box) return nullptr;
    HWND folderField = ChildAt(box, "Edit", 12, 32);
    *initialFolder = WindowText(folderField);
    SetText(folderField, folder);
    if (autorun) Click(ChildAt(box, "Button", 12, 112));
    Click(ChildAt(box, "Button", 168, 140));  // 書き出し
    return FindWindowTitled("TForm1", "資料メニュー");
}

void End(HWND viewer) {
    for (DWORD start = (EndProcessOf(viewer), GetTickCount()); IsWindow(viewer) && GetTickCount() - start < 10000;) Sleep(50);
}

bool IsRed(uint32_t rgb) { return (rgb >> 16) > 200 && ((rgb >> 8) & 0xFF) < 60 && (rgb & 0xFF) < 60; }

TEST(Publishing, TheMenuFolderHoldsWhatItNeedsAndRunsAsItsUsersSeeIt) {
    ScratchFolder dir;
    InstallProgram("rokabina_designer.exe", dir.Path());
    dir.WriteFile("work\\pics\\head.jpg", ReadWholeFile(TestDataPath("pictures\\quadrants.jpeg")));
    dir.WriteFile("work\\pics\\foot.bmp", ReadWholeFile(TestDataPath("pictures\\quadrants24.bmp")));
    dir.WriteFile("work\\menu.rkd", LayoutText({"[Caption]", "Form=資料メニュー", "[File]", "image1=pics\\head.jpg",
                                                "image2=pics\\foot.bmp", "[extension]", "count=1", "ex1=.txt"}));
    const std::string first = dir / "配布\\メニュー\\", second = dir / "配布\\二つ目\\";
    dir.WriteFile("配布\\メニュー\\案内.txt", "x");  // other files stay as they are

    Process designer(W(dir / "rokabina_designer.exe"), dir.WidePath(), W(dir / "work\\menu.rkd"));
    HWND window = designer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr);
    std::string initial;
    HWND viewer = Publish(window, first, true, &initial);
    ASSERT_NE(viewer, nullptr) << "the published viewer did not start";
    EXPECT_EQ(initial, "");
    const ScreenPixels shown = CaptureClientArea(viewer);
    EXPECT_TRUE(IsRed(shown.At(5, 5))) << "the header picture, its red quadrant";
    EXPECT_TRUE(IsRed(shown.At(5, 193))) << "the footer picture, its red quadrant";
    EXPECT_EQ(ListItems(ChildrenOfClass(viewer, "ListBox").at(0)), std::vector<std::string>{"案内.txt"});
    End(viewer);

    for (auto [copy, original] : {std::pair{first + "menu.exe", DistFolder() + "rokabina.exe"},
                                  {first + "head.jpg", dir / "work\\pics\\head.jpg"},
                                  {first + "foot.bmp", dir / "work\\pics\\foot.bmp"}})
        EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(original)) << copy;
    const std::string autorun = ReadWholeFile(first + "autorun.inf");
    EXPECT_EQ(autorun.substr(0, 2), "\xFF\xFE") << "UTF-16 with its byte-order mark";
    const std::wstring lines(reinterpret_cast<const wchar_t*>(autorun.data() + 2), (autorun.size() - 2) / 2);
    EXPECT_EQ(lines, L"[autorun]\r\nopen=menu.exe\r\nicon=menu.exe\r\nlabel=" + W("資料メニュー") + L"\r\naction=" +
                         W("資料メニュー") + L"\r\n");

    // The layout is what Save As writes into a new file, the pictures' names aside.
    FileDialogAnswer saveAs(dir / "work\\saved.rkd", designer.Id());
    ChooseFromMenuBar(window, 3);
    ASSERT_TRUE(saveAs.Wait().found);
    for (DWORD start = GetTickCount(); ReadWholeFile(dir / "work\\saved.rkd").empty() && GetTickCount() - start < 10000;)
        Sleep(50);
    std::string saved = ReadWholeFile(dir / "work\\saved.rkd");
    for (auto [from, to] : {std::pair{"image1=pics\\head.jpg", "image1=head.jpg"}, {"image2=pics\\foot.bmp", "image2=foot.bmp"}})
        saved.replace(saved.find(from), std::string(from).size(), to);
    EXPECT_EQ(ReadWholeFile(first + "menu.rkd"), saved);

    // Again, elsewhere and without autorun.inf: the window offers the last
    // folder, and the name of the layout file now current.
    viewer = Publish(window, second, false, &initial);
    ASSERT_NE(viewer, nullptr);
    End(viewer);
    EXPECT_EQ(initial, first);
    EXPECT_TRUE(ReadWholeFile(second + "autorun.inf").empty());
    EXPECT_EQ(ReadWholeFile(second + "saved.exe"), ReadWholeFile(first + "menu.exe"));
}

}  // namespace
