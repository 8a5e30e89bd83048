// The real rokabina.exe driven as a user drives it, from outside: picking a
// folder and a file, clicking the buttons, the right-click menu by keyboard,
// the About box and the end of the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/Dialogs.h"
#include "support/Input.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"
#include "support/ShellRecorder.h"

namespace {

using namespace testsupport;

constexpr DWORD kBoxWait = 10000;

class ViewerInUse : public testing::Test {
protected:
    void SetUp() override {
        dir.WriteFile("top.rkrec", "t");
        dir.WriteFile("資料表\\report.rkrec", "r");
    }

    // Starts a viewer copy on `layout` (the .rkrec files listed) and finds its controls.
    void Start(const std::string& layout) {
        dir.WriteFile("rokabina.rkd", layout + "[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
        viewer = std::make_unique<Process>(InstallProgram("rokabina.exe", dir.Path()), dir.Path());
        window = viewer->WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        auto combos = ChildrenOfClass(window, "ComboBox");
        combo = combos.empty() ? nullptr : combos[0];
        list = ChildrenOfClass(window, "ListBox").at(0);
        buttons = ChildrenOfClass(window, "Button");
    }

    // Picks a folder in the chooser as the user does, then the file at `file` (-1: none).
    void Pick(const std::string& folder, int file) {
        auto items = ComboItems(combo);
        auto at = std::find(items.begin(), items.end(), folder);
        ASSERT_NE(at, items.end()) << folder;
        SendMessageW(combo, CB_SETCURSEL, WPARAM(at - items.begin()), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
        SendMessageW(list, LB_SETCURSEL, WPARAM(file), 0);
    }

    // Clicks a button and answers the box it shows (found false if none came).
    DialogRecord Click(HWND button, Press press = Press::Ok, DWORD wait = kBoxWait) {
        DialogAnswer answer(press, viewer->Id(), wait);
        PostMessageW(button, BM_CLICK, 0, 0);
        return answer.Wait();
    }

    // Opens the right-click menu with the menu key and chooses an entry by arrow keys.
    void ChooseFromMenu(int downPresses) {
        PostMessageW(window, WM_CONTEXTMENU, WPARAM(window), MAKELPARAM(-1, -1));
        ASSERT_TRUE(WaitForTopWindow("#32768")) << "the popup menu did not open";
        for (int i = 0; i < downPresses; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
    }

    HWND WaitForTopWindow(const char* className) const {
        return testsupport::WaitForTopWindow(viewer->Id(), className, kBoxWait);
    }

    ScratchFolder dir;
    std::unique_ptr<Process> viewer;
    HWND window = nullptr, combo = nullptr, list = nullptr;
    std::vector<HWND> buttons;
};

struct DescendantTextsArgs {
    const char* cls;
    std::vector<std::string> texts;
};

// CALLBACK: the enumeration calls it with the stdcall convention on 32-bit Windows.
BOOL CALLBACK CollectDescendantText(HWND hwnd, LPARAM lp) {
    auto* a = reinterpret_cast<DescendantTextsArgs*>(lp);
    if (lstrcmpiA(ClassName(hwnd).c_str(), a->cls) == 0) a->texts.push_back(WindowText(hwnd));
    return TRUE;
}

// Texts of all windows below `parent`, in creation order.
std::vector<std::string> DescendantTexts(HWND parent, const char* className) {
    DescendantTextsArgs args{className, {}};
    EnumChildWindows(parent, CollectDescendantText, LPARAM(&args));
    return args.texts;
}

TEST_F(ViewerInUse, TheButtonsShowThePathOrAskForAFile) {
    Start("[function]\r\nButton1=1\r\nButton2=1\r\n");
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_FALSE(Click(buttons[0], Press::Ok, 1500).found) << "no folder chosen: nothing happens";

    Pick(dir / "資料表", -1);
    auto ask = Click(buttons[1]);
    EXPECT_EQ(ask.caption, "ロカビナ");
    EXPECT_EQ(ask.text, "選択してください");

    Pick(dir / "資料表", 0);
    auto path = Click(buttons[0]);
    EXPECT_EQ(path.text, dir / "資料表\\report.rkrec");
    EXPECT_EQ(path.buttons, std::vector<std::string>{"OK"});

    Pick(dir.Path(), 0);
    EXPECT_EQ(Click(buttons[1]).text, dir / "top.rkrec");
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(ViewerInUse, OpenStartsTheProgramRegisteredForTheFile) {
    ShellRecorder shell;
    Start("[function]\r\nButton2=0\r\n");
    Pick(dir / "資料表", 0);
    EXPECT_FALSE(Click(buttons[1], Press::Ok, 1500).found);
    auto opened = shell.WaitFor(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].item, dir / "資料表\\report.rkrec");
    EXPECT_EQ(opened[0].workFolder + "\\", dir.Path());
}

// As in every file list, a double-click on a file or Enter on the selected
// one does what a click on the first shown button does; below the files a
// double-click does nothing.
TEST_F(ViewerInUse, ADoubleClickOrEnterOnAFileActsAsTheFirstShownButton) {
    const std::string path = dir / "top.rkrec";
    const std::tuple<const char*, WORD, int, std::string, size_t> cases[] = {  // layout, key, row, box, opened
        {"[function]\r\nButton1=0\r\nButton2=1\r\n", 0, 5, "", 1},
        {"[function]\r\nButton1=1\r\n", VK_RETURN, 5, path, 0},
        {"[Enable]\r\nButton1=0\r\n[function]\r\nButton2=1\r\n", 0, 5, path, 0},
        {"[Enable]\r\nButton1=0\r\nButton2=0\r\n[function]\r\nButton1=1\r\nButton2=1\r\n", VK_RETURN, 5, "", 0},
        {"[function]\r\nButton1=1\r\n", 0, 60, "", 0}};
    for (const auto& [layout, key, y, box, opened] : cases) {
        ShellRecorder shell;
        Start(layout);
        Pick(dir.Path(), -1);
        ASSERT_TRUE(WaitUntilTakesInput(window));
        POINT row{10, y};
        ClientToScreen(list, &row);
        DialogAnswer shown(Press::Ok, viewer->Id(), box.empty() ? 1500 : kBoxWait);
        MouseClick(row);  // selects the file, and the list takes the focus
        key ? PressKey(key) : MouseClick(row);
        EXPECT_EQ(shown.Wait().found ? shown.Wait().text : "", box) << layout;
        EXPECT_EQ(shell.WaitFor(1, opened ? 15000 : 500).size(), opened) << layout;
        viewer.reset();
    }
}

TEST_F(ViewerInUse, AnActionTooNewOffersTheHomePageAndCanBeDeclined) {
    Start("[function]\r\nButton1=3\r\n");
    Pick(dir.Path(), 0);
    auto box = Click(buttons[0], Press::No);
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.text, "ロカビナのバージョンが古い可能性があります。\n\r最新版をチェックするためにホームページを開きますか？");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(box.defaultButton, "はい(&Y)");
    EXPECT_NE(box.icon, IconKind::None);  // which one is checked in-process
    EXPECT_TRUE(Click(buttons[0], Press::Escape).found);
    EXPECT_TRUE(IsWindowEnabled(window)) << "the viewer is usable again after the answer";
}

TEST_F(ViewerInUse, TheAboutBoxComesFromTheMenuAndCloses) {
    Start("");
    for (int round = 0; round < 2; ++round) {
        ChooseFromMenu(2);
        HWND about = WaitForTopWindow("TAboutBox");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(WindowText(about), "バージョン情報");
        EXPECT_FALSE(IsWindowEnabled(window)) << "the box is modal";
        RECT client, frame;
        GetClientRect(about, &client);
        EXPECT_EQ(client.right, 226);
        EXPECT_EQ(client.bottom, 121);
        GetWindowRect(about, &frame);
        EXPECT_TRUE(CentredOnScreen(frame));

        auto labels = DescendantTexts(about, "Static");
        EXPECT_NE(std::find(labels.begin(), labels.end(), "アプリケーション名：ロカビナ"), labels.end());
        EXPECT_NE(std::find(labels.begin(), labels.end(), "バージョン番号：1.00"), labels.end());
        auto okButtons = ChildrenOfClass(about, "Button");
        ASSERT_EQ(okButtons.size(), 1u);
        EXPECT_EQ(WindowText(okButtons[0]), "閉じる");
        EXPECT_TRUE(GetWindowLongW(okButtons[0], GWL_STYLE) & BS_DEFPUSHBUTTON);

        // Closed once by Enter on its button, once by its close box.
        if (round == 0)
            PostMessageW(okButtons[0], WM_KEYDOWN, VK_RETURN, 1);
        else
            PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        for (DWORD start = GetTickCount(); IsWindow(about) && GetTickCount() - start < kBoxWait;) Sleep(20);
        EXPECT_FALSE(IsWindow(about));
        EXPECT_TRUE(IsWindowEnabled(window));
    }
}

TEST_F(ViewerInUse, RightClicksOpenTheWindowsMenuAndExitEndsTheProgram) {
    Start("");
    // A right-click on the file list reaches the window's menu.
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(list, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    HWND menu = WaitForTopWindow("#32768");
    ASSERT_NE(menu, nullptr);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
    for (DWORD start = GetTickCount(); IsWindowVisible(menu) && GetTickCount() - start < kBoxWait;) Sleep(20);
    EXPECT_TRUE(IsWindow(window)) << "dismissing the menu changes nothing";

    // So does one on the chooser's text field, instead of the field's own
    // menu: its third entry ends the program.
    HWND field = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_NE(field, nullptr);
    PostMessageW(field, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(field, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_NE(WaitForTopWindow("#32768"), nullptr);
    for (int i = 0; i < 3; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
    DWORD code = 99;
    ASSERT_TRUE(viewer->WaitForExit(kBoxWait, &code));
    EXPECT_EQ(code, 0u);
}

}  // namespace
