// A scroll box shows a bar on a side where a visible child reaches past it,
// ranged to the child's far edge, and keeps its children where they were
// relative to the view while the user scrolls and the children change.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/PicturePane.h"
#include "ui/ScrollBox.h"

namespace {

constexpr int kBoxWidth = 100, kBoxHeight = 80;

class Box : public ui::ScrollBox {
public:
    Box() : ScrollBox("Box1", "RokabinaScrollBoxTestBox", COLOR_BTNFACE) {}
    void Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) override {
        ScrollBox::Create(parent, id, text, bounds, font);
        AddControl(std::make_unique<ui::Button>("Inner"), "in", {10, 10, 50, 20}, font);
        AddControl(std::make_unique<ui::PicturePane>("Pane"), "", {0, 30, 30, 20}, font);
    }
};

class BoxForm : public ui::Form {
public:
    BoxForm() {
        // Owned, so that its end is not the program's.
        CreateForm({"RokabinaScrollBoxTestForm", "box", {40, 40, 300, 200}, WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12},
                   ui::Application::Instance().Handle());
        box = &static_cast<Box&>(AddControl(std::make_unique<Box>(), "", {8, 8, kBoxWidth, kBoxHeight}, Font()));
        // Shown, as the designer's canvas is: the platform scrolls the
        // children of a window on the screen only.
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }
    Box* box = nullptr;
};

// What a bar shows: nothing, or its range and page.
struct BarView {
    bool shown = false;
    int max = 0;
    unsigned page = 0;
    bool operator==(const BarView&) const = default;
};

void PrintTo(const BarView& bar, std::ostream* out) {
    *out << (bar.shown ? "bar to " + std::to_string(bar.max) + ", page " + std::to_string(bar.page) : "no bar");
}

BarView BarOf(HWND window, int bar) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))) return {};
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(window, bar, &si);
    return {true, si.nMax, si.nPage};
}

class ScrollBoxTest : public testing::Test {
protected:
    BoxForm form;
    ui::ScrollBox& box = *form.box;
    ui::Control& inner = box.Find("Inner");
    ui::Control& pane = box.Find("Pane");
    const int barW = GetSystemMetrics(SM_CXVSCROLL), barH = GetSystemMetrics(SM_CYHSCROLL);

    void Scroll(int bar, WORD request) {
        SendMessageA(box.Handle(), bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(request, 0), 0);
    }
};

TEST_F(ScrollBoxTest, EachSideShowsABarExactlyWhenAVisibleChildPassesIt) {
    struct Case {
        const char* what;
        ui::Bounds inner;
        bool visible;
        BarView horizontal, vertical;
    };
    const Case cases[] = {
        {"inside", {10, 10, 50, 20}, true, {}, {}},
        {"touching the right edge", {50, 10, 50, 20}, true, {}, {}},
        {"past the right edge", {60, 10, 50, 20}, true, {true, 109, kBoxWidth}, {}},
        {"past the bottom edge", {10, 70, 50, 20}, true, {}, {true, 89, kBoxHeight}},
        {"past both", {70, 70, 50, 20}, true, {true, 119, unsigned(kBoxWidth - barW)},
         {true, 89, unsigned(kBoxHeight - barH)}},
        // 75 fits 80, but not the 80 less the horizontal bar.
        {"past the right edge, the bar pushing the bottom", {60, 60, 50, 15}, true,
         {true, 109, unsigned(kBoxWidth - barW)}, {true, 74, unsigned(kBoxHeight - barH)}},
        {"cut off on the left and top", {-30, -30, 50, 20}, true, {}, {}},
        {"hidden past both", {70, 70, 50, 20}, false, {}, {}},
        {"back inside", {10, 10, 50, 20}, true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        inner.SetVisible(c.visible);
        inner.SetBounds(c.inner);
        EXPECT_EQ(BarOf(box.Handle(), SB_HORZ), c.horizontal);
        EXPECT_EQ(BarOf(box.Handle(), SB_VERT), c.vertical);
    }
}

TEST_F(ScrollBoxTest, TheRangeFollowsAChildThatChangesWhileItsBarShows) {
    inner.SetBounds({60, 10, 50, 20});
    inner.SetWidth(90);
    EXPECT_EQ(BarOf(box.Handle(), SB_HORZ), (BarView{true, 149, kBoxWidth}));
    SetWindowPos(box.Handle(), nullptr, 0, 0, 120, kBoxHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(BarOf(box.Handle(), SB_HORZ), (BarView{true, 149, 120})) << "a wider box, a wider page";
    SetWindowPos(box.Handle(), nullptr, 0, 0, 150, kBoxHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(BarOf(box.Handle(), SB_HORZ), BarView{}) << "the box reaches the child's far edge";
}

TEST_F(ScrollBoxTest, ScrollingMovesTheChildrenAndTheyComeBackWhenTheBarGoes) {
    inner.SetBounds({60, 10, 50, 20});
    Scroll(SB_HORZ, SB_BOTTOM);
    EXPECT_EQ(GetScrollPos(box.Handle(), SB_HORZ), 10) << "as far as the range goes";
    EXPECT_EQ(inner.Left(), 50);
    EXPECT_EQ(pane.Left(), -10);

    inner.SetWidth(80);  // now reaching to 60 + 80 in unscrolled terms
    EXPECT_EQ(BarOf(box.Handle(), SB_HORZ), (BarView{true, 139, kBoxWidth}));
    EXPECT_EQ(GetScrollPos(box.Handle(), SB_HORZ), 10) << "the view stays where the user put it";
    EXPECT_EQ(inner.Left(), 50);

    inner.SetBounds({0, 10, 50, 20});  // in view terms: 10 in unscrolled ones
    EXPECT_EQ(BarOf(box.Handle(), SB_HORZ), BarView{});
    EXPECT_EQ(inner.Left(), 10) << "moved back with the view";
    EXPECT_EQ(pane.Left(), 0);
}

TEST_F(ScrollBoxTest, AShrinkingRangePullsTheViewBackToItsEnd) {
    inner.SetBounds({60, 10, 100, 20});  // to 160: the view can go 60 to the right
    Scroll(SB_HORZ, SB_PAGEDOWN);
    EXPECT_EQ(GetScrollPos(box.Handle(), SB_HORZ), 60);
    Scroll(SB_HORZ, SB_LINEUP);
    EXPECT_EQ(GetScrollPos(box.Handle(), SB_HORZ), 52);
    EXPECT_EQ(pane.Left(), -52);
    inner.SetWidth(70);  // to 8 + 70 + 52 = 130: the view can go 30 at most
    EXPECT_EQ(GetScrollPos(box.Handle(), SB_HORZ), 30);
    EXPECT_EQ(pane.Left(), -30);
    EXPECT_EQ(inner.Left(), 30);
}

}  // namespace
