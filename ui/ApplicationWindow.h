// The application window of classic RAD frameworks: an unowned window of no
// size, titled with the application title. It is the program's task-bar
// entry and owns the main window, which therefore has no entry of its own,
// whatever caption the main window shows. Minimising the main window
// minimises this one, which takes the main window and its boxes along;
// restoring it from the task bar brings them back.
#pragma once
#include <string>

#include "ui/Window.h"

namespace ui {

class ApplicationWindow : public Window {
public:
    explicit ApplicationWindow(const std::string& title);

    void SetTitle(const std::string& title);
    // The window that closing the task-bar entry closes.
    void SetMainWindow(HWND window) { main_ = window; }
    // Shows the task-bar entry, without activating anything.
    void Show();
    // The program goes to the task bar: its windows are hidden with this one.
    void Minimize();

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HWND main_ = nullptr;
};

}  // namespace ui
