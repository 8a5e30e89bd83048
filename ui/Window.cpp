#include "ui/Window.h"

#include <string>

#include "base/CodePage.h"

namespace ui {
namespace {

WindowError Refusal(const std::string& what) {
    return WindowError(what + "（エラー " + std::to_string(GetLastError()) + "）");
}

}  // namespace

void CenterOnScreen(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Window::~Window() { DestroyHandle(); }

void Window::RegisterWindowClass(const char* className, int backgroundColor, UINT classStyle) {
    // Unicode windows, whose texts reach the platform whole whatever the
    // PC's code page.
    const std::wstring name = base::ToWide(className);
    // A class name is an atom, of at most 255 characters; Wine's wide calls
    // overrun their buffers on a longer one instead of refusing it.
    if (name.size() > 255) {
        SetLastError(ERROR_INVALID_PARAMETER);
        throw Refusal(std::string("ウィンドウクラス ") + className + " を登録できません");
    }
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = ClassProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = GetSysColorBrush(backgroundColor);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) throw Refusal(std::string("ウィンドウクラス ") + className + " を登録できません");
}

HWND Window::CreateHandle(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int w,
                          int h, HWND parent, int id) {
    subclassed_ = false;
    destroying_ = false;
    HMENU childId = (style & WS_CHILD) ? HMENU(INT_PTR(id)) : nullptr;
    // ClassProc binds the window to this object at WM_NCCREATE; a creation
    // refused after that has already passed WM_NCDESTROY and left no handle.
    const std::wstring wideTitle = title ? base::ToWide(title) : std::wstring();
    if (!CreateWindowExW(exStyle, base::ToWide(className).c_str(), title ? wideTitle.c_str() : nullptr, style, x, y, w,
                         h, parent, childId, GetModuleHandleW(nullptr), this))
        throw Refusal(std::string("ウィンドウ ") + className + " を作成できません");
    return hwnd_;
}

HWND Window::CreateSubclassed(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                              int w, int h, HWND parent, int id) {
    // A Unicode window, subclassed through the wide calls so that it stays
    // one: the names it shows and hands back are whole, whatever their characters.
    const std::wstring wideTitle = title ? base::ToWide(title) : std::wstring();
    HWND hwnd = CreateWindowExW(exStyle, base::ToWide(className).c_str(), title ? wideTitle.c_str() : nullptr, style,
                                x, y, w, h, parent, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) throw Refusal(std::string("ウィンドウ ") + className + " を作成できません");
    // The window procedure is replaced rather than chained through the common
    // controls' subclass list: that list lives in a window property, which
    // Wine fetches from its server for every message.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(this));
    classProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, LONG_PTR(SubclassProc)));
    if (!classProc_) {
        WindowError error = Refusal(std::string("ウィンドウ ") + className + " を作成できません");
        DestroyWindow(hwnd);
        throw error;
    }
    hwnd_ = hwnd;
    subclassed_ = true;
    destroying_ = false;
    return hwnd;
}

void Window::DestroyHandle() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    Unbind();
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

void Window::Unbind() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    if (subclassed_ && GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == LONG_PTR(SubclassProc))
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, LONG_PTR(classProc_));
}

LRESULT Window::Dispatch(UINT msg, WPARAM wp, LPARAM lp) { return DefaultProc(msg, wp, lp); }

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return subclassed_ ? CallWindowProcW(classProc_, hwnd_, msg, wp, lp) : DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT Window::Receive(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) destroying_ = true;
    if (msg != WM_NCDESTROY) return Dispatch(msg, wp, lp);
    // The window's last message. A subclass is removed before the message
    // goes on to the class, as the platform asks.
    Unbind();
    LRESULT result = Dispatch(msg, wp, lp);
    hwnd_ = nullptr;
    return result;
}

LRESULT CALLBACK Window::ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Receive(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Bound from creation until Unbind, which also puts the class's procedure back.
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))->Receive(msg, wp, lp);
}

}  // namespace ui
