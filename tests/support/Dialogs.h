// Finds the modal boxes of a process, records what they show and answers
// them as a user would: the model of Wine's own dialog tests. Boxes of the
// test's own thread are answered from inside it, through a hook; those of
// other processes and the file dialogs by a helper thread that looks for them.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace testsupport {

enum class Press { Ok, Yes, No, Cancel, Escape, Enter, Close, Nothing };
enum class IconKind { None, Stop, Warning, Other };

struct DialogRecord {
    bool found = false;
    std::string caption;
    std::string text;
    std::wstring wideText;  // the text whole, whatever its characters
    std::vector<std::string> buttons;  // in tab order
    std::string defaultButton;
    IconKind icon = IconKind::None;
    RECT frame{};  // on the screen
};

// Starts watching at once; the next dialog of the process is recorded and
// answered with `press`. Wait() returns the record (found false after the timeout).
class DialogAnswer {
public:
    explicit DialogAnswer(Press press, DWORD processId = GetCurrentProcessId(), DWORD timeoutMs = 10000);
    ~DialogAnswer();
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;
    const DialogRecord& Wait();

private:
    void Watch(Press press, DWORD processId, DWORD timeoutMs);
    DialogRecord record_;
    std::thread thread_;
};

// Answers the next message box shown on this thread with `press` (not
// Nothing), from a hook that sees the box built (its WM_INITDIALOG return).
// Several answers wait in the order made. Once the call that showed the box
// has returned, Record() holds it; found false means that no box showed,
// with no time spent waiting for one.
class ThreadBoxAnswer {
public:
    explicit ThreadBoxAnswer(Press press);
    ~ThreadBoxAnswer();
    ThreadBoxAnswer(const ThreadBoxAnswer&) = delete;
    ThreadBoxAnswer& operator=(const ThreadBoxAnswer&) = delete;
    const DialogRecord& Record() const { return record_; }

private:
    static LRESULT CALLBACK OnMessageDone(int code, WPARAM wp, LPARAM lp);
    Press press_;
    DialogRecord record_;
};

struct FileDialogRecord {
    bool found = false;
    std::string title;
    std::string initialName;           // the name field as the dialog opened
    std::vector<std::string> filters;  // the file type list
};

// Answers the next open or save dialog of the process: types `name` into its
// name field and confirms, or cancels it when `name` is empty.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(std::wstring name, DWORD processId = GetCurrentProcessId(), DWORD timeoutMs = 10000);
    explicit FileDialogAnswer(const std::string& name, DWORD processId = GetCurrentProcessId(),
                              DWORD timeoutMs = 10000);
    ~FileDialogAnswer();
    FileDialogAnswer(const FileDialogAnswer&) = delete;
    FileDialogAnswer& operator=(const FileDialogAnswer&) = delete;
    const FileDialogRecord& Wait();

private:
    void Watch(const std::wstring& name, DWORD processId, DWORD timeoutMs);
    FileDialogRecord record_;
    std::thread thread_;
};

// The first visible dialog box (#32770) of the process, or null.
HWND FindDialog(DWORD processId = GetCurrentProcessId());
// The first visible top-level window of the process with this class, or null.
HWND FindTopWindow(DWORD processId, const char* className);
// The same, waited for up to the time given.
HWND WaitForTopWindow(DWORD processId, const char* className, DWORD ms);
// The name field of an open or save dialog, or null for any other dialog.
HWND FileNameField(HWND dlg);
// Text and class name of a window of any process, in code page 932.
std::string WindowText(HWND hwnd);
std::wstring WideWindowText(HWND hwnd);
void SetText(HWND hwnd, const std::string& text);
void SetText(HWND hwnd, const std::wstring& text);
std::string ClassName(HWND hwnd);

// Sets the desktop's work area (what the task bar leaves) for a test and puts
// the old one back, so that "centred on the screen" and "centred on the work
// area" differ even under Xvfb, where no task bar takes any room.
class ScopedWorkArea {
public:
    explicit ScopedWorkArea(RECT area);
    ~ScopedWorkArea();
    ScopedWorkArea(const ScopedWorkArea&) = delete;
    ScopedWorkArea& operator=(const ScopedWorkArea&) = delete;

private:
    RECT saved_{};
};

// Whether a window's frame (screen coordinates) is centred on the primary screen, to a pixel.
testing::AssertionResult CentredOnScreen(const RECT& frame);

// Closes dialogs of this process that no DialogAnswer waits for, so that a
// test that shows an unexpected box fails instead of hanging.
void StartStrayDialogGuard();
int StrayDialogCount();
std::string LastStrayDialogText();

}  // namespace testsupport
