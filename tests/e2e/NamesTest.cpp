// The real programs placed in folders whose names code page 932 lacks, on a
// tree made from the Unix side with UTF-8 names, as shares and USB sticks
// hold them: the viewer starts, lists, opens and shows paths; the designer
// saves the same bytes as anywhere else, opens, and makes its Test run. And a
// Japanese menu on PCs of other code pages (English 1252, Chinese 936, Korean
// 949, Windows' UTF-8 option 65001): copies of the programs whose manifest
// asks for one by `activeCodePage`, beside the programs as shipped, show its
// picture and texts, list and show paths, and save the bytes of 932.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/CodePage.h"
#include "base/Files.h"
#include "support/Dialogs.h"
#include "support/FolderLinks.h"
#include "support/FolderListing.h"
#include "support/Pictures.h"
#include "support/Process.h"
#include "support/Scratch.h"
#include "support/ShellRecorder.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;

// Accents, Hangul, simplified Chinese, an emoji, a yen sign, "café" beside
// "cafe"; and a chain 30 folders deep, past 500 characters.
const wchar_t kTree[] =
    L"set -e\n"
    L"cd '메뉴 café'\n"
    L"for d in café cafe 한국어 简单 'emoji😀' '価格¥100'; do\n"
    L"  mkdir \"$d\"\n"
    L"  for f in Résumé.rkrec 'emoji😀.rkrec' 한글.rkrec '価格¥100.rkrec'; do echo x > \"$d/$f\"; done\n"
    L"done\n"
    L"d=deep; i=1; while [ $i -lt 30 ]; do d=\"$d/level $i 한국어 폴더\"; i=$((i+1)); done\n"
    L"mkdir -p \"$d\" && echo x > \"$d/bottom 한글.rkrec\"\n";

class ViewerAmongAnyNames : public testing::Test {
protected:
    void SetUp() override {
        home = dir.MakeFolder(L"메뉴 café") + L"\\";
        ASSERT_TRUE(RunUnixScript(dir.Path(), kTree));
        dir.WriteFile(L"메뉴 café\\rokabina.rkd",
                      "[function]\r\nButton1=0\r\nButton2=1\r\n[extension]\r\ncount=1\r\nex1=.rkrec\r\n");
        viewer = std::make_unique<Process>(InstallProgram("rokabina.exe", home), home);
        window = viewer->WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr) << "the viewer did not start in its folder";
        ASSERT_EQ(FindDialog(viewer->Id()), nullptr) << WindowText(FindDialog(viewer->Id()));
        combo = ChildrenOfClass(window, "ComboBox").at(0);
        list = ChildrenOfClass(window, "ListBox").at(0);
        buttons = ChildrenOfClass(window, "Button");
    }

    // Picks the folder and its first file as a user does; false when the folder is not listed.
    bool Pick(const std::wstring& folder) {
        auto items = WideComboItems(combo);
        auto at = std::find(items.begin(), items.end(), folder);
        if (at == items.end()) return false;
        SendMessageW(combo, CB_SETCURSEL, WPARAM(at - items.begin()), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        return true;
    }

    std::wstring ShownPath(HWND button) {
        DialogAnswer answer(Press::Ok, viewer->Id());
        PostMessageW(button, BM_CLICK, 0, 0);
        return answer.Wait().wideText;
    }

    ScratchFolder dir;
    std::wstring home;
    std::unique_ptr<Process> viewer;
    HWND window = nullptr, combo = nullptr, list = nullptr;
    std::vector<HWND> buttons;
};

TEST_F(ViewerAmongAnyNames, ListsOpensAndShowsTheTruePaths) {
    EXPECT_EQ(WideComboItems(combo), BreadthFirst(home));
    ShellRecorder recorder;
    for (const std::wstring name : {L"café", L"cafe", L"価格\u00A5100", L"emoji\U0001F600"}) {
        SCOPED_TRACE(base::FromWide(name));
        const std::wstring folder = home + name;
        ASSERT_TRUE(Pick(folder));
        const auto files = WideListItems(list);
        EXPECT_EQ(files, FindNames(folder + L"\\*.rkrec"));
        ASSERT_EQ(files.size(), 4u);
        EXPECT_EQ(ShownPath(buttons.at(1)), folder + L"\\" + files[0]);
    }
    PostMessageW(buttons.at(0), BM_CLICK, 0, 0);
    const auto requests = recorder.WaitFor(1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].wideItem, home + L"emoji\U0001F600\\" + WideListItems(list)[0]);
}

