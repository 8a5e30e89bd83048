// A right-click menu: items with captions and handlers, in order.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

class PopupMenu {
public:
    struct Item {
        std::string name;
        std::string caption;
        std::function<void()> onClick;
    };

    explicit PopupMenu(std::vector<Item> items);
    HMENU Handle() const { return menu_.Get(); }
    const std::vector<Item>& Items() const { return items_; }
    // Shows the menu at a screen point and runs the chosen item's handler.
    void Popup(HWND owner, POINT screen) const;

private:
    std::vector<Item> items_;
    MenuHandle menu_;
};

}  // namespace ui
