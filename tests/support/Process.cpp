#include "support/Process.h"

#include <stdexcept>
#include <string>

#include "base/CodePage.h"
#include "support/Dialogs.h"
#include "support/Input.h"
#include "support/TestFolders.h"

namespace testsupport {

Process::Process(const std::wstring& exePath, const std::wstring& workFolder, const std::wstring& argument) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exePath + L"\"";
    if (!argument.empty()) command += L" \"" + argument + L"\"";
    if (!CreateProcessW(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, workFolder.c_str(),
                        &startup, &info_))
        throw std::runtime_error("cannot start " + base::FromWide(exePath) + ": error " + std::to_string(GetLastError()));
}

Process::Process(const std::string& exePath, const std::string& workFolder)
    : Process(base::ToWide(exePath), base::ToWide(workFolder)) {}

Process::~Process() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::WaitForExit(DWORD ms, DWORD* code) {
    if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return false;
    if (code) GetExitCodeProcess(info_.hProcess, code);
    return true;
}

HWND Process::WaitForWindow(const char* className, DWORD ms) {
    WaitForInputIdle(info_.hProcess, ms);
    HWND found = WaitForTopWindow(Id(), className, ms);
    if (found) WaitForInputIdle(info_.hProcess, ms);
    return found;
}

HWND FindWindowTitled(const char* className, const std::string& caption, DWORD ms) {
    std::wstring wide = base::ToWide(caption);
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(50)) {
        HWND found = FindWindowW(base::ToWide(className).c_str(), wide.c_str());
        if (!found || !IsWindowVisible(found)) continue;  // created hidden, shown after start-up
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid)) {
            WaitForInputIdle(process, ms);
            CloseHandle(process);
        }
        return found;
    }
    return nullptr;
}

void EndProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void ChooseFromMenuBar(HWND window, int entry) {
    // A menu loop that began in a window not yet active would end at its activation.
    EXPECT_TRUE(WaitUntilTakesInput(window)) << "the window never took input";
    PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 1);  // opens the first menu at its first entry
    for (int i = 0; i < entry; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassName(c).c_str(), className) == 0) found.push_back(c);
    }
    return found;
}

namespace {
std::vector<std::wstring> Items(HWND control, UINT countMsg, UINT lengthMsg, UINT textMsg) {
    std::vector<std::wstring> items;
    int count = int(SendMessageW(control, countMsg, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(size_t(SendMessageW(control, lengthMsg, WPARAM(i), 0)) + 1, L'\0');
        LRESULT n = SendMessageW(control, textMsg, WPARAM(i), LPARAM(text.data()));
        text.resize(n < 0 ? 0 : size_t(n));
        items.push_back(text);
    }
    return items;
}

std::vector<std::string> Narrow(const std::vector<std::wstring>& wide) {
    std::vector<std::string> items;
    for (const std::wstring& item : wide) items.push_back(base::FromWide(item));
    return items;
}
}  // namespace

std::vector<std::wstring> WideListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }
std::vector<std::wstring> WideComboItems(HWND combo) {
    return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
std::vector<std::string> ListItems(HWND list) { return Narrow(WideListItems(list)); }
std::vector<std::string> ComboItems(HWND combo) { return Narrow(WideComboItems(combo)); }

RECT ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND ChildAt(HWND parent, const char* className, int left, int top) {
    for (HWND c : ChildrenOfClass(parent, className)) {
        RECT r = ChildRect(c);
        if (r.left == left && r.top == top) return c;
    }
    return nullptr;
}

std::wstring InstallProgram(const std::string& distName, const std::wstring& folder, const std::wstring& as) {
    const std::wstring copy = folder + (as.empty() ? base::ToWide(distName) : as);
    if (!CopyFileW(base::ToWide(DistFolder() + distName).c_str(), copy.c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << DistFolder() + distName << " to " << base::FromWide(copy);
    return copy;
}

std::string InstallProgram(const std::string& distName, const std::string& folder, const std::string& as) {
    return base::FromWide(InstallProgram(distName, base::ToWide(folder), base::ToWide(as)));
}

testing::AssertionResult FrameIs(HWND window, int left, int top, int width, int height) {
    RECT r;
    GetWindowRect(window, &r);
    if (r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the frame is at " << r.left << ", " << r.top << ", "
                                       << r.right - r.left << " x " << r.bottom - r.top;
}

}  // namespace testsupport
