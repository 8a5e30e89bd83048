// The real rokabina_designer.exe, checked from outside: its window, the
// preview, and an edit reaching the preview through standard messages.
#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

TEST(DesignerProgram, StartsWithItsWindowPreviewAndFieldsInPlace) {
    ScratchFolder dir;
    Process designer(InstallProgram("rokabina_designer.exe", dir.Path()), dir.Path());
    HWND window = designer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "ロカビナデザイナー");
    EXPECT_TRUE(FrameIs(window, 210, 20, 753, 584));

    HWND canvas = ChildAt(window, "TFrame3", 0, 0);
    ASSERT_NE(canvas, nullptr);
    HWND mock = ChildAt(canvas, "TFrame2", 64, 23);
    ASSERT_NE(mock, nullptr);
    EXPECT_EQ(ChildRect(ChildAt(mock, "Button", 0, 240)).right, 89);
    EXPECT_EQ(WindowText(ChildAt(mock, "Button", 88, 240)), "ボタン2");
    EXPECT_NE(ChildAt(mock, "ListBox", 0, 92), nullptr);

    // The keyboard focus starts in the preview's folder chooser.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info));
    HWND chooser = ChildAt(mock, "ComboBox", 0, 72);
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(info.hwndFocus == chooser || GetParent(info.hwndFocus) == chooser);

    // The window width field: an edit with its arrows inside it.
    HWND width = ChildAt(window, "Edit", 584, 376);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(WindowText(width), "177");
    EXPECT_EQ(ChildrenOfClass(width, "msctls_updown32").size(), 1u);
    SendMessageW(width, WM_SETTEXT, 0, LPARAM(L"300"));
    EXPECT_EQ(ChildRect(mock).right - ChildRect(mock).left, 300);
    EXPECT_TRUE(GetWindowLongW(canvas, GWL_STYLE) & WS_HSCROLL);

    SendMessageW(width, WM_SETTEXT, 0, LPARAM(L"177"));  // set back: unchanged again
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 99;
    EXPECT_TRUE(designer.WaitForExit(10000, &code)) << "closing an unchanged layout ends the program at once";
    EXPECT_EQ(code, 0u);
}

}  // namespace
