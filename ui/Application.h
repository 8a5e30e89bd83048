// The program-wide object: title, message loop, and the one place where an
// error that escapes an event handler is shown.
#pragma once
#include <windows.h>

#include <exception>
#include <string>

namespace ui {

class Application {
public:
    static Application& Instance();

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& Title() const { return title_; }

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
    std::string title_;
    bool terminated_ = false;
    bool running_ = false;
};

// The message with "." appended unless its last whole character sorts at or
// before "." byte by byte (so Japanese text always gets one, "!" does not).
std::string WithFullStop(const std::string& message);

// The running executable's full path.
std::string ModulePath();

}  // namespace ui
