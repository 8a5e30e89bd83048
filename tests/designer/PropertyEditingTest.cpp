// The editing controls acting on the preview at once: check boxes, spin
// edits, caption fields and the scroll factor.
#include <windows.h>

#include "DesignerFixture.h"
#include "support/Sounds.h"

namespace {

using namespace testsupport;

using PropertyEditing = DesignerTest;

bool HasScrollBar(HWND window, LONG bar) { return (GetWindowLongA(window, GWL_STYLE) & bar) != 0; }

TEST_F(PropertyEditing, EachCheckBoxHidesItsElementAndDisablesExactlyItsControls) {
    struct Case {
        const char* checkBox;
        const char* element;
        std::vector<const char*> disabled;
        const char* untouched;
    };
    const Case cases[] = {
        {"CheckBox1", "Image1", {"Edit1", "SpinEdit1", "SpinEdit2", "SpinEdit22", "SpinEdit23"}, "Button1"},
        {"CheckBox2", "Image2", {"Edit2", "SpinEdit3", "SpinEdit4", "SpinEdit24", "SpinEdit25"}, "Button2"},
        {"CheckBox3", "ListBox1", {"SpinEdit16", "SpinEdit17", "SpinEdit18", "SpinEdit19"}, "SpinEdit26"},
        {"CheckBox4", "ComboBox1", {"SpinEdit13", "SpinEdit5", "SpinEdit6"}, "Edit6"},
        {"CheckBox5", "Button1", {"ComboBox1", "SpinEdit7", "SpinEdit8", "SpinEdit11", "SpinEdit12", "Edit3"}, "Edit4"},
        {"CheckBox6", "Button2", {"ComboBox2", "SpinEdit9", "SpinEdit10", "SpinEdit14", "SpinEdit15", "Edit5"}, "Edit4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.checkBox);
        size_t enabledBefore = 0;
        for (const auto& control : form->Controls()) enabledBefore += control->Enabled();

        SendMessageA(Box(c.checkBox).Handle(), BM_CLICK, 0, 0);  // as a user's click
        EXPECT_FALSE(Element(c.element).Visible());
        for (const char* name : c.disabled) EXPECT_FALSE(form->Find(name).Enabled()) << name;
        EXPECT_TRUE(form->Find(c.untouched).Enabled());
        size_t enabledAfter = 0;
        for (const auto& control : form->Controls()) enabledAfter += control->Enabled();
        EXPECT_EQ(enabledBefore - enabledAfter, c.disabled.size()) << "nothing else is disabled";

        Box(c.checkBox).SetChecked(true);  // by the program: the same handler runs
        EXPECT_TRUE(Element(c.element).Visible());
        for (const char* name : c.disabled) EXPECT_TRUE(form->Find(name).Enabled()) << name;
    }
}

TEST_F(PropertyEditing, AHiddenElementStillTakesItsCaptionAndKeepsItsPlace) {
    Box("CheckBox4").SetChecked(false);
    Field("Edit6").SetText("フォルダを選んで");
    EXPECT_EQ(Element("ComboBox1").Text(), "フォルダを選んで");
    Spin("SpinEdit5").SetValue(12);
    Box("CheckBox4").SetChecked(true);
    EXPECT_TRUE(Element("ComboBox1").Visible());
    EXPECT_EQ(Element("ComboBox1").Text(), "フォルダを選んで");
    EXPECT_EQ(Element("ComboBox1").Left(), 12) << "spin edits act while disabled by the program";

    Field("Edit3").SetText("");
    EXPECT_EQ(Element("Button1").Text(), "");
    Type(Field("Edit5").Handle(), "開く");
    EXPECT_EQ(Element("Button2").Text(), "開く");
}

TEST_F(PropertyEditing, SpinEditsMoveAndSizeTheirElementKeystrokeByKeystroke) {
    HWND left = Spin("SpinEdit1").Handle();
    Type(left, "-");
    EXPECT_EQ(Element("Image1").Left(), 0) << "a lone minus reads as 0";
    Type(left, "5", false);
    EXPECT_EQ(Spin("SpinEdit1").Text(), "-5");
    EXPECT_EQ(Element("Image1").Left(), -5);
    EXPECT_EQ(Element("Image1").Width(), 177) << "the other properties stay";

    Spin("SpinEdit22").SetText("");
    EXPECT_EQ(Element("Image1").Width(), 0);

    struct Case {
        const char* spin;
        const char* element;
        int value;
        int (ui::Control::*read)() const;
    };
    const Case cases[] = {
        {"SpinEdit2", "Image1", 7, &ui::Control::Top},       {"SpinEdit23", "Image1", 40, &ui::Control::Height},
        {"SpinEdit3", "Image2", 3, &ui::Control::Left},      {"SpinEdit24", "Image2", 100, &ui::Control::Width},
        {"SpinEdit25", "Image2", 30, &ui::Control::Height},  {"SpinEdit7", "Button1", 9, &ui::Control::Left},
        {"SpinEdit8", "Button1", 200, &ui::Control::Top},    {"SpinEdit11", "Button1", 60, &ui::Control::Width},
        {"SpinEdit12", "Button1", 30, &ui::Control::Height}, {"SpinEdit9", "Button2", 90, &ui::Control::Left},
        {"SpinEdit10", "Button2", 210, &ui::Control::Top},   {"SpinEdit14", "Button2", 70, &ui::Control::Width},
        {"SpinEdit15", "Button2", 22, &ui::Control::Height}, {"SpinEdit16", "ListBox1", 4, &ui::Control::Left},
        {"SpinEdit17", "ListBox1", 95, &ui::Control::Top},   {"SpinEdit18", "ListBox1", 150, &ui::Control::Width},
        {"SpinEdit19", "ListBox1", 80, &ui::Control::Height}, {"SpinEdit5", "ComboBox1", 6, &ui::Control::Left},
        {"SpinEdit6", "ComboBox1", 70, &ui::Control::Top},   {"SpinEdit13", "ComboBox1", 120, &ui::Control::Width},
    };
    for (const auto& c : cases) {
        Spin(c.spin).SetValue(c.value);
        EXPECT_EQ((Element(c.element).*c.read)(), c.value) << c.spin;
    }
    Spin("SpinEdit20").SetValue(200);
    Spin("SpinEdit21").SetValue(250);
    EXPECT_EQ(form->Frame2->Width(), 200);
    EXPECT_EQ(form->Frame2->Height(), 250);
}

TEST_F(PropertyEditing, TheScrollFactorMultipliesTheListsClientWidth) {
    auto& list = form->Frame2->FileList();
    int client = list.ClientWidth();
    ShowWindow(form->Handle(), SW_SHOW);
    HWND factor = Spin("SpinEdit26").Handle();
    SetFocus(factor);
    Type(factor, "25");
    EXPECT_EQ(list.HorizontalExtent(), 25 * client) << "used as typed until the field is left";
    SetFocus(Field("Edit4").Handle());
    EXPECT_EQ(Spin("SpinEdit26").Text(), "10");
    EXPECT_EQ(list.HorizontalExtent(), 10 * client);

    Spin("SpinEdit18").SetValue(100);
    EXPECT_EQ(list.HorizontalExtent(), 10 * client) << "a later width change does not recompute it";
    Type(factor, "-3");
    EXPECT_EQ(list.HorizontalExtent(), 0) << "a negative factor gives no scrolling, not a huge width";
}

TEST_F(PropertyEditing, PreviewContainersScrollToWhatReachesPastThem) {
    HWND canvas = form->Frame3->Handle(), mock = form->Frame2->Handle();
    EXPECT_FALSE(HasScrollBar(canvas, WS_HSCROLL));
    Spin("SpinEdit20").SetValue(300);
    EXPECT_TRUE(HasScrollBar(canvas, WS_HSCROLL)) << "64 + 300 passes the 305-pixel canvas";
    EXPECT_FALSE(HasScrollBar(canvas, WS_VSCROLL));
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE;
    GetScrollInfo(canvas, SB_HORZ, &si);
    EXPECT_EQ(si.nMax, 64 + 300 - 1);
    Spin("SpinEdit21").SetValue(283);
    EXPECT_TRUE(HasScrollBar(canvas, WS_VSCROLL));
    Spin("SpinEdit20").SetValue(177);
    Spin("SpinEdit21").SetValue(265);
    EXPECT_FALSE(HasScrollBar(canvas, WS_HSCROLL));
    EXPECT_FALSE(HasScrollBar(canvas, WS_VSCROLL));

    Spin("SpinEdit11").SetValue(300);  // the first button now reaches past the mock window
    EXPECT_TRUE(HasScrollBar(mock, WS_HSCROLL));
    Box("CheckBox5").SetChecked(false);
    EXPECT_FALSE(HasScrollBar(mock, WS_HSCROLL)) << "hidden elements do not count";
    Spin("SpinEdit7").SetValue(-50);
    Box("CheckBox5").SetChecked(true);
    EXPECT_TRUE(HasScrollBar(mock, WS_HSCROLL));
    Spin("SpinEdit11").SetValue(100);
    EXPECT_FALSE(HasScrollBar(mock, WS_HSCROLL)) << "cut off on the left, no bar";
}

TEST_F(PropertyEditing, ControlsWithoutAPreviewPartChangeNothingThere) {
    auto positions = [&] {
        std::vector<int> all;
        for (const auto& e : form->Frame2->Controls()) {
            auto b = e->GetBounds();
            all.insert(all.end(), {b.left, b.top, b.width, b.height, e->Visible()});
        }
        return all;
    };
    auto before = positions();
    Field("Edit4").SetText("タイトル");
    Box("CheckBox7").SetChecked(false);
    ChooseFunction("ComboBox1", 1);
    Field("Edit1").SetText("other.jpg");
    EXPECT_EQ(positions(), before);
}

}  // namespace
