// The layout as values: the table of the six elements against the window's
// own description of them, and the values' round trip through a file.
#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "designer/LayoutFile.h"
#include "designer/MainForm.h"
#include "support/Scratch.h"
#include "support/Wide.h"

namespace {

using designer::LayoutValues;
using ui::Bounds;

TEST(LayoutModel, TheElementTableHoldsTheMockWindowsPlacesAndTheSpinEdits) {
    struct Expected {
        const char* name;
        Bounds startUp;
        const char* spinEdits[4];  // left, top, width, height
    };
    const Expected expected[] = {
        {"Image1", {0, 0, 177, 73}, {"SpinEdit1", "SpinEdit2", "SpinEdit22", "SpinEdit23"}},
        {"ComboBox1", {0, 72, 177, 20}, {"SpinEdit5", "SpinEdit6", "SpinEdit13", nullptr}},
        {"ListBox1", {0, 92, 177, 97}, {"SpinEdit16", "SpinEdit17", "SpinEdit18", "SpinEdit19"}},
        {"Image2", {0, 189, 177, 50}, {"SpinEdit3", "SpinEdit4", "SpinEdit24", "SpinEdit25"}},
        {"Button1", {0, 240, 89, 25}, {"SpinEdit7", "SpinEdit8", "SpinEdit11", "SpinEdit12"}},
        {"Button2", {88, 240, 89, 25}, {"SpinEdit9", "SpinEdit10", "SpinEdit14", "SpinEdit15"}},
    };
    ASSERT_EQ(designer::Elements().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const designer::ElementRow& row = designer::Elements()[i];
        EXPECT_STREQ(row.name, expected[i].name);
        EXPECT_EQ(row.startUp, expected[i].startUp) << row.name;
        for (size_t edge = 0; edge < 4; ++edge)
            EXPECT_STREQ(row.spinEdits[edge], expected[i].spinEdits[edge]) << row.name << " edge " << edge;
    }
    // Every spin edit and field once, in the order of their numbers.
    int number = 0;
    for (const designer::NumberBinding& b : designer::NumberBindings()) EXPECT_EQ(designer::NumberOf(b.spinEdit), ++number);
    EXPECT_EQ(number, 26);
    number = 0;
    for (const designer::TextField& f : designer::TextFields()) EXPECT_EQ(designer::NumberOf(f.name), ++number);
    EXPECT_EQ(number, 7);
}

// The main window declares its spin edits and fields with the values of a
// fresh layout, which come from the layout's own defaults.
TEST(LayoutModel, TheMainWindowDeclaresEveryValueAsAFreshLayoutHoldsIt) {
    const auto declared = [](const char* name) -> std::string {
        for (const auto& d : designer::MainWindowDeclarations())
            if (std::string(d.name) == name) return d.text;
        ADD_FAILURE() << name << " is not declared";
        return "";
    };
    const designer::DesignerModel fresh{designer::FreshLayout()};
    for (const designer::NumberBinding& b : designer::NumberBindings())
        EXPECT_EQ(declared(b.spinEdit), std::to_string(designer::NumberIn(fresh.layout, b))) << b.spinEdit;
    for (const designer::TextField& f : designer::TextFields())
        EXPECT_EQ(base::ToWide(declared(f.name)), designer::TextIn(fresh, f)) << f.name;
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
