// The folder chooser filled by the start-up walk, and the file list refilled
// on every change of the chooser.
#include <gtest/gtest.h>

#include "ViewerFixture.h"
#include "support/FolderListing.h"
#include "viewer/WindowsDirectoryRule.h"

namespace {

using namespace testsupport;

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class ViewerListing : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        dir.WriteFile("one.txt", "1");
        dir.WriteFile("two.TXT", "2");
        dir.WriteFile("image.jpg", "3");
        dir.WriteFile("a\\inner.txt", "4");
        dir.WriteFile("a\\x\\deep.txt", "5");
        dir.MakeFolder("b");
    }

    const std::string prompt = "[Caption]\r\nComboBox1=フォルダを選択してください\r\n";
};

TEST_F(ViewerListing, FoldersAreListedBreadthFirstFromTheExecutablesFolder) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(ItemsOf(*form->ComboBox1), BreadthFirst(dir.Path()));
}

TEST_F(ViewerListing, TheWindowsDirectoryIsListedButNotWalkedInto) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    wchar_t windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    ASSERT_EQ(viewer::WindowsDirectory(), windows);
    const auto skip = viewer::SkipWindowsDirectory(windows);
    EXPECT_TRUE(skip(windows));
    EXPECT_FALSE(skip(std::wstring(windows) + L"\\system32")) << "compared whole, character for character";
    EXPECT_FALSE(skip(dir.WidePath()));
    int before = form->ComboBox1->Count();
    form->SearchDir1Find(windows);
    EXPECT_EQ(form->ComboBox1->Count(), before + 1);
}

TEST_F(ViewerListing, WithoutThePromptKeyTheExecutablesFolderIsNotListedAtStart) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(form->ComboBox1->Text(), "フォルダを選択してください");
    EXPECT_EQ(form->ListBox1->Count(), 0);
}

TEST_F(ViewerListing, WithThePromptUnchangedTheExecutablesFolderIsListed) {
    auto form = Start(prompt + "[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(ItemsOf(*form->ListBox1), FindNames(dir / "*.txt"));
    EXPECT_EQ(form->ListBox1->Count(), 2) << "letter case is ignored";
}

TEST_F(ViewerListing, PickingAFolderListsItsFiles) {
    auto form = Start(prompt + "[extension]\r\ncount=2\r\nex1=.txt\r\nex2=.jpg\r\n");
    Pick(*form, 0);  // the executable's folder, already ending in a backslash
    EXPECT_EQ(form->ComboBox1->Text(), dir.Path());
    EXPECT_EQ(ItemsOf(*form->ListBox1), Concat({FindNames(dir / "*.txt"), FindNames(dir / "*.jpg")}));
    int a = 0;
    while (form->ComboBox1->Item(a) != dir / "a") ++a;
    Pick(*form, a);
    EXPECT_EQ(ItemsOf(*form->ListBox1), std::vector<std::string>{"inner.txt"});
}

TEST_F(ViewerListing, AFolderOfManyFilesIsListedWholeInTheOrderFound) {
    for (int i = 0; i < 300; ++i) dir.WriteFile("many\\doc" + std::to_string(i) + ".txt", "x");
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    for (int pass = 0; pass < 2; ++pass) {  // the second refill starts from a full list
        form->ComboBox1->SetText(dir / "many");
        form->ComboBox1Change();
        EXPECT_EQ(ItemsOf(*form->ListBox1), FindNames(dir / "many\\*.txt")) << pass;
    }
}

TEST_F(ViewerListing, ATypedFolderPathIsListedToo) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    form->ComboBox1->SetText(dir / "a\\x");
    form->ComboBox1Change();
    EXPECT_EQ(ItemsOf(*form->ListBox1), std::vector<std::string>{"deep.txt"});
    form->ComboBox1->SetText(dir / "nowhere");
    form->ComboBox1Change();
    EXPECT_EQ(form->ListBox1->Count(), 0);
}

