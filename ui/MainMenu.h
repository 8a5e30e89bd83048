// A window's menu bar: drop-down menus of entries with captions and handlers.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

class Form;

class MainMenu {
public:
    // A key that chooses an entry from anywhere in the window, as Ctrl+Z.
    struct Shortcut {
        BYTE modifiers = 0;  // FCONTROL, FSHIFT, FALT
        WORD key = 0;        // a virtual key; 0 for none
    };
    struct Entry {
        std::string name;
        std::string caption;  // a shortcut's text follows a tab in it
        std::function<void()> onClick;
        std::vector<Shortcut> shortcuts = {};
    };
    struct Menu {
        std::string name;
        std::string caption;
        std::vector<Entry> entries;
    };

    explicit MainMenu(std::vector<Menu> menus);
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;
    // Leaves the form whose bar it is before the bar is freed.
    ~MainMenu();

    HMENU Handle() const { return bar_.Get(); }
    // The entry's command identifier in WM_COMMAND (0 when there is none of that name).
    UINT CommandOf(const std::string& entryName) const;
    // Runs the handler of the entry with this command identifier; false when it is none of ours.
    bool Run(UINT command) const;
    // Greys an entry out, or back.
    void Enable(const std::string& entryName, bool enabled);
    // The entries' shortcuts, for the message loop; null when there are none.
    HACCEL Accelerators() const { return accelerators_.Get(); }

private:
    friend class Form;  // keeps form_ in step with the form's own record

    std::vector<Menu> menus_;
    MenuHandle bar_;
    Unique<HACCEL, &DestroyAcceleratorTable> accelerators_;
    Form* form_ = nullptr;  // the form whose bar this is, if any
};

}  // namespace ui
