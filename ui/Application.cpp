#include "ui/Application.h"

#include "base/CodePage.h"
#include "base/ShiftJis.h"
#include "base/ShownError.h"
#include "ui/ApplicationWindow.h"
#include "ui/Form.h"
#include "ui/MessageBoxes.h"

namespace ui {

Application& Application::Instance() {
    static Application app;
    return app;
}

Application::~Application() = default;

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_) window_->SetTitle(title_);
}

ApplicationWindow& Application::Window() {
    if (!window_) window_ = std::make_unique<ApplicationWindow>(title_);
    return *window_;
}

HWND Application::Handle() { return Window().Handle(); }

void Application::Minimize() { Window().Minimize(); }

int Application::Run(HWND mainWindow) {
    if (!terminated_ && mainWindow) {
        Window().SetMainWindow(mainWindow);
        Window().Show();
        ShowWindow(mainWindow, SW_SHOWNORMAL);
        UpdateWindow(mainWindow);
    }
    running_ = true;
    MSG msg;
    while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // The menu bar's shortcuts, then Tab and arrow navigation between the
        // controls of the active window.
        HWND active = GetActiveWindow();
        if (HACCEL keys = active ? HACCEL(SendMessageW(active, AcceleratorsQuery(), 0, 0)) : nullptr)
            if (TranslateAcceleratorW(active, keys, &msg)) continue;
        if (active && IsDialogMessageW(active, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    running_ = false;
    terminated_ = true;
    return 0;
}

void Application::Terminate() {
    terminated_ = true;
    if (running_) PostQuitMessage(0);
}

void Application::ShowException(const std::exception& error) const {
    const auto* shown = dynamic_cast<const base::ShownError*>(&error);
    ShowErrorBox(WithFullStop(shown ? shown->Text() : base::ToWide(error.what())));
}

std::string WithFullStop(const std::string& message) {
    if (message.empty()) return message;
    return base::LastChar(message) > std::string_view(".") ? message + "." : message;
}

// The same rule on UTF-16 text: every character beyond ASCII is one or two
// bytes from 0x81 on in code page 932, or none at all, and sorts after ".".
std::wstring WithFullStop(const std::wstring& message) {
    if (message.empty()) return message;
    return message.back() > L'.' ? message + L"." : message;
}

}  // namespace ui