TEST_F(ViewerListing, EachExtensionListsItsMatchesInKeyOrder) {
    auto form = Start(prompt + "[extension]\r\ncount=2\r\nex1=.txt\r\nex2=.txt\r\nex3=.jpg\r\n");
    auto txt = FindNames(dir / "*.txt");
    EXPECT_EQ(ItemsOf(*form->ListBox1), Concat({txt, txt})) << "only count keys, duplicates kept";
}

TEST_F(ViewerListing, AMissingExtensionKeyListsEverything) {
    auto form = Start(prompt + "[extension]\r\ncount=3\r\nex1=.txt\r\nex2=.jpg\r\n");
    auto all = FindNames(dir / "*");  // the layout file is there by now
    EXPECT_EQ(ItemsOf(*form->ListBox1), Concat({FindNames(dir / "*.txt"), FindNames(dir / "*.jpg"), all}));
    EXPECT_NE(std::find(all.begin(), all.end(), "a"), all.end()) << "folders are listed too";
}

TEST_F(ViewerListing, WithTheChooserOffTheExecutablesFolderIsListed) {
    auto form = Start("[Enable]\r\nComboBox1=0\r\n[extension]\r\ncount=1\r\nex1=.jpg\r\n");
    EXPECT_EQ(form->ComboBox1, nullptr);
    EXPECT_EQ(ItemsOf(*form->ListBox1), std::vector<std::string>{"image.jpg"});
}

TEST_F(ViewerListing, NoRegisteredExtensionSaysSoOnEveryChange) {
    WriteLayout("[extension]\r\ncount=0\r\n");
    auto form = StartExpectingBox();
    EXPECT_EQ(box.text, "検索する拡張子が未設定です。");
    ThreadBoxAnswer again(Press::Ok);
    Pick(*form, 0);
    EXPECT_EQ(again.Record().text, "検索する拡張子が未設定です。");
    EXPECT_EQ(form->ListBox1->Count(), 0);
}

TEST_F(ViewerListing, AFolderEndingInATrailByteBackslashIsWalkedAndListed) {
    dir.WriteFile("表\\doc.txt", "x");
    dir.WriteFile("表\\sub\\more.txt", "x");
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    auto items = ItemsOf(*form->ComboBox1);
    EXPECT_NE(std::find(items.begin(), items.end(), dir / "表\\sub"), items.end());
    form->ComboBox1->SetText(dir / "表");
    form->ComboBox1Change();
    EXPECT_EQ(ItemsOf(*form->ListBox1), std::vector<std::string>{"doc.txt"});
}

TEST_F(ViewerListing, AHugeCountStaysBoundedAndExactForSmallerCounts) {
    auto form = Start(prompt + "[extension]\r\ncount=1000\r\nex1=.txt\r\n");
    auto all = FindNames(dir / "*");
    EXPECT_EQ(size_t(form->ListBox1->Count()), 2 + 999 * all.size());

    WriteLayout(prompt + "[extension]\r\ncount=2147483647\r\nex1=.txt\r\n");
    form->ComboBox1Change();
    EXPECT_GT(size_t(form->ListBox1->Count()), 2 + 999 * all.size());
    EXPECT_LE(size_t(form->ListBox1->Count()), 2 + 1023 * all.size());
}

TEST_F(ViewerListing, TheListRemovedAtStartUpIsNeverTouched) {
    auto form = Start(prompt + "[Enable]\r\nListBox1=0\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(form->ListBox1, nullptr);
    Pick(*form, 1);  // no crash, no box
    WriteLayout("[Enable]\r\nComboBox1=1\r\nListBox1=1\r\n[extension]\r\ncount=1\r\n");
    Pick(*form, 0);
}

TEST_F(ViewerListing, AChooserRemovedAtStartUpIsNeverTouched) {
    auto form = Start("[Enable]\r\nComboBox1=0\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
    WriteLayout("[Enable]\r\nComboBox1=1\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
    form->ComboBox1Change();
    EXPECT_EQ(ItemsOf(*form->ListBox1), FindNames(dir / "*.txt"));
}

}  // namespace
