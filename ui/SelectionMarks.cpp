#include "ui/SelectionMarks.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Dpi.h"

namespace ui {
namespace {

enum MarkKind : LONG_PTR { kGripMark = 1, kFrameMark, kGuideMark };
constexpr wchar_t kMarkClass[] = L"RokabinaMark";

LRESULT CALLBACK MarkProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCHITTEST: return HTTRANSPARENT;  // the mouse passes through to the element below
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        RECT r;
        GetClientRect(w, &r);
        const LONG_PTR kind = GetWindowLongPtrW(w, GWLP_USERDATA);
        FillRect(dc, &r, GetSysColorBrush(kind == kGuideMark ? COLOR_HOTLIGHT : COLOR_WINDOWTEXT));
        if (kind == kGripMark && r.right > 2 && r.bottom > 2) {  // a hollow square
            InflateRect(&r, -1, -1);
            FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
        }
        EndPaint(w, &ps);
        return 0;
    }
    }
    return DefWindowProcW(w, msg, wp, lp);
}

HWND MakeMark(HWND edited, MarkKind kind) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoExW(instance, kMarkClass, &wc)) {
        wc.lpfnWndProc = MarkProc;
        wc.hInstance = instance;
        wc.lpszClassName = kMarkClass;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw std::runtime_error("the selection marks' window class cannot be registered");
    }
    HWND mark = CreateWindowExW(0, kMarkClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, edited, nullptr,
                                instance, nullptr);
    if (!mark) throw std::runtime_error("a selection mark cannot be created");
    SetWindowLongPtrW(mark, GWLP_USERDATA, kind);
    return mark;
}

void ShowAt(HWND mark, const RECT& r) {
    SetWindowPos(mark, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void Hide(HWND mark) { ShowWindow(mark, SW_HIDE); }

}  // namespace

SelectionMarks::SelectionMarks(HWND edited) : edited_(edited) {
    try {
        for (HWND& grip : grips_) grip = MakeMark(edited, kGripMark);
        for (HWND& side : sides_) side = MakeMark(edited, kFrameMark);
        for (HWND& guide : guides_) guide = MakeMark(edited, kGuideMark);
    } catch (...) {
        Destroy();  // the marks made so far
        throw;
    }
}

SelectionMarks::~SelectionMarks() { Destroy(); }

void SelectionMarks::Destroy() {
    if (!IsWindow(edited_)) return;  // the marks went with the edited window
    for (HWND mark : grips_)
        if (mark) DestroyWindow(mark);
    for (HWND mark : sides_)
        if (mark) DestroyWindow(mark);
    for (HWND mark : guides_)
        if (mark) DestroyWindow(mark);
}

void SelectionMarks::ShowFrame(const RECT& r, const GripRects& grips, UINT dpi) {
    const int t = std::max(1, Scale(1, dpi));
    ShowAt(sides_[0], {r.left - t, r.top - t, r.right + t, r.top});
    ShowAt(sides_[1], {r.right, r.top, r.right + t, r.bottom});
    ShowAt(sides_[2], {r.left - t, r.bottom, r.right + t, r.bottom + t});
    ShowAt(sides_[3], {r.left - t, r.top, r.left, r.bottom});
    for (int grip = 0; grip < kGrips; ++grip) {
        if (grips[grip])
            ShowAt(grips_[grip], *grips[grip]);
        else
            Hide(grips_[grip]);
    }
}

void SelectionMarks::HideFrame() {
    for (HWND mark : grips_) Hide(mark);
    for (HWND mark : sides_) Hide(mark);
}

void SelectionMarks::ShowGuides(std::optional<int> x, std::optional<int> y, const RECT& view) {
    if (x)
        ShowAt(guides_[0], {*x, view.top, *x + 1, view.bottom});
    else
        Hide(guides_[0]);
    if (y)
        ShowAt(guides_[1], {view.left, *y, view.right, *y + 1});
    else
        Hide(guides_[1]);
}

void SelectionMarks::HideGuides() {
    for (HWND guide : guides_) Hide(guide);
}

}  // namespace ui
