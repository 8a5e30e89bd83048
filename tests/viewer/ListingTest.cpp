// The folder chooser filled by the start-up walk, and the file list refilled
// on every change of the chooser.
#include <gtest/gtest.h>

#include <memory>

#include "support/Dialogs.h"
#include "support/Scratch.h"
#include "ui/Application.h"
#include "viewer/MainForm.h"
#include "viewer/SearchFile.h"

namespace {

using namespace testsupport;
using viewer::TForm1;

// What the platform lists for a pattern, in its order.
std::vector<std::string> Find(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA(pattern.c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(entry.cFileName);
    while (FindNextFileA(h, &entry));
    FindClose(h);
    return names;
}

std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    for (auto& n : Find(folder + "*.*")) {
        DWORD a = GetFileAttributesA((folder + n).c_str());
        if (n != "." && n != ".." && (a & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(n);
    }
    return names;
}

std::vector<std::string> Items(const ui::ListBox& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class ViewerListing : public testing::Test {
protected:
    void SetUp() override {
        ui::Application::Instance().SetTitle("ロカビナ");
        ui::Application::Instance().ClearTermination();
        dir.WriteFile("one.txt", "1");
        dir.WriteFile("two.TXT", "2");
        dir.WriteFile("image.jpg", "3");
        dir.WriteFile("a\\inner.txt", "4");
        dir.WriteFile("a\\x\\deep.txt", "5");
        dir.MakeFolder("b");
    }

    std::unique_ptr<TForm1> Start(const std::string& layout) {
        dir.WriteFile("rokabina.rkd", layout);
        int strays = StrayDialogCount();
        auto form = std::make_unique<TForm1>(dir / "rokabina.exe");
        EXPECT_EQ(StrayDialogCount(), strays) << "unexpected box: " << LastStrayDialogText();
        return form;
    }

    // Picks a chooser item as the user does: the selection, then the change.
    void Pick(TForm1& form, int index) {
        SendMessageA(form.ComboBox1->Handle(), CB_SETCURSEL, index, 0);
        SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(form.ComboBox1->Id(), CBN_SELCHANGE),
                     LPARAM(form.ComboBox1->Handle()));
    }

    ScratchFolder dir;
    const std::string prompt = "[Caption]\r\nComboBox1=フォルダを選択してください\r\n";
};

TEST_F(ViewerListing, FoldersAreListedBreadthFirstFromTheExecutablesFolder) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    std::vector<std::string> expected{dir.Path()};
    for (auto& n : Subfolders(dir.Path())) expected.push_back(dir / n);
    expected.push_back(dir / "a\\x");
    ASSERT_EQ(form->ComboBox1->Count(), int(expected.size()));
    for (int i = 0; i < form->ComboBox1->Count(); ++i) EXPECT_EQ(form->ComboBox1->Item(i), expected[size_t(i)]);
}

TEST_F(ViewerListing, TheWindowsDirectoryIsListedButNotWalkedInto) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    bool ignore = false, goOn = true;
    int before = form->ComboBox1->Count();
    form->SearchDir1Find(&form->SearchDir1, viewer::WindowsDirectory(), {}, ignore, goOn);
    EXPECT_TRUE(ignore);
    EXPECT_EQ(form->ComboBox1->Count(), before + 1);
    ignore = false;
    form->SearchDir1Find(&form->SearchDir1, viewer::WindowsDirectory() + "\\system32", {}, ignore, goOn);
    EXPECT_FALSE(ignore) << "compared whole, byte for byte";
}

TEST_F(ViewerListing, WithoutThePromptKeyTheExecutablesFolderIsNotListedAtStart) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(form->ComboBox1->Text(), "フォルダを選択してください");
    EXPECT_EQ(form->ListBox1->Count(), 0);
}

