// Folders and files with the names the file system has, whatever their
// characters and however deep: listed, opened and shown as they are. The
// viewer itself lies in a folder whose name code page 932 lacks.
#include <gtest/gtest.h>

#include "ViewerFixture.h"
#include "base/CodePage.h"
#include "support/FolderListing.h"
#include "support/ShellRecorder.h"

namespace {

using namespace testsupport;
using viewer::TForm1;

// Accents, Hangul, simplified Chinese, an emoji, a yen sign, and "café"
// beside "cafe", which best-fit mapping turns it into.
const wchar_t* const kFolders[] = {L"café", L"cafe", L"한국어", L"简单", L"emoji\U0001F600", L"価格\u00A5100", L"表"};
const wchar_t* const kFiles[] = {L"Résumé.txt", L"emoji\U0001F600.txt", L"한글.txt", L"価格\u00A5100.txt", L"plain.txt"};

class ViewerNames : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        home = dir.MakeFolder(L"메뉴 café") + L"\\";
        for (const wchar_t* folder : kFolders)
            for (const wchar_t* file : kFiles) dir.WriteFile(std::wstring(L"메뉴 café\\") + folder + L"\\" + file, "x");
    }

    // Starts the viewer of the home folder: 30 levels deep when asked.
    std::unique_ptr<TForm1> StartAt(const std::wstring& folder, const std::string& layout) {
        dir.WriteFile(folder.substr(dir.WidePath().size()) + L"rokabina.rkd", layout);
        return std::make_unique<TForm1>(folder + L"rokabina.exe");
    }

    // Picks the chooser's item with this path, and the list's item with this name.
    static void ChooseWide(TForm1& form, const std::wstring& folder, const std::wstring& file) {
        auto folders = WideItemsOf(*form.ComboBox1);
        auto at = std::find(folders.begin(), folders.end(), folder);
        ASSERT_NE(at, folders.end()) << base::FromWide(folder);
        Pick(form, int(at - folders.begin()));
        auto files = WideItemsOf(*form.ListBox1);
        auto name = std::find(files.begin(), files.end(), file);
        ASSERT_NE(name, files.end()) << base::FromWide(file);
        form.ListBox1->SetItemIndex(int(name - files.begin()));
    }

    std::wstring home;
};

const char kLayout[] = "[function]\r\nButton1=0\r\nButton2=1\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n";

TEST_F(ViewerNames, FoldersAndFilesAreListedUnderTheirOwnNames) {
    auto form = StartAt(home, kLayout);
    EXPECT_EQ(WideItemsOf(*form->ComboBox1), BreadthFirst(home));
    ASSERT_EQ(form->ComboBox1->Count(), int(std::size(kFolders)) + 1);
    for (int i = 1; i < form->ComboBox1->Count(); ++i) {
        Pick(*form, i);
        const std::wstring folder = form->ComboBox1->WideItem(i);
        EXPECT_EQ(form->ComboBox1->WideText(), folder);
        EXPECT_EQ(WideItemsOf(*form->ListBox1), FindNames(folder + L"\\*.txt")) << base::FromWide(folder);
        EXPECT_EQ(form->ListBox1->Count(), int(std::size(kFiles)));
    }
}

// The yen sign stays a yen sign: the path never points elsewhere.
TEST_F(ViewerNames, TheShellAndThePathDisplayGetTheTruePath) {
    auto form = StartAt(home, kLayout);
    const std::wstring folder = home + L"価格\u00A5100", file = L"価格\u00A5100.txt";
    ASSERT_NO_FATAL_FAILURE(ChooseWide(*form, folder, file));
    ShellRequests shell;
    form->Button1Click();
    ASSERT_EQ(shell.items.size(), 1u);
    EXPECT_EQ(shell.items[0].wideItem, folder + L"\\" + file);
    EXPECT_EQ(shell.items[0].wideWorkFolder, home);

    ThreadBoxAnswer answer(Press::Ok);
    form->Button2Click();
    EXPECT_EQ(answer.Record().wideText, folder + L"\\" + file);

    form->N1Click();
    ASSERT_EQ(shell.items.size(), 2u);
    EXPECT_EQ(shell.items[1].wideItem, folder);
}

// 30 levels, past 500 characters: every folder is listed, the deepest one's
// files too, and its path reaches the shell and the display whole.
TEST_F(ViewerNames, ADeepTreeIsListedToItsBottom) {
    std::wstring deepest = home + L"deep";
    for (int level = 1; level < 30; ++level) deepest += L"\\level " + std::to_wstring(level) + L" 한국어 폴더";
    const std::wstring bottom = L"bottom 한글.txt";
    dir.WriteFile(deepest.substr(dir.WidePath().size()) + L"\\" + bottom, "x");
    ASSERT_GT(deepest.size(), 500u);
    auto form = StartAt(home, kLayout);
    EXPECT_EQ(WideItemsOf(*form->ComboBox1), BreadthFirst(home));
    ASSERT_NO_FATAL_FAILURE(ChooseWide(*form, deepest, bottom));
    ShellRequests shell;
    form->Button1Click();
    ASSERT_EQ(shell.items.size(), 1u);
    EXPECT_EQ(shell.items[0].wideItem, deepest + L"\\" + bottom);
    ThreadBoxAnswer answer(Press::Ok);
    form->Button2Click();
    EXPECT_EQ(answer.Record().wideText, deepest + L"\\" + bottom);
}

// A viewer deep in a tree finds and reads its layout file there.
TEST_F(ViewerNames, AViewerPastThePathLimitReadsItsLayout) {
    std::wstring folder = home + L"deep";
    for (int level = 1; level < 20; ++level) folder += L"\\level " + std::to_wstring(level) + L" folder";
    folder += L"\\";
    ASSERT_GT(folder.size(), 280u);
    dir.MakeFolder(folder.substr(dir.WidePath().size()));
    auto form = StartAt(folder, "[Caption]\r\nForm=深い場所\r\n" + std::string(kLayout));
    EXPECT_EQ(form->Caption(), "深い場所");
    EXPECT_EQ(form->ComboBox1->WideItem(0), folder);
}

}  // namespace
