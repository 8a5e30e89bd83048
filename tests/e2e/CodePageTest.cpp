// A Japanese menu on PCs of other code pages: English Windows (1252),
// Chinese (936), Korean (949) and Windows' UTF-8 option (65001), each a copy
// of the programs whose manifest asks for it, beside the shipped programs as
// they are (in the code page the tests run in). The viewer starts with its
// picture, shows its title, prompt and captions, lists, opens and shows
// paths; the designer's Test run writes the bytes it writes on 932.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/CodePage.h"
#include "support/CodePageCopy.h"
#include "support/Dialogs.h"
#include "support/Pictures.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/ShellRecorder.h"

namespace {

using namespace testsupport;

struct CodePage {
    const wchar_t* activeCodePage;  // none: the program as shipped
    unsigned expected;              // 0: the tests' own
};
const CodePage kCodePages[] = {
    {L"ja-JP", 932}, {nullptr, 0}, {L"en-US", 1252}, {L"zh-CN", 936}, {L"ko-KR", 949}, {L"UTF-8", 65001},
};

std::string NameOf(const CodePage& page) {
    return page.activeCodePage ? base::FromWide(page.activeCodePage) : "as shipped";
}

const std::string kTitle = "会社案内メニュー", kPrompt = "資料の場所を選んでください";

// The menu a Japanese user saves: Japanese captions, a Japanese picture name,
// and folders whose names end in the byte 0x5C (ソ, 表).
class JapaneseMenu : public testing::Test {
protected:
    void SetUp() override {
        dir.WriteFile("rokabina.rkd", LayoutText({"[Enable]", "image2=0", "[Caption]", "Form=" + kTitle,
                                                  "ComboBox1=" + kPrompt, "Button1=開く", "Button2=場所", "[function]",
                                                  "Button1=0", "Button2=1", "[File]", "image1=見出し画像.bmp",
                                                  "[extension]", "count=1", "ex1=.rkrec"}));
        dir.WriteFile("見出し画像.bmp", SavedBitmap(24, BI_RGB));
        dir.WriteFile("資料\\案内.rkrec", "a");
        dir.WriteFile("ソフト表\\一覧.rkrec", "b");
        dir.MakeFolder("test");
    }

    // Installs the program for the code page, once the probe has shown that
    // such a copy runs in it.
    std::wstring Install(const std::string& program, const CodePage& page) {
        EXPECT_EQ(MeasuredCodePage(page.activeCodePage, home), page.expected ? page.expected : GetACP());
        return InstallWithCodePage(program, home, page.activeCodePage);
    }

    ScratchFolder dir;
    const std::wstring home = dir.WidePath();
};

TEST_F(JapaneseMenu, TheViewerShowsListsOpensAndShowsPathsInEveryCodePage) {
    for (const CodePage& page : kCodePages) {
        SCOPED_TRACE(NameOf(page));
        ShellRecorder shell;
        Process viewer(Install("rokabina.exe", page), home);
        HWND window = viewer.WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(FindDialog(viewer.Id()), nullptr) << WindowText(FindDialog(viewer.Id()));
        EXPECT_EQ(WindowText(window), kTitle);
        HWND combo = ChildrenOfClass(window, "ComboBox").at(0), list = ChildrenOfClass(window, "ListBox").at(0);
        const std::vector<HWND> buttons = ChildrenOfClass(window, "Button");
        ASSERT_EQ(buttons.size(), 2u);
        EXPECT_EQ(WindowText(combo), kPrompt);
        EXPECT_EQ(WindowText(buttons[0]), "開く");
        EXPECT_EQ(WindowText(buttons[1]), "場所");

        const std::wstring folder = home + base::ToWide("ソフト表");
        const std::vector<std::wstring> folders = WideComboItems(combo);
        const auto at = std::find(folders.begin(), folders.end(), folder);
        ASSERT_NE(at, folders.end());
        EXPECT_NE(std::find(folders.begin(), folders.end(), home + base::ToWide("資料")), folders.end());
        SendMessageW(combo, CB_SETCURSEL, WPARAM(at - folders.begin()), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
        EXPECT_EQ(ListItems(list), std::vector<std::string>{"一覧.rkrec"});
        SendMessageW(list, LB_SETCURSEL, 0, 0);

        DialogAnswer path(Press::Ok, viewer.Id());
        PostMessageW(buttons[1], BM_CLICK, 0, 0);
        EXPECT_EQ(path.Wait().wideText, folder + base::ToWide("\\一覧.rkrec"));
        PostMessageW(buttons[0], BM_CLICK, 0, 0);
        const auto opened = shell.WaitFor(1);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].wideItem, folder + base::ToWide("\\一覧.rkrec"));
    }
}

TEST_F(JapaneseMenu, TheDesignersTestRunWritesTheBytesOfCodePage932) {
    std::string on932;
    for (const CodePage& page : kCodePages) {
        SCOPED_TRACE(NameOf(page));
        InstallWithCodePage("test\\test.exe", home, page.activeCodePage);
        DeleteFileW((home + L"test\\test.rkd").c_str());
        Process designer(Install("rokabina_designer.exe", page), home, home + L"rokabina.rkd");
        HWND window = designer.WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(FindDialog(designer.Id()), nullptr) << WindowText(FindDialog(designer.Id()));
        EXPECT_EQ(WindowText(window), "ロカビナデザイナー");

        PostMessageW(ChildAt(window, "Button", 648, 448), BM_CLICK, 0, 0);  // テスト
        HWND shown = FindWindowTitled("TForm1", kTitle);
        ASSERT_NE(shown, nullptr) << "the Test run's viewer did not start with the title";
        EndProcessOf(shown);
        const std::string written = ReadWholeFile(home + L"test\\test.rkd");
        EXPECT_NE(written.find("Form=" + kTitle + "\r\n"), std::string::npos) << written;
        if (on932.empty()) on932 = written;
        EXPECT_EQ(written, on932);
    }
}

}  // namespace
