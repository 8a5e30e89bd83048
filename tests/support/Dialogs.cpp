#include "support/Dialogs.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>

#include "base/CodePage.h"
#include "support/Process.h"
#include "ui/MessageBoxes.h"

namespace testsupport {
namespace {

std::atomic<int> g_watchers{0};
std::atomic<int> g_strays{0};
std::mutex g_strayMutex;
std::string g_lastStray;

struct FindArgs {
    DWORD pid;
    const char* cls;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
    auto* args = reinterpret_cast<FindArgs*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == args->pid && IsWindowVisible(hwnd) && ClassName(hwnd) == args->cls) {
        args->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

IconKind IconOf(HWND dlg) {
    HWND icon = GetDlgItem(dlg, ui::kBoxIconId);
    if (!icon) return IconKind::None;
    HICON h = HICON(SendMessageW(icon, STM_GETICON, 0, 0));
    if (!h) return IconKind::None;
    if (h == LoadIconW(nullptr, MAKEINTRESOURCEW(32513))) return IconKind::Stop;     // IDI_HAND
    if (h == LoadIconW(nullptr, MAKEINTRESOURCEW(32515))) return IconKind::Warning;  // IDI_EXCLAMATION
    return IconKind::Other;  // another process's handle cannot be told apart
}

DialogRecord Read(HWND dlg) {
    DialogRecord r;
    r.found = true;
    r.caption = WindowText(dlg);
    r.wideText = WideWindowText(GetDlgItem(dlg, ui::kBoxTextId));
    r.text = base::FromWide(r.wideText);
    r.icon = IconOf(dlg);
    GetWindowRect(dlg, &r.frame);
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (ClassName(c) != "Button") continue;
        std::string text = WindowText(c);
        r.buttons.push_back(text);
        if ((GetWindowLongW(c, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) r.defaultButton = text;
    }
    return r;
}

// To the focus inside the box; to the box itself while the focus is not in
// it yet.
void PostKey(HWND dlg, UINT key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &info);
    HWND target = info.hwndFocus && (info.hwndFocus == dlg || IsChild(dlg, info.hwndFocus)) ? info.hwndFocus : dlg;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void Answer(HWND dlg, Press press) {
    auto click = [dlg](int id) {
        HWND button = GetDlgItem(dlg, id);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(button));
    };
    switch (press) {
    case Press::Ok: click(IDOK); break;
    case Press::Yes: click(IDYES); break;
    case Press::No: click(IDNO); break;
    case Press::Cancel: click(IDCANCEL); break;
    case Press::Escape: PostKey(dlg, VK_ESCAPE); break;
    case Press::Enter: PostKey(dlg, VK_RETURN); break;
    case Press::Close: PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Press::Nothing: break;
    }
}

// A box with its text and buttons in place; file dialogs have their own answer.
bool IsMessageBox(HWND dlg) {
    return ClassName(dlg) == "#32770" && !FileNameField(dlg) && GetDlgItem(dlg, ui::kBoxTextId) &&
           FindWindowExW(dlg, nullptr, L"Button", nullptr);
}

// The answers of this thread still to give, in the order made, and the hook
// that gives them while there are any.
thread_local std::vector<ThreadBoxAnswer*> t_answers;
thread_local HHOOK t_hook = nullptr;

}  // namespace

ThreadBoxAnswer::ThreadBoxAnswer(Press press) : press_(press) {
    if (t_answers.empty()) t_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, OnMessageDone, nullptr, GetCurrentThreadId());
    t_answers.push_back(this);
}

ThreadBoxAnswer::~ThreadBoxAnswer() {
    std::erase(t_answers, this);
    if (t_answers.empty()) UnhookWindowsHookEx(t_hook);
}

LRESULT CALLBACK ThreadBoxAnswer::OnMessageDone(int code, WPARAM wp, LPARAM lp) {
    const auto* done = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && done->message == WM_INITDIALOG && IsMessageBox(done->hwnd)) {
        auto next = std::find_if(t_answers.begin(), t_answers.end(), [](auto* a) { return !a->record_.found; });
        if (next != t_answers.end()) {
            (*next)->record_ = Read(done->hwnd);
            Answer(done->hwnd, (*next)->press_);  // posted: taken by the box's own loop once it shows
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

std::wstring WideWindowText(HWND hwnd) {
    if (!hwnd) return {};
    // GetWindowText does not ask the windows of other processes; WM_GETTEXT does.
    wchar_t buffer[4096] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, LPARAM(buffer), SMTO_ABORTIFHUNG, 5000, &length);
    return buffer;
}

std::string WindowText(HWND hwnd) { return base::FromWide(WideWindowText(hwnd)); }

void SetText(HWND hwnd, const std::wstring& text) { SendMessageW(hwnd, WM_SETTEXT, 0, LPARAM(text.c_str())); }
void SetText(HWND hwnd, const std::string& text) { SetText(hwnd, base::ToWide(text)); }

HWND FindTopWindow(DWORD processId, const char* className) {
    FindArgs args{processId, className, nullptr};
    EnumWindows(FindProc, LPARAM(&args));
    return args.found;
}

HWND FindDialog(DWORD processId) { return FindTopWindow(processId, "#32770"); }

HWND WaitForTopWindow(DWORD processId, const char* className, DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(20))
        if (HWND found = FindTopWindow(processId, className)) return found;
    return nullptr;
}

// cmb13 in the explorer style, edt1 in the old one.
HWND FileNameField(HWND dlg) {
    if (HWND combo = GetDlgItem(dlg, 0x47C)) return combo;
    return GetDlgItem(dlg, 0x480);
}

std::string ClassName(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

DialogAnswer::DialogAnswer(Press press, DWORD processId, DWORD timeoutMs) {
    ++g_watchers;
    thread_ = std::thread([=, this] { Watch(press, processId, timeoutMs); });
}

DialogAnswer::~DialogAnswer() {
    if (thread_.joinable()) thread_.join();
}

const DialogRecord& DialogAnswer::Wait() {
    if (thread_.joinable()) thread_.join();
    return record_;
}

void DialogAnswer::Watch(Press press, DWORD processId, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND dlg = FindDialog(processId);
        // Wait until the box has built its buttons; file dialogs have their own answer.
        if (dlg && IsMessageBox(dlg)) {
            Sleep(50);
            record_ = Read(dlg);
            Answer(dlg, press);
            // Wait for it to go, so that the next watcher does not see it again.
            for (int i = 0; i < 200 && IsWindow(dlg) && IsWindowVisible(dlg) && press != Press::Nothing; ++i) Sleep(10);
            break;
        }
        Sleep(10);
    }
    --g_watchers;
}

FileDialogAnswer::FileDialogAnswer(std::wstring name, DWORD processId, DWORD timeoutMs) {
    ++g_watchers;
    thread_ = std::thread([=, this] { Watch(name, processId, timeoutMs); });
}

FileDialogAnswer::FileDialogAnswer(const std::string& name, DWORD processId, DWORD timeoutMs)
    : FileDialogAnswer(base::ToWide(name), processId, timeoutMs) {}

FileDialogAnswer::~FileDialogAnswer() {
    if (thread_.joinable()) thread_.join();
}

const FileDialogRecord& FileDialogAnswer::Wait() {
    if (thread_.joinable()) thread_.join();
    return record_;
}

void FileDialogAnswer::Watch(const std::wstring& name, DWORD processId, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        HWND dlg = FindDialog(processId);
        HWND field = dlg ? FileNameField(dlg) : nullptr;
        if (field && GetDlgItem(dlg, IDOK)) {
            Sleep(200);  // let the dialog finish filling its lists
            record_.found = true;
            record_.title = WindowText(dlg);
            record_.initialName = WindowText(field);
            if (HWND types = GetDlgItem(dlg, 0x470)) record_.filters = ComboItems(types);
            if (name.empty()) {
                PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(dlg, IDCANCEL)));
            } else {
                SetText(field, name);
                PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dlg, IDOK)));
            }
            for (int i = 0; i < 500 && IsWindow(dlg) && IsWindowVisible(dlg); ++i) Sleep(10);
            break;
        }
        Sleep(10);
    }
    --g_watchers;
}

