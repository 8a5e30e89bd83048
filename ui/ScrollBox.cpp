#include "ui/ScrollBox.h"

#include <algorithm>

namespace ui {
namespace {
constexpr int kLineStep = 8;
}  // namespace

ScrollBox::ScrollBox(std::string name, const char* className, int backgroundColor)
    : Control(std::move(name)), className_(className), backgroundColor_(backgroundColor) {}

ScrollBox::~ScrollBox() { DestroyHandle(); }

void ScrollBox::Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT) {
    CreateOwnClass(className_, 0, parent, id, text, bounds, backgroundColor_, WS_CLIPCHILDREN | WS_TABSTOP,
                   WS_EX_CONTROLPARENT);
}

void ScrollBox::UpdateScrollBars() {
    if (updating_ || !hwnd_) return;
    updating_ = true;
    // The far edges of the visible children, in unscrolled coordinates. The
    // children are this box's controls: asking the window for its children
    // would cost a server call per child under Wine.
    long extentX = 0, extentY = 0;
    for (const auto& control : Controls()) {
        if (!control->Handle() || !control->Visible()) continue;
        const RECT r = control->LaidOutRect();
        extentX = std::max(extentX, long(r.right) + hpos_);
        extentY = std::max(extentY, long(r.bottom) + vpos_);
    }
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const long fullW = outer.right - outer.left, fullH = outer.bottom - outer.top;
    const int barW = SystemMetricForDpi(SM_CXVSCROLL, Dpi()), barH = SystemMetricForDpi(SM_CYHSCROLL, Dpi());
    // Each bar takes room from the other direction, so decide twice.
    bool needH = false, needV = false;
    for (int pass = 0; pass < 2; ++pass) {
        needH = extentX > fullW - (needV ? barW : 0);
        needV = extentY > fullH - (needH ? barH : 0);
    }
    const long pageW = std::max(0L, fullW - (needV ? barW : 0)), pageH = std::max(0L, fullH - (needH ? barH : 0));
    auto setBar = [&](int bar, BarRange& last, bool need, long extent, long page, int pos) {
        const BarRange wanted = need ? BarRange{int(extent), int(page)} : BarRange{};
        const int newPos = need ? int(std::clamp(long(pos), 0L, extent - page)) : 0;
        // Setting a bar costs a frame change under Wine, even an unchanged one.
        if (wanted == last) return newPos;
        last = wanted;
        // The range alone shows or hides the bar: one frame change, not two.
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, wanted.extent - 1),
                      UINT(wanted.page), newPos, 0};
        SetScrollInfo(hwnd_, bar, &si, TRUE);
        return newPos;
    };
    const int newH = setBar(SB_HORZ, horizontal_, needH, extentX, pageW, hpos_);
    const int newV = setBar(SB_VERT, vertical_, needV, extentY, pageH, vpos_);
    ScrollTo(newH, newV);
    updating_ = false;
}

void ScrollBox::ScrollTo(int hpos, int vpos) {
    if (hpos == hpos_ && vpos == vpos_) return;
    int dx = hpos_ - hpos, dy = vpos_ - vpos;
    hpos_ = hpos;
    vpos_ = vpos;
    ScrollWindowEx(hwnd_, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    for (const auto& control : Controls()) control->ScrolledBy(dx, dy);
    SetScrollPos(hwnd_, SB_HORZ, hpos_, TRUE);
    SetScrollPos(hwnd_, SB_VERT, vpos_, TRUE);
}

void ScrollBox::Scroll(int bar, WORD request) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, bar, &si);
    int pos = si.nPos;
    switch (request) {
    case SB_LINEUP: pos -= Scale(kLineStep, Dpi()); break;
    case SB_LINEDOWN: pos += Scale(kLineStep, Dpi()); break;
    case SB_PAGEUP: pos -= int(si.nPage); break;
    case SB_PAGEDOWN: pos += int(si.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
    }
    pos = std::clamp(pos, 0, std::max(0, si.nMax - int(si.nPage) + 1));
    bar == SB_HORZ ? ScrollTo(pos, vpos_) : ScrollTo(hpos_, pos);
}

void ScrollBox::ApplyDpi(UINT dpi, HFONT font) {
    // Back to the start of the view, where the controls' bounds are.
    ScrollTo(0, 0);
    Control::ApplyDpi(dpi, font);
    for (const auto& control : Controls()) control->ApplyDpi(dpi, font);
    UpdateScrollBars();
}

LRESULT ScrollBox::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kChildLayoutChanged:
    case WM_SIZE:
        UpdateScrollBars();
        break;
    case WM_HSCROLL:
        if (!lp) Scroll(SB_HORZ, LOWORD(wp));
        return 0;
    case WM_VSCROLL:
        if (!lp) Scroll(SB_VERT, LOWORD(wp));
        return 0;
    }
    // A window being destroyed runs no more handlers.
    LRESULT result;
    if (!Destroying() && RouteMessage(msg, wp, lp, result)) return result;
    return Control::Dispatch(msg, wp, lp);
}

}  // namespace ui
