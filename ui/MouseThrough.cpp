#include "ui/MouseThrough.h"

#include <commctrl.h>

namespace ui {
namespace {

LRESULT CALLBACK MouseThroughProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, MouseThroughProc, id);
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void LetMouseThrough(HWND window) { SetWindowSubclass(window, MouseThroughProc, 0, 0); }

}  // namespace ui
