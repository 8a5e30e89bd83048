// A window and its wrapper stay in step whichever goes first: the close box
// destroying the windows before the objects, or the objects going first. No
// wrapper is called without a live window of its own, each forgets its
// handle, and the menu bar is freed once, by its owner. Creation the
// platform refuses raises.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/PicturePane.h"
#include "ui/ScrollBox.h"
#include "ui/SpinEdit.h"
#include "ui/TextControls.h"

namespace {

// What the wrappers of one form saw.
struct Sightings {
    int strayCalls = 0;              // calls without a live window, or after its end
    std::set<std::string> ended;     // wrappers that heard their window's WM_NCDESTROY
};

// A wrapper of any kind that counts the calls it gets without a live window
// of its own, and notes when it hears its window's end.
template <class T>
class Watched : public T {
public:
    template <class... Args>
    explicit Watched(Sightings& seen, Args&&... args) : T(std::forward<Args>(args)...), seen_(seen) {}

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override {
        if (!this->Handle() || !IsWindow(this->Handle()) || ended_) ++seen_.strayCalls;
        if (msg == WM_NCDESTROY) {
            ended_ = true;
            seen_.ended.insert(this->Name());
        }
        return T::Dispatch(msg, wp, lp);
    }

    Sightings& seen_;

private:
    bool ended_ = false;
};

class WatchedBox : public Watched<ui::ScrollBox> {
public:
    explicit WatchedBox(Sightings& seen) : Watched(seen, "Box1", "RokabinaLifetimeTestBox", COLOR_BTNFACE) {}
    void Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) override {
        ScrollBox::Create(parent, id, text, bounds, font);
        AddControl(std::make_unique<Watched<ui::Button>>(seen_, "InnerButton"), "in", {4, 4, 60, 22}, font);
        AddControl(std::make_unique<Watched<ui::PicturePane>>(seen_, "InnerPicture"), "", {4, 30, 20, 20}, font);
    }
};

// A form with a wrapper of every kind, one scroll box holding more, and a
// menu bar that is a member, as in the programs' main windows.
class LifeForm : public ui::Form {
public:
    explicit LifeForm(Sightings& seen)
        : menu({{"File1", "ファイル", {{"Exit1", "終了", nullptr}}}}), seen_(seen) {
        // Owned, so that its end is not the program's.
        CreateForm({"RokabinaLifetimeTestForm", "life", {40, 40, 360, 260}, WS_CAPTION | WS_SYSMENU,
                    "ＭＳ Ｐゴシック", 12},
                   ui::Application::Instance().Handle());
        Add<ui::Button>("Button1", "押す", {8, 8, 60, 22});
        Add<ui::CheckBox>("CheckBox1", "印", {8, 34, 60, 18});
        Add<ui::Edit>("Edit1", "文字", {8, 56, 80, 20});
        Add<ui::SpinEdit>("SpinEdit1", "5", {8, 80, 60, 21});
        Add<ui::Label>("Label1", "見出し", {100, 8, 0, 0});
        Add<ui::ListBox>("ListBox1", "", {100, 30, 80, 60});
        Add<ui::ComboBox>("ComboBox1", "選ぶ", {100, 96, 80, 20});
        Add<ui::PicturePane>("Picture1", "", {200, 8, 32, 32});
        Add<ui::Panel>("Panel1", "", {200, 48, 60, 40});
        AddControl(std::make_unique<WatchedBox>(seen), "", {200, 100, 120, 80}, Font());
        SetMainMenu(&menu);
        ShowWindow(hwnd_, SW_SHOW);
        SetFocus(Find("SpinEdit1").Handle());
    }

    // Every wrapper of the form, the scroll box's own included.
    std::vector<const ui::Control*> Wrappers() const {
        std::vector<const ui::Control*> all;
        for (const auto& c : Controls()) {
            all.push_back(c.get());
            if (auto* box = dynamic_cast<const ui::ScrollBox*>(c.get()))
                for (const auto& inner : box->Controls()) all.push_back(inner.get());
        }
        return all;
    }
    HWND Arrows() const { return Get<ui::SpinEdit>("SpinEdit1").UpDown(); }

    ui::MainMenu menu;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override {
        if (!hwnd_ || !IsWindow(hwnd_)) ++seen_.strayCalls;
        return Form::Dispatch(msg, wp, lp);
    }

private:
    template <class T>
    void Add(const char* name, const char* text, ui::Bounds bounds) {
        AddControl(std::make_unique<Watched<T>>(seen_, name), text, bounds, Font());
    }

    Sightings& seen_;
};

TEST(Lifetime, TheCloseBoxDestroyingTheWindowsFirstLeavesEveryWrapperWithoutAHandle) {
    Sightings seen;
    auto form = std::make_unique<LifeForm>(seen);
    const auto wrappers = form->Wrappers();
    ASSERT_EQ(wrappers.size(), 12u);
    const HMENU bar = form->menu.Handle();
    const HWND arrows = form->Arrows();
    ASSERT_NE(arrows, nullptr);

    DestroyWindow(form->Handle());  // what the close box does

    EXPECT_EQ(form->Handle(), nullptr);
    for (const auto* w : wrappers) {
        SCOPED_TRACE(w->Name());
        EXPECT_EQ(w->Handle(), nullptr);
        EXPECT_TRUE(seen.ended.count(w->Name()));
    }
    EXPECT_EQ(form->Arrows(), nullptr);
    EXPECT_FALSE(IsWindow(arrows));
    // The window gave the bar back instead of freeing a menu it does not own.
    EXPECT_TRUE(IsMenu(bar));

    form.reset();
    EXPECT_FALSE(IsMenu(bar));  // freed by its owner
    EXPECT_EQ(seen.strayCalls, 0);
}

