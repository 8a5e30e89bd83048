// A window's menu bar: drop-down menus of entries with captions and handlers.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

class MainMenu {
public:
    struct Entry {
        std::string name;
        std::string caption;
        std::function<void()> onClick;
    };
    struct Menu {
        std::string name;
        std::string caption;
        std::vector<Entry> entries;
    };

    explicit MainMenu(std::vector<Menu> menus);
    HMENU Handle() const { return bar_.get(); }
    const std::vector<Menu>& Menus() const { return menus_; }
    // The entry's command identifier in WM_COMMAND (0 when there is none of that name).
    UINT CommandOf(const std::string& entryName) const;
    // Runs the handler of the entry with this command identifier; false when it is none of ours.
    bool Run(UINT command) const;

private:
    std::vector<Menu> menus_;
    MenuHandle bar_;
};

}  // namespace ui
