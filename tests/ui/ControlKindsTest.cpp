// Each kind of control a declaration can name: the window it is made as, the
// event its handler is bound to, the state it starts in, where it lies.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/SpinEdit.h"

namespace {

using ui::ControlKind;

class KindsForm : public ui::Form {
public:
    explicit KindsForm(std::span<const ui::ControlDecl<KindsForm>> controls) {
        // Owned, so that its end is not the program's.
        CreateForm({"RokabinaKindsTestForm", "kinds", {40, 40, 300, 200}, WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12},
                   ui::Application::Instance().Handle());
        CreateControls(*this, controls, Font());
    }
    void Fire() { ++fired; }
    int fired = 0;
    int menus = 0;

protected:
    void OnContextMenu(int, int) override { ++menus; }
};

struct KindCase {
    ControlKind kind;
    const char* windowClass;
    // What the user does that a bound handler hears; null for kinds without an event.
    std::function<void(ui::Control&)> act;
};

TEST(ControlKinds, EachKindIsMadeAsItsWindowAndBindsItsHandlerToItsEventOrRefusesOne) {
    const KindCase cases[] = {
        {ControlKind::Button, "Button", [](ui::Control& c) { c.Notify(BN_CLICKED); }},
        {ControlKind::CheckBox, "Button", [](ui::Control& c) { dynamic_cast<ui::CheckBox&>(c).SetChecked(true); }},
        {ControlKind::Edit, "Edit", [](ui::Control& c) { c.SetText("x"); }},
        {ControlKind::SpinEdit, "Edit", [](ui::Control& c) { dynamic_cast<ui::SpinEdit&>(c).SetValue(7); }},
        {ControlKind::Label, "Static", nullptr},
        {ControlKind::ListBox, "ListBox", nullptr},
        {ControlKind::ComboBox, "ComboBox", [](ui::Control& c) { c.Notify(CBN_EDITCHANGE); }},
        {ControlKind::Picture, "RokabinaPicture", nullptr},
        {ControlKind::Panel, "RokabinaPanel", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.windowClass + std::string(" kind ") + std::to_string(int(c.kind)));
        const ui::ControlDecl<KindsForm> bound[] = {{"Control1", c.kind, "", {8, 8, 80, 21}, 0, &KindsForm::Fire}};
        const ui::ControlDecl<KindsForm> unbound[] = {{"Control1", c.kind, "", {8, 8, 80, 21}, 0}};
        if (!c.act) {
            EXPECT_THROW(KindsForm{bound}, std::logic_error);
        }
        KindsForm form(c.act ? std::span(bound) : std::span(unbound));
        ui::Control& control = form.Find("Control1");
        char windowClass[64] = {};
        GetClassNameA(control.Handle(), windowClass, sizeof windowClass);
        EXPECT_EQ(lstrcmpiA(windowClass, c.windowClass), 0) << windowClass;
        if (!c.act) continue;
        c.act(control);
        EXPECT_EQ(form.fired, 1);
    }
}

TEST(ControlKinds, DeclaredStatesAreTakenBeforeHandlersAreBoundSoStartUpFiresNothing) {
    const ui::ControlDecl<KindsForm> controls[] = {
        {"CheckBox1", ControlKind::CheckBox, "印", {8, 8, 60, 18}, 0, &KindsForm::Fire, {}, true},
        {"CheckBox2", ControlKind::CheckBox, "無", {8, 30, 60, 18}, 1, &KindsForm::Fire},
        {"SpinEdit1", ControlKind::SpinEdit, "50", {8, 52, 60, 21}, 2, &KindsForm::Fire, {10, 1}},
    };
    KindsForm form(controls);
    EXPECT_EQ(form.fired, 0);
    EXPECT_TRUE(form.Get<ui::CheckBox>("CheckBox1").Checked());
    EXPECT_FALSE(form.Get<ui::CheckBox>("CheckBox2").Checked());
    auto& spin = form.Get<ui::SpinEdit>("SpinEdit1");
    EXPECT_EQ(spin.MinValue(), 1);
    EXPECT_EQ(spin.MaxValue(), 10);
    EXPECT_EQ(spin.Text(), "50");  // the limits bound later settings, not the text declared
    spin.SetValue(50);
    EXPECT_EQ(spin.Text(), "10");
    EXPECT_EQ(form.fired, 1);
}

// The heights a window is given while the hook is set, from its position messages.
std::vector<int> heightsGiven;
HWND watched = nullptr;
LRESULT CALLBACK RecordHeights(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->hwnd == watched && call->message == WM_WINDOWPOSCHANGING) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
        if (!(pos->flags & SWP_NOSIZE)) heightsGiven.push_back(pos->cy);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A drop-down combo box that took its list's height for a moment would shrink
// back by itself and leave unpainted what it uncovered; its list keeps the
// height it was made with wherever the box goes.
TEST(ControlKinds, AMovedComboBoxKeepsItsClosedHeightThroughoutAndItsListItsOwn) {
    const ui::ControlDecl<KindsForm> controls[] = {{"ComboBox1", ControlKind::ComboBox, "", {8, 8, 120, 20}, 0}};
    KindsForm form(controls);
    auto& chooser = form.Get<ui::ComboBox>("ComboBox1");
    const int closed = chooser.Height();
    auto listHeight = [&] {
        RECT list{};
        SendMessageA(chooser.Handle(), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&list));
        return list.bottom - list.top;
    };
    const int rows = listHeight();
    const int madeHeight = 20 + 8 * 12 + 2;  // as declared, with room for eight rows of 12
    EXPECT_EQ(rows, madeHeight - closed) << "the list takes what lies below the box";

