// The program-wide object: title, message loop, and the one place where an
// error that escapes an event handler is shown.
#pragma once
#include <windows.h>

#include <exception>
#include <memory>
#include <string>

namespace ui {

class ApplicationWindow;

class Application {
public:
    static Application& Instance();
    ~Application();

    void SetTitle(std::string title);
    const std::string& Title() const { return title_; }
    // The application window (ui/ApplicationWindow.h): the program's task-bar
    // entry and the owner of its main windows. Made on first use.
    HWND Handle();
    // The whole program goes to the task bar, as the main window's minimise does.
    void Minimize();

    // Shows the main window unless termination was already requested, then
    // dispatches messages until the program is asked to end.
    int Run(HWND mainWindow);
    // Ends the message loop at its next turn; requested before the loop runs,
    // the loop does not start.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Forgets a termination request (a test that starts the program again).
    void ClearTermination() { terminated_ = false; }

    // The error box: title as caption, stop icon, OK, the message with a
    // full stop added where it lacks one.
    void ShowException(const std::exception& error) const;

    // Runs a handler to its end; an error that escapes it goes to the error box.
    template <class F>
    void RunHandler(F&& handler) const {
        try {
            handler();
        } catch (const std::exception& error) {
            ShowException(error);
        }
    }

private:
    ApplicationWindow& Window();

    std::unique_ptr<ApplicationWindow> window_;
    std::string title_;
    bool terminated_ = false;
    bool running_ = false;
};

// The message with "." appended unless its last whole character sorts at or
// before "." byte by byte (so Japanese text always gets one, "!" does not).
std::string WithFullStop(const std::string& message);
std::wstring WithFullStop(const std::wstring& message);

}  // namespace ui