// Under Wine the shell opens no path this long, so its opening is checked in
// the viewer's own tests; here the listing and the path display.
TEST_F(ViewerAmongAnyNames, ADeepTreeIsListedAndShownToItsBottom) {
    const std::vector<std::wstring> folders = BreadthFirst(home);
    EXPECT_EQ(WideComboItems(combo), folders);
    const std::wstring& deepest = folders.back();
    ASSERT_GT(deepest.size(), 500u);
    ASSERT_TRUE(Pick(deepest));
    const std::wstring bottom = L"\\bottom 한글.rkrec";
    EXPECT_EQ(ShownPath(buttons.at(1)), deepest + bottom);
}

class DesignerInAnyFolder : public testing::Test {
protected:
    void SetUp() override {
        home = dir.MakeFolder(L"데자인 café") + L"\\";
        dir.MakeFolder(L"데자인 café\\test");
        InstallProgram("test\\test.exe", home);
        designer = std::make_unique<Process>(InstallProgram("rokabina_designer.exe", home), home);
        window = designer->WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
    }

    // Saves or opens through the File menu's dialog, and waits for the command's end.
    void ThroughDialog(int menuEntry, const std::wstring& name) {
        FileDialogAnswer dialog(name, designer->Id());
        ChooseFromMenuBar(window, menuEntry);
        ASSERT_TRUE(dialog.Wait().found);
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 20000, nullptr));
        ASSERT_EQ(FindDialog(designer->Id()), nullptr) << WindowText(FindDialog(designer->Id()));
    }

    HWND Field(int left, int top) const { return ChildAt(window, "Edit", left, top); }

    ScratchFolder dir;
    std::wstring home;
    std::unique_ptr<Process> designer;
    HWND window = nullptr;
};

TEST_F(DesignerInAnyFolder, SavesTheSameBytesOpensAndMakesItsTestRun) {
    SetText(Field(584, 336), "資料メニュー");  // title bar text
    SetText(Field(368, 56), "");             // no pictures
    SetText(Field(584, 56), "");
    SetText(Field(80, 472), "txt");  // an extension, added
    SendMessageW(ChildAt(window, "Button", 272, 472), BM_CLICK, 0, 0);
    ASSERT_NO_FATAL_FAILURE(ThroughDialog(3, home + L"menu"));  // 名前を付けて保存
    dir.MakeFolder("plain");
    ASSERT_NO_FATAL_FAILURE(ThroughDialog(3, dir / L"plain\\menu"));
    EXPECT_FALSE(ReadWholeFile(home + L"menu.rkd").empty());
    EXPECT_EQ(ReadWholeFile(home + L"menu.rkd"), ReadWholeFile(dir / L"plain\\menu.rkd"));

    SetText(Field(584, 336), "別の題");
    DialogAnswer dontSave(Press::No, designer->Id());  // the changed title is not saved
    ASSERT_NO_FATAL_FAILURE(ThroughDialog(1, home + L"menu.rkd"));  // 開く
    EXPECT_EQ(dontSave.Wait().text, "変更内容を保存しますか？");
    EXPECT_EQ(WindowText(Field(584, 336)), "資料メニュー");

    PostMessageW(ChildAt(window, "Button", 648, 448), BM_CLICK, 0, 0);  // テスト
    HWND shown = FindWindowTitled("TForm1", "資料メニュー");
    ASSERT_NE(shown, nullptr) << "test\\test.exe did not start from the folder";
    EXPECT_EQ(ReadWholeFile(home + L"test\\test.rkd"), ReadWholeFile(dir / L"plain\\menu.rkd"));
    EndProcessOf(shown);
}