    watched = chooser.Handle();
    heightsGiven.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordHeights, nullptr, GetCurrentThreadId());
    chooser.SetBounds({20, 30, 150, 60});
    chooser.SetHeight(200);
    chooser.SetTop(40);
    UnhookWindowsHookEx(hook);

    EXPECT_FALSE(heightsGiven.empty());
    for (int height : heightsGiven) EXPECT_EQ(height, closed);
    const ui::Bounds now = chooser.GetBounds();
    EXPECT_EQ((std::vector<int>{now.left, now.top, now.width, now.height}), (std::vector<int>{20, 40, 150, closed}));
    EXPECT_EQ(listHeight(), rows);
}

// The platform's list takes its rows' height from the font, when the font
// is set and again whenever it changes.
TEST(ControlKinds, AComboBoxKeepsRowsOf12WhereverItGoesAndWhateverItsFont) {
    const ui::ControlDecl<KindsForm> controls[] = {{"ComboBox1", ControlKind::ComboBox, "", {8, 8, 120, 20}, 0}};
    KindsForm form(controls);
    auto& chooser = form.Get<ui::ComboBox>("ComboBox1");
    auto rows = [&] { return SendMessageW(chooser.Handle(), CB_GETITEMHEIGHT, 0, 0); };
    EXPECT_EQ(rows(), 12);
    chooser.SetBounds({20, 30, 150, 60});
    EXPECT_EQ(rows(), 12);
    ui::FontHandle large = ui::MakeFont("ＭＳ Ｐゴシック", 24);
    SendMessageA(chooser.Handle(), WM_SETFONT, WPARAM(large.Get()), FALSE);
    EXPECT_EQ(rows(), 12);
    SendMessageA(chooser.Handle(), WM_SETFONT, WPARAM(form.Font()), FALSE);
}

// The text field is a window of the platform's: its answers come from a
// hook, which takes both at once and leaves the rest to the field.
TEST(ControlKinds, AComboBoxsTextFieldLetsTheMouseThroughAndPassesItsMenuOnAtOnce) {
    const ui::ControlDecl<KindsForm> controls[] = {{"ComboBox1", ControlKind::ComboBox, "", {8, 8, 120, 20}, 0}};
    KindsForm form(controls);
    auto& chooser = form.Get<ui::ComboBox>("ComboBox1");
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ASSERT_TRUE(GetComboBoxInfo(chooser.Handle(), &parts));
    HWND field = parts.hwndItem;
    EXPECT_NE(SendMessageW(field, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    chooser.ForwardContextMenuToParent();
    chooser.LetMouseThrough();
    chooser.ForwardContextMenuToParent();  // asked again: still one hook
    EXPECT_EQ(SendMessageW(field, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    SendMessageW(field, WM_CONTEXTMENU, WPARAM(field), MAKELPARAM(-1, -1));
    EXPECT_EQ(form.menus, 1);
    SetWindowTextW(field, L"typed");
    EXPECT_EQ(chooser.WideText(), L"typed");
}

TEST(ControlKinds, TabStopsLieOnTopThenOtherControlsThenPicturesThenPanels) {
    const ui::ControlDecl<KindsForm> controls[] = {
        {"Panel1", ControlKind::Panel, "", {0, 0, 200, 100}, -1},
        {"Picture1", ControlKind::Picture, "", {4, 4, 32, 32}, -1},
        {"Label1", ControlKind::Label, "見出し", {40, 4}, -1},
        {"Button1", ControlKind::Button, "押す", {40, 30, 60, 22}, 1},
        {"Edit1", ControlKind::Edit, "", {40, 60, 60, 20}, 0},
    };
    KindsForm form(controls);
    std::vector<std::string> topToBottom;
    for (HWND w = GetWindow(form.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        for (const auto& c : form.Controls())
            if (c->Handle() == w) topToBottom.push_back(c->Name());
    EXPECT_EQ(topToBottom, (std::vector<std::string>{"Edit1", "Button1", "Label1", "Picture1", "Panel1"}));
}

}  // namespace
