// The layout as values: the element table's bindings, and the values' round
// trip through a file.
#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "designer/LayoutFile.h"
#include "designer/MainForm.h"
#include "support/Scratch.h"
#include "support/Wide.h"

namespace {

using designer::LayoutValues;

TEST(LayoutModel, TheElementTableBindsEverySpinEditAndFieldOnce) {
    int number = 0;
    for (const designer::NumberBinding& b : designer::NumberBindings()) EXPECT_EQ(designer::NumberOf(b.spinEdit), ++number);
    EXPECT_EQ(number, 26);
    number = 0;
    for (const designer::TextField& f : designer::TextFields()) EXPECT_EQ(designer::NumberOf(f.name), ++number);
    EXPECT_EQ(number, 7);
}

// Every value the file holds, away from its fresh value.
LayoutValues Edited() {
    LayoutValues v = designer::FreshLayout();
    int n = 0;
    for (designer::ElementValues& e : v.elements) {
        ++n;
        e.shown = n % 2 == 0;
        e.place = {-n, 300 + n, 10 * n, e.place.height ? 5 * n : 0};
    }
    v.Element("Button1").caption = L"開く=1";
    v.Element("Button2").caption = L"";
    v.Element("ComboBox1").caption = L"選んでください";
    v.Element("Image1").picture = L"絵\\上.jpg";
    v.Element("Image2").picture = L"";
    v.Element("Button1").function = 1;
    v.Element("Button2").function = 0;
    v.title = L"資料メニュー";
    v.width = 320;
    v.height = -4;
    v.noResize = false;
    v.scrollFactor = 7;
    v.extensions = {L".pdf", L"", L".txt"};
    return v;
}

TEST(LayoutModel, ValuesComeBackFromTheFileTheyWereWrittenTo) {
    testsupport::ScratchFolder dir;
    const LayoutValues edited = Edited();
    ASSERT_NE(edited, designer::FreshLayout());
    designer::WriteLayoutFile(edited, testsupport::W(dir / "edited.rkd"));
    EXPECT_EQ(designer::ReadLayoutFile(testsupport::W(dir / "edited.rkd"), designer::FreshLayout()), edited);

    // Written with all extensions, it reads ".*" into the list; the flag is
    // not in the file and stays as the designer has it.
    LayoutValues all = edited;
    all.allExtensions = true;
    designer::WriteLayoutFile(all, testsupport::W(dir / "all.rkd"));
    const LayoutValues read = designer::ReadLayoutFile(testsupport::W(dir / "all.rkd"), edited);
    EXPECT_FALSE(read.allExtensions);
    EXPECT_EQ(read.extensions, std::vector<std::wstring>{L".*"});

    // What no control can hold is brought into range; a missing file gives the defaults.
    dir.WriteFile("range.rkd", testsupport::LayoutText({"[ScrollBar]", "ListBox1=25", "[function]", "Button1=2"}));
    const LayoutValues ranged = designer::ReadLayoutFile(testsupport::W(dir / "range.rkd"), edited);
    EXPECT_EQ(ranged.scrollFactor, 10);
    EXPECT_EQ(ranged.Element("Button1").function, -1);
    EXPECT_EQ(ranged.Element("Button2").function, 1) << "the default";
    EXPECT_EQ(ranged.Element("ListBox1").place.height, 19) << "the default";
    EXPECT_TRUE(ranged.Element("Image1").picture.empty());
}

}  // namespace