// A copy of the built program whose manifest asks for the code page (Wine
// honours it, a locale name too, per process); none: the program as it is.
std::wstring Install(const std::string& program, const std::wstring& folder, const wchar_t* codePage) {
    const std::wstring copy = InstallProgram(program, folder);
    const wchar_t *type = MAKEINTRESOURCEW(24), *id = MAKEINTRESOURCEW(1);  // RT_MANIFEST
    HMODULE module = codePage ? LoadLibraryExW(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE) : nullptr;
    if (!module) return copy;
    HRSRC found = FindResourceW(module, id, type);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                         SizeofResource(module, found));
    FreeLibrary(module);
    manifest.insert(manifest.find("</windowsSettings>"),
                    "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">" +
                        base::FromWide(codePage) + "</activeCodePage>");
    HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);  // the build's resources are all of language 0x409
    EXPECT_TRUE(update && UpdateResourceW(update, type, id, 0x409, manifest.data(), DWORD(manifest.size())) &&
                EndUpdateResourceW(update, FALSE));
    return copy;
}

TEST(JapaneseMenu, ShowsActsAndSavesTheSameBytesInEveryCodePage) {
    const std::string title = "会社案内メニュー";
    ScratchFolder dir;
    dir.WriteFile("rokabina.rkd", LayoutText({"[Enable]", "image2=0", "[Caption]", "Form=" + title,
                                              "ComboBox1=資料の場所を選んでください", "Button1=開く", "Button2=場所",
                                              "[function]", "Button2=1", "[File]", "image1=見出し画像.bmp",
                                              "[extension]", "count=1", "ex1=.rkrec"}));
    dir.WriteFile("見出し画像.bmp", SavedBitmap(24, BI_RGB));
    const std::wstring home = dir.WidePath(), file = W(dir.WriteFile("ソフト表\\一覧.rkrec", "b"));
    dir.MakeFolder("test");
    std::string on932;
    const wchar_t* const pages[] = {L"ja-JP", nullptr, L"en-US", L"zh-CN", L"ko-KR", L"UTF-8"};  // none: as shipped
    for (const wchar_t* page : pages) {
        SCOPED_TRACE(page ? base::FromWide(page) : "as shipped");
        auto viewer = std::make_unique<Process>(Install("rokabina.exe", home, page), home);
        HWND window = viewer->WaitForWindow("TForm1");
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(FindDialog(viewer->Id()), nullptr) << WindowText(FindDialog(viewer->Id()));  // the picture loaded
        HWND combo = ChildrenOfClass(window, "ComboBox").at(0), list = ChildrenOfClass(window, "ListBox").at(0);
        const std::vector<HWND> buttons = ChildrenOfClass(window, "Button");
        EXPECT_EQ(WindowText(window) + WindowText(combo) + WindowText(buttons.at(0)) + WindowText(buttons.at(1)),
                  title + "資料の場所を選んでください開く場所");
        const std::vector<std::wstring> folders = WideComboItems(combo);  // ソフト表 ends in the byte 0x5C
        const auto at = std::find(folders.begin(), folders.end(), file.substr(0, file.rfind(L'\\')));
        ASSERT_NE(at, folders.end());
        SendMessageW(combo, CB_SETCURSEL, WPARAM(at - folders.begin()), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        DialogAnswer path(Press::Ok, viewer->Id());
        PostMessageW(buttons[1], BM_CLICK, 0, 0);
        EXPECT_EQ(path.Wait().wideText, file);
        viewer.reset();

        Install("test\\test.exe", home, page);
        DeleteFileW((home + L"test\\test.rkd").c_str());
        Process designer(Install("rokabina_designer.exe", home, page), home, home + L"rokabina.rkd");
        window = designer.WaitForWindow("TForm1");
        EXPECT_EQ(WindowText(window), "ロカビナデザイナー");
        PostMessageW(ChildAt(window, "Button", 648, 448), BM_CLICK, 0, 0);  // テスト
        HWND shown = FindWindowTitled("TForm1", title);
        ASSERT_NE(shown, nullptr) << "the Test run's viewer did not start with the title";
        EndProcessOf(shown);
        const std::string written = ReadWholeFile(home + L"test\\test.rkd");
        if (on932.empty()) on932 = written;
        EXPECT_TRUE(written == on932 && written.find("Form=" + title + "\r\n") != std::string::npos) << written;
    }
}

}  // namespace
