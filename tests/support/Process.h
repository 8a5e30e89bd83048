// A program under test, started as its own process and ended with the test.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace testsupport {

class Process {
public:
    // Starts the executable with the working directory given, and an argument if any.
    Process(const std::wstring& exePath, const std::wstring& workFolder, const std::wstring& argument = L"");
    Process(const std::string& exePath, const std::string& workFolder);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    // True when the process ended within the time; its exit code in *code.
    bool WaitForExit(DWORD ms, DWORD* code = nullptr);
    // The visible top-level window of that class, once the program waits for input.
    HWND WaitForWindow(const char* className, DWORD ms = 20000);

private:
    PROCESS_INFORMATION info_{};
};

// Copies a built program (its path below the distribution folder) into
// folder, whose sub-folders must exist, under the same relative name unless
// another is given; returns the copy's path. A failure fails the test.
std::string InstallProgram(const std::string& distName, const std::string& folder, const std::string& as = "");
std::wstring InstallProgram(const std::string& distName, const std::wstring& folder, const std::wstring& as = L"");
// Whether a top-level window's frame is at (left, top) on the screen and of that size.
testing::AssertionResult FrameIs(HWND window, int left, int top, int width, int height);

// A visible top-level window of this class and caption, of any process,
// once its program waits for input (start-up has laid it out by then).
HWND FindWindowTitled(const char* className, const std::string& caption, DWORD ms = 20000);
// Ends the process that owns the window.
void EndProcessOf(HWND window);
// Chooses an entry of a window's menu bar by keyboard, as a user without a
// mouse does: the first menu, then `entry` steps down from its first entry,
// once the window can take input.
void ChooseFromMenuBar(HWND window, int entry);

// Child windows of a window of any process, by class, in stacking order.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
// Items of a list box or combo box of another process (wide messages, which
// cross processes safely), in code page 932 and whole.
std::vector<std::string> ListItems(HWND list);
std::vector<std::string> ComboItems(HWND combo);
std::vector<std::wstring> WideListItems(HWND list);
std::vector<std::wstring> WideComboItems(HWND combo);
// Client rectangle of a child relative to its parent's client area.
RECT ChildRect(HWND child);
// The child of this class whose rectangle starts at (left, top), or null.
HWND ChildAt(HWND parent, const char* className, int left, int top);

}  // namespace testsupport