TEST(Lifetime, ObjectsGoingFirstTakeTheirWindowsAndTheMenuWithThem) {
    Sightings seen;
    auto form = std::make_unique<LifeForm>(seen);
    std::vector<HWND> windows{form->Handle(), form->Arrows()};
    for (const auto* w : form->Wrappers()) windows.push_back(w->Handle());
    const HMENU bar = form->menu.Handle();

    form.reset();

    for (HWND w : windows) EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_EQ(seen.strayCalls, 0);
}

TEST(Lifetime, AControlRemovedFromItsFormTakesItsWindowAlongAndTheRestStay) {
    Sightings seen;
    LifeForm form(seen);
    const HWND spin = form.Find("SpinEdit1").Handle();
    const HWND arrows = form.Arrows();
    form.Remove(form.Find("SpinEdit1"));
    EXPECT_FALSE(IsWindow(spin));
    EXPECT_FALSE(IsWindow(arrows));
    EXPECT_EQ(form.FindOrNull("SpinEdit1"), nullptr);
    EXPECT_TRUE(IsWindow(form.Find("Edit1").Handle()));
    EXPECT_EQ(seen.strayCalls, 0);
}

TEST(Lifetime, AMenuObjectGoingBeforeItsWindowTakesItsBarOffFirst) {
    Sightings seen;
    LifeForm form(seen);
    auto other = std::make_unique<ui::MainMenu>(std::vector<ui::MainMenu::Menu>{{"Help1", "ヘルプ", {}}});
    const HMENU otherBar = other->Handle();
    form.SetMainMenu(other.get());
    EXPECT_EQ(GetMenu(form.Handle()), otherBar);
    EXPECT_TRUE(IsMenu(form.menu.Handle()));  // the bar it replaced is still its owner's

    other.reset();
    EXPECT_EQ(GetMenu(form.Handle()), nullptr);
    EXPECT_FALSE(IsMenu(otherBar));
    EXPECT_EQ(seen.strayCalls, 0);
}

// Sends its parent a click as its window goes, when the parent is past its own WM_DESTROY.
LRESULT CALLBACK ClickAsItGoes(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_DESTROY)
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), LPARAM(hwnd));
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ClickAsItGoes, id);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST(Lifetime, AWindowBeingDestroyedRunsNoMoreHandlersOfItsControls) {
    for (bool inScrollBox : {false, true}) {
        SCOPED_TRACE(inScrollBox ? "in the scroll box" : "on the form");
        Sightings seen;
        LifeForm form(seen);
        auto& button = inScrollBox ? form.Get<ui::ScrollBox>("Box1").Get<ui::Button>("InnerButton")
                                   : form.Get<ui::Button>("Button1");
        int clicks = 0;
        button.OnClick = [&] { ++clicks; };
        SendMessageA(GetParent(button.Handle()), WM_COMMAND, MAKEWPARAM(button.Id(), BN_CLICKED),
                     LPARAM(button.Handle()));
        ASSERT_EQ(clicks, 1);
        SetWindowSubclass(button.Handle(), ClickAsItGoes, 1, 0);
        DestroyWindow(form.Handle());
        EXPECT_EQ(clicks, 1);
    }
}

// A bare window whose creation steps a test can call.
class Probe : public ui::Window {
public:
    void Register(const char* className) { RegisterWindowClass(className, COLOR_BTNFACE); }
    void Create(const char* className, HWND parent = nullptr) {
        CreateHandle(0, className, "", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent);
    }
    void CreatePlatform(const char* className, HWND parent) {
        CreateSubclassed(0, className, "", WS_CHILD, 0, 0, 10, 10, parent, 1);
    }
    bool refuseCreation = false;
    int callsWithoutHandle = 0;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override {
        if (!hwnd_) ++callsWithoutHandle;
        if (msg == WM_CREATE && refuseCreation) return -1;
        return Window::Dispatch(msg, wp, lp);
    }
};

struct RefusalCase {
    const char* what;
    std::function<void(Probe&)> attempt;
};

TEST(Lifetime, CreationThePlatformRefusesRaisesAndLeavesNoHandle) {
    const std::string longName(300, 'x');
    const RefusalCase cases[] = {
        {"a class name too long to register", [&](Probe& p) { p.Register(longName.c_str()); }},
        {"a class never registered", [](Probe& p) { p.Create("RokabinaLifetimeNoSuchClass"); }},
        {"a window refusing its WM_CREATE",
         [](Probe& p) {
             p.Register("RokabinaLifetimeRefusing");
             p.refuseCreation = true;
             p.Create("RokabinaLifetimeRefusing");
         }},
        {"a child of a platform class under a parent that is no window",
         [](Probe& p) { p.CreatePlatform("BUTTON", HWND(INT_PTR(0x7ff0))); }},
        {"a platform class that does not exist",
         [](Probe& p) { p.CreatePlatform("RokabinaLifetimeNoSuchControl", ui::Application::Instance().Handle()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Probe probe;
        EXPECT_THROW(c.attempt(probe), ui::WindowError);
        EXPECT_EQ(probe.Handle(), nullptr);
        EXPECT_EQ(probe.callsWithoutHandle, 0);
    }
}

}  // namespace
