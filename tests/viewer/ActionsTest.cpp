// What the viewer's buttons and right-click menu do, in-process, with the
// shell's "open" answered by the recorder program.
#include <gtest/gtest.h>

#include <thread>

#include "ViewerFixture.h"
#include "support/ShellRecorder.h"
#include "support/Sounds.h"
#include "ui/TextControls.h"
#include "viewer/AboutBox.h"
#include "viewer/ProductInfo.h"

namespace {

using namespace testsupport;
using viewer::TForm1;

class ViewerActions : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        dir.WriteFile("top.rkrec", "t");
        dir.WriteFile("sub\\inner.rkrec", "i");
        dir.WriteFile("資料表\\report.rkrec", "r");
    }

    void Layout(const std::string& extra) { WriteLayout("[extension]\r\ncount=1\r\nex1=.rkrec\r\n" + extra); }

    // Clicks and returns the box the click showed (found false if none).
    DialogRecord ClickExpectingBox(TForm1& form, int button, Press press = Press::Ok) {
        ThreadBoxAnswer answer(press);
        button == 1 ? form.Button1Click() : form.Button2Click();
        return answer.Record();
    }
};

TEST_F(ViewerActions, ShowPathJoinsFolderAndFileWithOneBackslash) {
    auto form = Start("[function]\r\nButton1=1\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    Choose(*form, dir.Path());  // the first item already ends in a backslash
    auto box = ClickExpectingBox(*form, 1);
    EXPECT_EQ(box.text, dir / "top.rkrec");
    EXPECT_EQ(box.caption, "ロカビナ");
    EXPECT_EQ(box.icon, IconKind::None);

    Choose(*form, dir / "sub");
    EXPECT_EQ(ClickExpectingBox(*form, 1).text, dir / "sub\\inner.rkrec");

    Choose(*form, dir / "資料表");  // ends in a trail byte 0x5C, not a backslash
    EXPECT_EQ(ClickExpectingBox(*form, 1).text, dir / "資料表\\report.rkrec");
}

TEST_F(ViewerActions, WithTheChooserOffThePathIsTheBareName) {
    auto form = Start("[Enable]\r\nComboBox1=0\r\n[function]\r\nButton2=1\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    form->ListBox1->SetItemIndex(0);
    EXPECT_EQ(ClickExpectingBox(*form, 2).text, "top.rkrec");
}

TEST_F(ViewerActions, NoFolderChosenDoesNothingAndNoFileAsksForOne) {
    auto form = Start("[Caption]\r\nComboBox1=フォルダを選択してください\r\n[function]\r\nButton1=1\r\n"
                      "[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    ASSERT_EQ(form->ListBox1->Count(), 1) << "the executable's folder is listed at start";
    form->ListBox1->SetItemIndex(0);
    EXPECT_FALSE(ClickExpectingBox(*form, 1).found) << "no folder chosen: no action, no message";

    Choose(*form, dir / "sub", -1);
    auto box = ClickExpectingBox(*form, 1);
    EXPECT_EQ(box.text, "選択してください");
    EXPECT_EQ(box.caption, "ロカビナ");

    auto off = Start("[Enable]\r\nComboBox1=0\r\n[function]\r\nButton1=1\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    EXPECT_EQ(ClickExpectingBox(*off, 1).text, "選択してください");
}

// No box, no sound: neither button does anything.
TEST_F(ViewerActions, WithTheListOffOrANegativeOrMissingActionTheButtonsDoNothing) {
    const struct {
        const char* layout;
        int file;
    } cases[] = {
        {"[Enable]\r\nListBox1=0\r\n[function]\r\nButton1=1\r\nButton2=5\r\n", -1},
        {"[function]\r\nButton1=-7\r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        auto form = Start(std::string(c.layout) + "[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
        Choose(*form, dir.Path(), c.file);
        SoundRecorder sounds;
        EXPECT_FALSE(ClickExpectingBox(*form, 1).found);
        EXPECT_FALSE(ClickExpectingBox(*form, 2).found);
        EXPECT_TRUE(sounds.Sounds().empty());
    }
}

TEST_F(ViewerActions, AnUnknownActionBeepsThenOffersTheHomePage) {
    ShellRequests shell;
    for (const char* layout : {"[function]\r\nButton2=5\r\n", "[Enable]\r\nComboBox1=0\r\n[function]\r\nButton2=2\r\n"}) {
        auto form = Start(std::string(layout) + "[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
        if (form->ComboBox1) Choose(*form, dir.Path());
        form->ListBox1->SetItemIndex(0);
        for (Press press : {Press::No, Press::Escape}) {
            SoundRecorder sounds;
            auto box = ClickExpectingBox(*form, 2, press);
            EXPECT_EQ(box.caption, "エラー");
            EXPECT_EQ(box.text,
                      "ロカビナのバージョンが古い可能性があります。\n\r最新版をチェックするためにホームページを開きますか？");
            EXPECT_EQ(box.icon, IconKind::Stop);
            EXPECT_EQ(box.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
            EXPECT_EQ(box.defaultButton, "はい(&Y)");
            ASSERT_EQ(sounds.Sounds().size(), 1u);
            EXPECT_EQ(sounds.Sounds()[0].type, 16u);
            EXPECT_FALSE(sounds.Sounds()[0].boxOpen);
        }
    }
    EXPECT_TRUE(shell.items.empty()) << "declined: nothing opened";

    auto form = Start("[function]\r\nButton1=7\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    Choose(*form, dir.Path());
    ClickExpectingBox(*form, 1, Press::Yes);
    ASSERT_EQ(shell.items.size(), 1u);
    EXPECT_EQ(shell.items[0].item, viewer::kHomePageUrl);
    EXPECT_EQ(shell.items[0].workFolder, dir.Path());
}

TEST_F(ViewerActions, TheActionIsReadAfreshAtEachClick) {
    auto form = Start("[function]\r\nButton1=1\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    Choose(*form, dir.Path());
    EXPECT_TRUE(ClickExpectingBox(*form, 1).found);
    Layout("[function]\r\nButton1=-1\r\n");
    EXPECT_FALSE(ClickExpectingBox(*form, 1).found);
}

TEST_F(ViewerActions, OpenHandsTheFileToTheShellFromTheExecutablesFolder) {
    ShellRecorder shell;
    auto form = Start("[function]\r\nButton1=0\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    Choose(*form, dir / "sub");
    form->Button1Click();
    auto opened = shell.WaitFor(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].item, dir / "sub\\inner.rkrec");
    EXPECT_EQ(opened[0].workFolder + "\\", dir.Path());

    auto off = Start("[Enable]\r\nComboBox1=0\r\n[function]\r\nButton1=0\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    off->ListBox1->SetItemIndex(0);
    off->Button1Click();  // a bare name, found in the working directory
    opened = shell.WaitFor(2);
    ASSERT_EQ(opened.size(), 2u);
    // The shell finds the bare name in the working directory it was given.
    EXPECT_TRUE(opened[1].item == "top.rkrec" || opened[1].item == dir / "top.rkrec") << opened[1].item;
    EXPECT_EQ(opened[1].workFolder + "\\", dir.Path());
}

TEST_F(ViewerActions, OpenFolderOpensTheChosenOrTheExecutablesFolder) {
    ShellRequests shell;
    auto form = Start("[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    form->N1Click();
    Choose(*form, dir / "sub", -1);
    form->N1Click();
    ASSERT_EQ(shell.items.size(), 2u);
    EXPECT_EQ(shell.items[0].item, dir.Path());
    EXPECT_EQ(shell.items[1].item, dir / "sub");
    EXPECT_EQ(shell.items[1].workFolder, dir.Path());

    auto off = Start("[Enable]\r\nComboBox1=0\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    off->N1Click();
    EXPECT_EQ(shell.items.size(), 2u) << "chooser off: nothing opens";
}

TEST_F(ViewerActions, RemovedControlsStayUntouchedWhenTheFileChanges) {
    ShellRequests shell;
    auto form = Start("[Enable]\r\nComboBox1=0\r\nListBox1=0\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    Layout("[Enable]\r\nComboBox1=1\r\nListBox1=1\r\n[function]\r\nButton1=1\r\n");
    form->N1Click();
    EXPECT_FALSE(ClickExpectingBox(*form, 1).found);
    EXPECT_TRUE(shell.items.empty());
}

TEST_F(ViewerActions, ThePopupMenuHoldsItsThreeCommands) {
    ShellRequests shell;
    auto form = Start("[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    HMENU menu = form->PopupMenu1.Handle();
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const char* captions[] = {"フォルダを開く", "バージョン情報", "終了"};
    for (int i = 0; i < 3; ++i) {
        char text[64] = {};
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, captions[i]);
    }
    // What each command does, in menu order; the About box is closed as soon as it shows.
    HWND about = nullptr;
    std::thread closer([&about] {
        about = WaitForTopWindow(GetCurrentProcessId(), "TAboutBox", 5000);
        PostMessageA(about, WM_CLOSE, 0, 0);
    });
    const auto& commands = form->PopupMenu1.Items();
    commands[0].onClick();
    EXPECT_EQ(shell.items.size(), 1u);
    EXPECT_EQ(shell.items.empty() ? "" : shell.items[0].item, dir.Path()) << "the folder is opened";
    commands[1].onClick();
    closer.join();
    EXPECT_NE(about, nullptr) << "no About box";
    EXPECT_FALSE(ui::Application::Instance().Terminated());
    commands[2].onClick();
    EXPECT_TRUE(ui::Application::Instance().Terminated());
}

TEST_F(ViewerActions, TheAboutBoxShowsItselfModallyAndCloses) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
    testsupport::ScopedWorkArea topLeft({0, 0, 400, 300});
    viewer::TAboutBox box(form->Handle());
    RECT client, frame;
    GetWindowRect(box.Handle(), &frame);
    EXPECT_TRUE(testsupport::CentredOnScreen(frame));
    GetClientRect(box.Handle(), &client);
    EXPECT_EQ(client.right, 226);
    EXPECT_EQ(client.bottom, 121);
    EXPECT_EQ(box.Caption(), "バージョン情報");
    auto& ok = box.Get<ui::Button>("OKButton");
    EXPECT_EQ(ok.Text(), "閉じる");
    EXPECT_EQ(ok.Left(), 152);
    EXPECT_EQ(ok.Top(), 80);
    EXPECT_EQ(ok.Width(), 49);
    EXPECT_EQ(ok.Height(), 21);
    EXPECT_EQ(box.Get<ui::Label>("ProductName").Text(), "アプリケーション名：ロカビナ");
    EXPECT_EQ(box.Get<ui::Label>("Version").Text(), "バージョン番号：1.00");
    EXPECT_EQ(box.Get<ui::Label>("Comments").Text().rfind("公開日：", 0), 0u);
    EXPECT_EQ(box.Get<ui::Label>("Version").Left(), 16);
    EXPECT_EQ(box.Get<ui::Label>("Version").Top(), 40);
    auto panel = box.Find("Panel1").GetBounds();
    EXPECT_EQ(panel.left, 8);
    EXPECT_EQ(panel.width, 209);
    EXPECT_EQ(panel.height, 105);
    // The program's icon resource; test programs carry none.
    if (FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14))) {
        EXPECT_NE(box.Get<ui::PicturePane>("ProgramIcon").Picture(), nullptr);
    }

    // Closed by Enter on its default button and by its close box; the owner is
    // usable again. Posted first, each is taken by the box's loop once it shows.
    PostMessageA(ok.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(box.ShowModal(), IDOK);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    PostMessageA(box.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(box.ShowModal(), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

}  // namespace
