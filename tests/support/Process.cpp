#include "support/Process.h"

#include <stdexcept>

#include "base/CodePage.h"
#include "support/Dialogs.h"
#include "support/TestFolders.h"

namespace testsupport {

Process::Process(const std::string& exePath, const std::string& workFolder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, workFolder.c_str(),
                        &startup, &info_))
        throw std::runtime_error("cannot start " + exePath);
}

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

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassName(c).c_str(), className) == 0) found.push_back(c);
    }
    return found;
}

namespace {
std::vector<std::string> Items(HWND control, UINT countMsg, UINT lengthMsg, UINT textMsg) {
    std::vector<std::string> items;
    int count = int(SendMessageW(control, countMsg, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(size_t(SendMessageW(control, lengthMsg, WPARAM(i), 0)) + 1, L'\0');
        LRESULT n = SendMessageW(control, textMsg, WPARAM(i), LPARAM(text.data()));
        text.resize(n < 0 ? 0 : size_t(n));
        items.push_back(base::FromWide(text));
    }
    return items;
}
}  // namespace

std::vector<std::string> ListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }
std::vector<std::string> ComboItems(HWND combo) { return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT); }

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

std::string InstallProgram(const std::string& distName, const std::string& folder, const std::string& as) {
    const std::string copy = folder + (as.empty() ? distName : as);
    if (!CopyFileA((DistFolder() + distName).c_str(), copy.c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << DistFolder() + distName << " to " << copy;
    return copy;
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
