#include "ui/PopupMenu.h"

#include "base/CodePage.h"
#include "ui/Application.h"

namespace ui {

PopupMenu::PopupMenu(std::vector<Item> items) : items_(std::move(items)), menu_(CreatePopupMenu()) {
    UINT id = 1;
    for (const auto& item : items_)
        AppendMenuW(menu_.Get(), MF_STRING, id++, base::ToWide(item.caption).c_str());
}

void PopupMenu::Popup(HWND owner, POINT screen) const {
    SetForegroundWindow(owner);
    UINT chosen = UINT(TrackPopupMenu(menu_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, screen.x,
                                      screen.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);  // lets the menu close properly when focus leaves it
    if (chosen >= 1 && chosen <= items_.size() && items_[chosen - 1].onClick)
        Application::Instance().RunHandler(items_[chosen - 1].onClick);
}

}  // namespace ui