void StartStrayDialogGuard() {
    std::thread([] {
        DWORD pid = GetCurrentProcessId();
        HWND seen = nullptr;
        DWORD since = 0;
        for (;;) {
            Sleep(100);
            HWND dlg = g_watchers == 0 ? FindDialog(pid) : nullptr;
            if (!dlg) {
                seen = nullptr;
                continue;
            }
            if (dlg != seen) {
                seen = dlg;
                since = GetTickCount();
            } else if (GetTickCount() - since > 3000) {
                {
                    std::lock_guard lock(g_strayMutex);
                    g_lastStray = Read(dlg).text;
                }
                ++g_strays;
                PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
                PostMessageW(dlg, WM_COMMAND, IDOK, 0);
                seen = nullptr;
            }
        }
    }).detach();
}

ScopedWorkArea::ScopedWorkArea(RECT area) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved_, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
}

ScopedWorkArea::~ScopedWorkArea() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0); }

testing::AssertionResult CentredOnScreen(const RECT& frame) {
    const int dx = (frame.left + frame.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
    const int dy = (frame.top + frame.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
    if (std::abs(dx) <= 1 && std::abs(dy) <= 1) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the centre is " << dx << ", " << dy << " pixels off the screen's";
}

int StrayDialogCount() { return g_strays; }

std::string LastStrayDialogText() {
    std::lock_guard lock(g_strayMutex);
    return g_lastStray;
}

}  // namespace testsupport
