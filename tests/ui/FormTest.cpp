// A form's menu bar and its keyboard focus.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/Dialogs.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

using namespace testsupport;

class MenuForm : public ui::Form {
public:
    MenuForm()
        : menu({{"File1", "ファイル",
                 {{"Open1", "開く", [this] { ++opened; }},
                  {"Fail1", "失敗", [] { throw std::runtime_error("開けません"); }},
                  {"Inert1", "未定", nullptr}}}}) {
        CreateForm({"RokabinaMenuTestForm", "menu", {30, 30, 300, 200}, WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12});
        const ui::ControlDecl<MenuForm> controls[] = {{"Edit1", ui::ControlKind::Edit, "", {8, 8, 100, 20}, 0},
                                                      {"Edit2", ui::ControlKind::Edit, "", {8, 40, 100, 20}, 1}};
        CreateControls(*this, std::span<const ui::ControlDecl<MenuForm>>(controls), Font());
        SetMainMenu(&menu);
    }
    void Choose(const char* entry) { SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(menu.CommandOf(entry), 0), 0); }

    ui::MainMenu menu;
    int opened = 0;
};

TEST(FormMenu, EntriesRunTheirHandlersAndErrorsGoToTheErrorBox) {
    ui::Application::Instance().SetTitle("テスト");
    MenuForm form;
    EXPECT_EQ(GetMenu(form.Handle()), form.menu.Handle());
    form.Choose("Open1");
    form.Choose("Inert1");
    EXPECT_EQ(form.opened, 1);
    EXPECT_EQ(form.menu.CommandOf("Missing"), 0u);

    DialogAnswer answer(Press::Ok);
    form.Choose("Fail1");
    const auto& box = answer.Wait();
    EXPECT_EQ(box.caption, "テスト");
    EXPECT_EQ(box.text, "開けません.");
}

TEST(FormFocus, TheFormPassesItsFocusToTheLastFocusedControlOrTheFirst) {
    MenuForm form;
    ShowWindow(form.Handle(), SW_SHOW);
    SetFocus(form.Handle());
    EXPECT_EQ(GetFocus(), form.Find("Edit1").Handle());

    SetFocus(form.Find("Edit2").Handle());
    SendMessageA(form.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(form.Handle());
    EXPECT_EQ(GetFocus(), form.Find("Edit2").Handle());
}

}  // namespace
