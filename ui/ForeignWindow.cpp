#include "ui/ForeignWindow.h"

namespace ui {
namespace {

// What a hooked window answers itself; kept in its user data, and gone with it.
struct Hook {
    WNDPROC ownProc;
    bool mouseThrough = false;
    HWND menuTarget = nullptr;
};

LRESULT CALLBACK HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const Hook* hook = reinterpret_cast<const Hook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC ownProc = hook->ownProc;
    if (msg == WM_NCHITTEST && hook->mouseThrough) return HTTRANSPARENT;
    if (msg == WM_CONTEXTMENU && hook->menuTarget) return SendMessageW(hook->menuTarget, WM_CONTEXTMENU, WPARAM(hwnd), lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, LONG_PTR(ownProc));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete hook;
    }
    return CallWindowProcW(ownProc, hwnd, msg, wp, lp);
}

Hook& HookOf(HWND window) {
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) == LONG_PTR(HookProc))
        return *reinterpret_cast<Hook*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    auto* hook = new Hook{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC))};
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(hook));
    SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(HookProc));
    return *hook;
}

}  // namespace

void LetMouseThrough(HWND window) { HookOf(window).mouseThrough = true; }

void ForwardContextMenu(HWND window, HWND target) { HookOf(window).menuTarget = target; }

}  // namespace ui
