#include "ui/ApplicationWindow.h"

#include "base/CodePage.h"

namespace ui {

ApplicationWindow::ApplicationWindow(const std::string& title) {
    RegisterWindowClass("TApplication", COLOR_BTNFACE);
    // A popup without a sizing frame keeps its zero size: nothing of it is drawn.
    CreateHandle(0, "TApplication", title.c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                 GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr);
}

void ApplicationWindow::SetTitle(const std::string& title) {
    SetWindowTextW(hwnd_, base::ToWide(title).c_str());
}

void ApplicationWindow::Show() { ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_SHOWMINNOACTIVE : SW_SHOWNA); }

void ApplicationWindow::Minimize() {
    // Windows hides owned windows with their owner by itself; saying so keeps
    // every platform alike, and ShowOwnedPopups brings back just these.
    ShowOwnedPopups(hwnd_, FALSE);
    ShowWindow(hwnd_, SW_MINIMIZE);
}

LRESULT ApplicationWindow::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_RESTORE && IsIconic(hwnd_)) {
            LRESULT result = Window::Dispatch(msg, wp, lp);
            ShowOwnedPopups(hwnd_, TRUE);
            SetActiveWindow(GetLastActivePopup(hwnd_));
            return result;
        }
        break;
    case WM_ACTIVATE:
        // The entry itself takes no input: the window the user last used does.
        if (LOWORD(wp) != WA_INACTIVE && !IsIconic(hwnd_)) {
            HWND last = GetLastActivePopup(hwnd_);
            if (last && last != hwnd_ && IsWindowVisible(last) && IsWindowEnabled(last)) SetActiveWindow(last);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (main_ && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
        return 0;
    }
    return Window::Dispatch(msg, wp, lp);
}

}  // namespace ui
