// The registered extensions: adding with the dot rule and the
// case-insensitive duplicate test, removing, and the all-files switch.
#include <windows.h>

#include "DesignerFixture.h"
#include "support/Items.h"

namespace {

using namespace testsupport;

using ExtensionList = DesignerTest;

TEST_F(ExtensionList, AddingPutsADotInFrontUnlessTheFirstByteIsOne) {
    auto& list = form->Get<ui::ListBox>("ListBox1");
    auto& input = Field("Edit7");
    for (const char* typed : {"jpg", ".txt", ".", " doc", "．pdf", ".*", "a.b"}) {
        input.SetText(typed);
        form->Button3Click();
        EXPECT_EQ(input.Text(), "") << typed;
    }
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{".jpg", ".txt", ".", ". doc", ".．pdf", ".*", ".a.b"}));
}

TEST_F(ExtensionList, EmptyAndDuplicateInputAreRefusedAndKept) {
    auto& list = form->Get<ui::ListBox>("ListBox1");
    auto& input = Field("Edit7");
    EXPECT_EQ(MessageFrom([&] { form->Button3Click(); }), "何も入力されていません");
    input.SetText("jpg");
    form->Button3Click();
    for (const char* typed : {".JPG", "Jpg", "jpg"}) {
        input.SetText(typed);
        EXPECT_EQ(MessageFrom([&] { form->Button3Click(); }), "すでに登録されています。") << typed;
        EXPECT_EQ(input.Text(), typed);
    }
    input.SetText("jp");  // a prefix of an entry is not a duplicate
    form->Button3Click();
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{".jpg", ".jp"}));
}

TEST_F(ExtensionList, RemovingTakesTheSelectedEntryOnly) {
    auto& list = form->Get<ui::ListBox>("ListBox1");
    AddExtensions({".a", ".b", ".c"});
    form->Button4Click();
    EXPECT_EQ(list.Count(), 3) << "nothing selected: nothing removed";
    list.SetItemIndex(1);
    form->Button4Click();
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{".a", ".c"}));
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(ExtensionList, AllFilesDisablesTheEditingAndKeepsTheEntries) {
    auto& list = form->Get<ui::ListBox>("ListBox1");
    AddExtensions({".txt"});
    const char* editing[] = {"Edit7", "Button3", "Button4", "ListBox1"};
    SendMessageA(Box("CheckBox8").Handle(), BM_CLICK, 0, 0);
    for (const char* name : editing) EXPECT_FALSE(form->Find(name).Enabled()) << name;
    EXPECT_TRUE(form->Find("Button5").Enabled());
    Box("CheckBox8").SetChecked(false);
    for (const char* name : editing) EXPECT_TRUE(form->Find(name).Enabled()) << name;
    EXPECT_EQ(ItemsOf(list), std::vector<std::string>{".txt"});
}

}  // namespace
