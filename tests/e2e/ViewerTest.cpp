// The real rokabina.exe, started as its own process from scratch folders and
// checked from outside through window classes, texts and control messages.
#include <algorithm>

#include <gtest/gtest.h>

#include "support/Dialogs.h"
#include "support/FolderLinks.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"

namespace {

using namespace testsupport;

class ViewerProgram : public testing::Test {
protected:
    std::string Install(const std::string& exeName = "rokabina.exe") {
        return InstallProgram("rokabina.exe", dir.Path(), exeName);
    }
    ScratchFolder dir;
};

TEST_F(ViewerProgram, WithoutItsLayoutItSaysSoAndEnds) {
    for (const char* name : {"rokabina", "menu"}) {
        Process viewer(Install(std::string(name) + ".exe"), dir.Path());
        DialogAnswer answer(Press::Ok, viewer.Id(), 20000);
        const auto& box = answer.Wait();
        ASSERT_TRUE(box.found);
        EXPECT_EQ(box.caption, "エラー");
        EXPECT_EQ(box.text, std::string(name) + ".rkdが見つかりません");
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
        DWORD code = 99;
        EXPECT_TRUE(viewer.WaitForExit(10000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(FindTopWindow(viewer.Id(), "TForm1"), nullptr);
    }
}

TEST_F(ViewerProgram, OpensLaidOutFromItsLayoutWithFoldersAndFiles) {
    dir.WriteFile("guide.txt", "x");
    dir.WriteFile("notes.txt", "x");
    dir.WriteFile("docs\\manual.txt", "x");
    dir.WriteFile("rokabina.rkd", LayoutText({"[Caption]", "Form=資料メニュー", "Button1=開く", "Button2=場所",
                                              "ComboBox1=フォルダを選択してください", "[Width]", "Form=300",
                                              "Button1=120", "[Height]", "Form=320", "ListBox1=150", "[Top]",
                                              "Button1=280", "Button2=280", "[extension]", "count=1", "ex1=.txt"}));
    Process viewer(Install(), dir.Path());
    HWND window = viewer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "資料メニュー");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 320);

    auto buttons = ChildrenOfClass(window, "Button");
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(WindowText(buttons[0]), "開く");
    EXPECT_EQ(WindowText(buttons[1]), "場所");
    EXPECT_EQ(ChildRect(buttons[0]).top, 280);
    EXPECT_EQ(ChildRect(buttons[0]).right - ChildRect(buttons[0]).left, 120);

    auto combos = ChildrenOfClass(window, "ComboBox");
    auto lists = ChildrenOfClass(window, "ListBox");
    ASSERT_EQ(combos.size(), 1u);
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(ComboItems(combos[0]), (std::vector<std::string>{dir.Path(), dir / "docs"}));
    auto files = ListItems(lists[0]);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"guide.txt", "notes.txt"}));
    EXPECT_EQ(ChildRect(lists[0]).bottom - ChildRect(lists[0]).top, 150);

    // Pick the sub-folder as the user does.
    SendMessageW(combos[0], CB_SETCURSEL, 1, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combos[0]), CBN_SELCHANGE), LPARAM(combos[0]));
    EXPECT_EQ(ListItems(lists[0]), std::vector<std::string>{"manual.txt"});
    EXPECT_EQ(WindowText(combos[0]), dir / "docs");
}

// The task bar lists the application window, titled with the application
// title; the main window, whatever its caption, is owned and listed nowhere.
TEST_F(ViewerProgram, TheTaskBarEntryIsTheApplicationWindowWhichTheMainWindowGoesWith) {
    dir.WriteFile("rokabina.rkd", LayoutText({"[Caption]", "Form=資料メニュー", "[extension]", "count=1", "ex1=.rkd"}));
    Process viewer(Install(), dir.Path());
    HWND window = viewer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr);
    HWND app = GetWindow(window, GW_OWNER);
    ASSERT_NE(app, nullptr) << "the main window is owned";
    EXPECT_EQ(ClassName(app), "TApplication");
    EXPECT_EQ(WindowText(app), "ロカビナ");
    EXPECT_EQ(WindowText(window), "資料メニュー");
    EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);
    EXPECT_TRUE(IsWindowVisible(app));
    EXPECT_FALSE(GetWindowLongW(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    RECT r;
    GetWindowRect(app, &r);
    EXPECT_TRUE(IsRectEmpty(&r)) << "nothing of it shows";

    auto waitFor = [](auto condition) {
        for (int i = 0; i < 200 && !condition(); ++i) Sleep(10);
        return condition();
    };
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(waitFor([&] { return IsIconic(app) && !IsWindowVisible(window); }));
    PostMessageW(app, WM_SYSCOMMAND, SC_RESTORE, 0);  // a click on the task-bar entry
    EXPECT_TRUE(waitFor([&] { return !IsIconic(app) && IsWindowVisible(window) && !IsIconic(window); }));
    PostMessageW(app, WM_CLOSE, 0, 0);  // "close window" on the entry
    EXPECT_TRUE(viewer.WaitForExit(10000));
}

// Two links back to the viewer's folder would double the tree at every level.
TEST_F(ViewerProgram, LinksBackUpTheTreeAreListedButNotWalkedRound) {
    dir.MakeFolder("docs\\old");
    ASSERT_TRUE(MakeFolderLink(dir / "docs\\top1", dir.Path()));
    ASSERT_TRUE(MakeFolderLink(dir / "docs\\top2", dir.Path()));
    dir.WriteFile("rokabina.rkd", LayoutText({"[extension]", "count=1", "ex1=.rkd"}));
    Process viewer(Install(), dir.Path());
    HWND window = viewer.WaitForWindow("TForm1", 20000);
    ASSERT_NE(window, nullptr) << "no window: the walk did not end";
    std::vector<std::string> folders = ComboItems(ChildrenOfClass(window, "ComboBox").at(0));
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ(folders, (std::vector<std::string>{dir.Path(), dir / "docs", dir / "docs\\old", dir / "docs\\top1",
                                                 dir / "docs\\top2"}));
}

TEST_F(ViewerProgram, ABadPictureIsReportedAndTheWindowStillOpens) {
    dir.WriteFile("rokabina.rkd", LayoutText({"[File]", "image1=logo.tif", "[extension]", "count=1", "ex1=.txt"}));
    Process viewer(Install(), dir.Path());
    DialogAnswer answer(Press::Ok, viewer.Id(), 20000);
    const auto& box = answer.Wait();
    EXPECT_EQ(box.caption, "ロカビナ");
    EXPECT_EQ(box.text, "拡張子 .tif の画像形式は処理できません.");
    HWND window = viewer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ComboItems(ChildrenOfClass(window, "ComboBox").at(0)).empty());
}

TEST_F(ViewerProgram, SwitchedOffElementsAreNotInTheWindow) {
    dir.WriteFile("rokabina.rkd",
                  LayoutText({"[Enable]", "ComboBox1=0", "Button2=0", "[extension]", "count=1", "ex1=.rkd"}));
    Process viewer(Install(), dir.Path());
    HWND window = viewer.WaitForWindow("TForm1");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ChildrenOfClass(window, "ComboBox").empty());
    EXPECT_EQ(ChildrenOfClass(window, "Button").size(), 1u);
    EXPECT_EQ(ListItems(ChildrenOfClass(window, "ListBox").at(0)), std::vector<std::string>{"rokabina.rkd"});
}

}  // namespace
