#include "ui/MainMenu.h"

#include "base/CodePage.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {
namespace {
// Above the dialog commands (IDOK, IDCANCEL...) and below the control ids.
constexpr UINT kFirstCommand = 0x100;
}  // namespace

MainMenu::MainMenu(std::vector<Menu> menus) : menus_(std::move(menus)), bar_(CreateMenu()) {
    UINT command = kFirstCommand;
    std::vector<ACCEL> keys;
    for (const auto& menu : menus_) {
        HMENU dropDown = CreatePopupMenu();  // owned by the bar from here on
        for (const auto& entry : menu.entries) {
            for (const Shortcut& s : entry.shortcuts) keys.push_back({BYTE(FVIRTKEY | s.modifiers), s.key, WORD(command)});
            AppendMenuW(dropDown, MF_STRING, command++, base::ToWide(entry.caption).c_str());
        }
        AppendMenuW(bar_.Get(), MF_POPUP | MF_STRING, UINT_PTR(dropDown), base::ToWide(menu.caption).c_str());
    }
    if (!keys.empty()) accelerators_ = Unique<HACCEL, &DestroyAcceleratorTable>(CreateAcceleratorTableW(keys.data(), int(keys.size())));
}

void MainMenu::Enable(const std::string& entryName, bool enabled) {
    if (UINT command = CommandOf(entryName))
        EnableMenuItem(bar_.Get(), command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

MainMenu::~MainMenu() {
    if (form_) form_->SetMainMenu(nullptr);
}

UINT MainMenu::CommandOf(const std::string& entryName) const {
    UINT command = kFirstCommand;
    for (const auto& menu : menus_)
        for (const auto& entry : menu.entries) {
            if (entry.name == entryName) return command;
            ++command;
        }
    return 0;
}

bool MainMenu::Run(UINT command) const {
    UINT next = kFirstCommand;
    for (const auto& menu : menus_)
        for (const auto& entry : menu.entries) {
            if (next++ != command) continue;
            if (entry.onClick) Application::Instance().RunHandler(entry.onClick);
            return true;
        }
    return false;
}

}  // namespace ui
