// The two programs together: the real designer saves a layout that the real
// viewer then shows, and its Test run starts the viewer copy in test\.
#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "base/Files.h"
#include "support/Dialogs.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

class DesignerAndViewer : public testing::Test {
protected:
    void SetUp() override {
        // The distribution folder as a user unpacks it.
        dir.MakeFolder("test");
        InstallProgram("test\\test.exe", dir.Path());
        designer = std::make_unique<Process>(InstallProgram("rokabina_designer.exe", dir.Path()), dir.Path());
        window = designer->WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
    }
    HWND Field(int left, int top) const { return ChildAt(window, "Edit", left, top); }
    HWND Button(int left, int top) const { return ChildAt(window, "Button", left, top); }

    // Edits a layout through the designer's own fields.
    void EditLayout(const std::string& title) {
        SetText(Field(584, 336), title);        // title bar text
        SetText(Field(584, 376), "260");        // window width
        SetText(Field(360, 256), "開く");       // first button's caption
        SetText(Field(368, 56), "");            // no header picture
        SetText(Field(584, 56), "");            // no footer picture
        SetText(Field(80, 472), "txt");         // extension to add
        HWND add = Button(272, 472);
        SendMessageW(add, BM_CLICK, 0, 0);
        HWND function = ChildAt(window, "ComboBox", 360, 186);
        SendMessageW(function, CB_SETCURSEL, 1, 0);  // 2.ファイルパス表示, picked as the list reports a pick
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(function), CBN_SELCHANGE), LPARAM(function));
    }

    ScratchFolder dir;
    std::unique_ptr<Process> designer;
    HWND window = nullptr;
};

TEST_F(DesignerAndViewer, ALayoutSavedByTheDesignerIsWhatTheViewerShows) {
    EditLayout("資料メニュー");
    FileDialogAnswer dialog(dir / "rokabina", designer->Id());
    Click(Button(560, 448));  // 保存
    ASSERT_TRUE(dialog.Wait().found);
    for (DWORD start = GetTickCount(); !base::IsExistingFile(W(dir / "rokabina.rkd")) && GetTickCount() - start < 10000;) Sleep(50);
    ASSERT_TRUE(base::IsExistingFile(W(dir / "rokabina.rkd")));
    dir.WriteFile("guide.txt", "x");
    dir.WriteFile("photo.jpg", "x");

    Process viewer(InstallProgram("rokabina.exe", dir.Path()), dir.Path());
    HWND shown = viewer.WaitForWindow("TForm1");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(WindowText(shown), "資料メニュー");
    RECT client;
    GetClientRect(shown, &client);
    EXPECT_EQ(client.right, 260);
    auto buttons = ChildrenOfClass(shown, "Button");
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(WindowText(buttons[0]), "開く");
    HWND list = ChildrenOfClass(shown, "ListBox").at(0);
    EXPECT_EQ(ListItems(list), std::vector<std::string>{"guide.txt"});

    // The function chosen in the designer: show the path.
    HWND chooser = ChildrenOfClass(shown, "ComboBox").at(0);
    SendMessageW(chooser, CB_SETCURSEL, 0, 0);
    SendMessageW(shown, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(chooser), CBN_SELCHANGE), LPARAM(chooser));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    DialogAnswer path(Press::Ok, viewer.Id());
    Click(buttons[0]);
    EXPECT_EQ(path.Wait().text, dir / "guide.txt");
}

TEST_F(DesignerAndViewer, TheTestRunStartsTheViewerCopyOnTheTestLayout) {
    EditLayout("テスト実行の窓");
    Click(Button(648, 448));  // テスト
    HWND shown = FindWindowTitled("TForm1", "テスト実行の窓");
    ASSERT_NE(shown, nullptr) << "test\\test.exe did not show the test layout";
    EXPECT_TRUE(base::IsExistingFile(W(dir / "test\\test.rkd")));
    RECT client;
    GetClientRect(shown, &client);
    EXPECT_EQ(client.right, 260);
    EXPECT_EQ(WindowText(ChildrenOfClass(shown, "Button").at(0)), "開く");
    EndProcessOf(shown);
}

}  // namespace