TEST_F(ViewerListing, WithThePromptUnchangedTheExecutablesFolderIsListed) {
    auto form = Start(prompt + "[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(Items(*form->ListBox1), Find(dir / "*.txt"));
    EXPECT_EQ(form->ListBox1->Count(), 2) << "letter case is ignored";
}

TEST_F(ViewerListing, PickingAFolderListsItsFiles) {
    auto form = Start(prompt + "[extension]\r\ncount=2\r\nex1=.txt\r\nex2=.jpg\r\n");
    Pick(*form, 0);  // the executable's folder, already ending in a backslash
    EXPECT_EQ(form->ComboBox1->Text(), dir.Path());
    EXPECT_EQ(Items(*form->ListBox1), Concat({Find(dir / "*.txt"), Find(dir / "*.jpg")}));
    int a = 0;
    while (form->ComboBox1->Item(a) != dir / "a") ++a;
    Pick(*form, a);
    EXPECT_EQ(Items(*form->ListBox1), std::vector<std::string>{"inner.txt"});
}

TEST_F(ViewerListing, ATypedFolderPathIsListedToo) {
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    form->ComboBox1->SetText(dir / "a\\x");
    form->ComboBox1Change();
    EXPECT_EQ(Items(*form->ListBox1), std::vector<std::string>{"deep.txt"});
    form->ComboBox1->SetText(dir / "nowhere");
    form->ComboBox1Change();
    EXPECT_EQ(form->ListBox1->Count(), 0);
}

TEST_F(ViewerListing, EachExtensionListsItsMatchesInKeyOrder) {
    auto form = Start(prompt + "[extension]\r\ncount=2\r\nex1=.txt\r\nex2=.txt\r\nex3=.jpg\r\n");
    auto txt = Find(dir / "*.txt");
    EXPECT_EQ(Items(*form->ListBox1), Concat({txt, txt})) << "only count keys, duplicates kept";
}

TEST_F(ViewerListing, AMissingExtensionKeyListsEverything) {
    auto form = Start(prompt + "[extension]\r\ncount=3\r\nex1=.txt\r\nex2=.jpg\r\n");
    auto all = Find(dir / "*");  // the layout file is there by now
    EXPECT_EQ(Items(*form->ListBox1), Concat({Find(dir / "*.txt"), Find(dir / "*.jpg"), all}));
    EXPECT_NE(std::find(all.begin(), all.end(), "a"), all.end()) << "folders are listed too";
}

TEST_F(ViewerListing, WithTheChooserOffTheExecutablesFolderIsListed) {
    auto form = Start("[Enable]\r\nComboBox1=0\r\n[extension]\r\ncount=1\r\nex1=.jpg\r\n");
    EXPECT_EQ(form->ComboBox1, nullptr);
    EXPECT_EQ(Items(*form->ListBox1), std::vector<std::string>{"image.jpg"});
}

TEST_F(ViewerListing, NoRegisteredExtensionSaysSoOnEveryChange) {
    dir.WriteFile("rokabina.rkd", "[extension]\r\ncount=0\r\n");
    std::unique_ptr<TForm1> form;
    {
        DialogAnswer answer(Press::Ok);
        form = std::make_unique<TForm1>(dir / "rokabina.exe");
        EXPECT_EQ(answer.Wait().text, "検索する拡張子が未設定です。");
    }
    DialogAnswer again(Press::Ok);
    Pick(*form, 0);
    EXPECT_EQ(again.Wait().text, "検索する拡張子が未設定です。");
    EXPECT_EQ(form->ListBox1->Count(), 0);
}

TEST_F(ViewerListing, AFolderEndingInATrailByteBackslashIsWalkedAndListed) {
    dir.WriteFile("表\\doc.txt", "x");
    dir.WriteFile("表\\sub\\more.txt", "x");
    auto form = Start("[extension]\r\ncount=1\r\nex1=.txt\r\n");
    std::vector<std::string> items;
    for (int i = 0; i < form->ComboBox1->Count(); ++i) items.push_back(form->ComboBox1->Item(i));
    EXPECT_NE(std::find(items.begin(), items.end(), dir / "表\\sub"), items.end());
    form->ComboBox1->SetText(dir / "表");
    form->ComboBox1Change();
    EXPECT_EQ(Items(*form->ListBox1), std::vector<std::string>{"doc.txt"});
}

TEST_F(ViewerListing, AHugeCountStaysBoundedAndExactForSmallerCounts) {
    auto form = Start(prompt + "[extension]\r\ncount=1000\r\nex1=.txt\r\n");
    auto all = Find(dir / "*");
    EXPECT_EQ(size_t(form->ListBox1->Count()), 2 + 999 * all.size());

    dir.WriteFile("rokabina.rkd", prompt + "[extension]\r\ncount=2147483647\r\nex1=.txt\r\n");
    form->ComboBox1Change();
    EXPECT_GT(size_t(form->ListBox1->Count()), 2 + 999 * all.size());
    EXPECT_LE(size_t(form->ListBox1->Count()), 2 + 1023 * all.size());
}

TEST_F(ViewerListing, TheListRemovedAtStartUpIsNeverTouched) {
    auto form = Start(prompt + "[Enable]\r\nListBox1=0\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
    EXPECT_EQ(form->ListBox1, nullptr);
    Pick(*form, 1);  // no crash, no box
    dir.WriteFile("rokabina.rkd", "[Enable]\r\nComboBox1=1\r\nListBox1=1\r\n[extension]\r\ncount=1\r\n");
    Pick(*form, 0);
}

TEST_F(ViewerListing, AChooserRemovedAtStartUpIsNeverTouched) {
    auto form = Start("[Enable]\r\nComboBox1=0\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
    dir.WriteFile("rokabina.rkd", "[Enable]\r\nComboBox1=1\r\n[extension]\r\ncount=1\r\nex1=.txt\r\n");
    form->ComboBox1Change();
    EXPECT_EQ(Items(*form->ListBox1), Find(dir / "*.txt"));
}

}  // namespace
