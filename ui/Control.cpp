#include "ui/Control.h"

#include <algorithm>
#include <stdexcept>

#include "base/CodePage.h"
#include "ui/ScopedGdi.h"

namespace ui {
namespace {

// Window coordinates are 16-bit in places; keep every value a window can take.
constexpr int kMaxCoordinate = 32767;
int ClampPosition(int v) { return std::clamp(v, -kMaxCoordinate, kMaxCoordinate); }
int ClampSize(int v) { return std::clamp(v, 0, kMaxCoordinate); }
Bounds InRange(Bounds b) { return {ClampPosition(b.left), ClampPosition(b.top), ClampSize(b.width), ClampSize(b.height)}; }

// The window's rectangle for 96-dpi bounds at dpi, moved as its parent
// scrolled, every value one a window can take. Edges are scaled, or the
// size as a whole where the window stands for a client area of that size.
RECT WindowRectFor(const Bounds& b, UINT dpi, POINT scrolled, bool wholeSize = false) {
    RECT r = ScaleEdges(b, dpi);
    if (wholeSize) {
        r.right = r.left + Scale(b.width, dpi);
        r.bottom = r.top + Scale(b.height, dpi);
    }
    const int left = ClampPosition(r.left + scrolled.x), top = ClampPosition(r.top + scrolled.y);
    return {left, top, left + ClampSize(r.right - r.left), top + ClampSize(r.bottom - r.top)};
}

}  // namespace

void Control::CreateStandard(const char* className, DWORD style, DWORD exStyle, HWND parent, int id,
                             const std::string& text, Bounds b, HFONT font) {
    id_ = id;
    dpi_ = DpiOf(parent);
    bounds_ = InRange(b);
    const RECT r = WindowRectFor(bounds_, dpi_, {});
    CreateSubclassed(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left, r.top,
                     r.right - r.left, r.bottom - r.top, parent, id);
    SendMessageW(hwnd_, WM_SETFONT, WPARAM(font), FALSE);
}

void Control::CreateOwnClass(const char* className, UINT classStyle, HWND parent, int id, const std::string& text,
                             Bounds b, int backgroundColor, DWORD style, DWORD exStyle) {
    id_ = id;
    dpi_ = DpiOf(parent);
    RegisterWindowClass(className, backgroundColor, classStyle);
    CreateHandle(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                 id);
    SetBounds(b);
}

void Control::BindHandler(std::function<void()>) { throw std::logic_error("no event on " + name_); }

// Where the window is in view: its bounds, moved as its parent scrolled.
Bounds Control::GetBounds() const {
    Bounds b = bounds_;
    b.left += Unscale(scrolled_.x, dpi_);
    b.top += Unscale(scrolled_.y, dpi_);
    return b;
}

void Control::SetBounds(Bounds b) {
    bounds_ = InRange(b);
    scrolled_ = {};
    Place();
    SendMessageW(GetParent(hwnd_), kChildLayoutChanged, 0, 0);
}

void Control::Place() {
    const RECT r = LaidOutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::LaidOutRect() const { return WindowRectFor(bounds_, dpi_, scrolled_, scalesWholeSize_); }

RECT Control::LaidOutRectWithHeight(int height96) const {
    Bounds b = bounds_;
    b.height = height96;
    return WindowRectFor(b, dpi_, scrolled_, scalesWholeSize_);
}

void Control::AdoptWidth(int pixels) { bounds_.width = Unscale(pixels, dpi_); }
void Control::AdoptHeight(int pixels) { bounds_.height = Unscale(pixels, dpi_); }

void Control::ScrolledBy(int dx, int dy) {
    scrolled_.x += dx;
    scrolled_.y += dy;
}

void Control::LetMouseThrough() { mouseThrough_ = true; }

LRESULT Control::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    // The window's procedure is this object's alone (see Window), so the
    // answer is given here rather than by a procedure of its own (ForeignWindow.h).
    if (msg == WM_NCHITTEST && mouseThrough_) return HTTRANSPARENT;
    return Window::Dispatch(msg, wp, lp);
}

void Control::ApplyDpi(UINT dpi, HFONT font) {
    // A new dpi starts the view afresh: what was scrolled becomes the place.
    bounds_ = InRange(GetBounds());
    scrolled_ = {};
    dpi_ = dpi;
    if (font) SendMessageW(hwnd_, WM_SETFONT, WPARAM(font), FALSE);
    Place();
}

void Control::SetBound(int Bounds::*field, int v) {
    Bounds b = GetBounds();
    b.*field = v;
    SetBounds(b);
}
void Control::SetLeft(int v) { SetBound(&Bounds::left, v); }
void Control::SetTop(int v) { SetBound(&Bounds::top, v); }
void Control::SetWidth(int v) { SetBound(&Bounds::width, v); }
void Control::SetHeight(int v) { SetBound(&Bounds::height, v); }

int Control::ClientWidth() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    return r.right - r.left;
}

bool Control::Visible() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    SendMessageW(GetParent(hwnd_), kChildLayoutChanged, 0, 0);
}
bool Control::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Control::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }

std::wstring WideWindowTextOf(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(size_t(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(size_t(std::max(n, 0)));
    return text;
}

std::string WindowTextOf(HWND hwnd) { return base::FromWide(WideWindowTextOf(hwnd)); }

std::string Control::Text() const { return base::FromWide(WideText()); }
void Control::SetText(const std::string& text) { SetWideText(base::ToWide(text)); }
std::wstring Control::WideText() const { return WideWindowTextOf(hwnd_); }
void Control::SetWideText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }

std::wstring ListItemText(HWND list, UINT lengthMsg, UINT textMsg, int index) {
    LRESULT n = SendMessageW(list, lengthMsg, WPARAM(index), 0);
    if (n < 0) return {};
    std::wstring text(size_t(n) + 1, L'\0');
    n = SendMessageW(list, textMsg, WPARAM(index), LPARAM(text.data()));
    text.resize(n < 0 ? 0 : size_t(n));
    return text;
}

void ReserveOnDoubling(HWND control, UINT reserveMessage, LRESULT addedIndex, size_t itemBytes) {
    constexpr LRESULT kFirstReserve = 64;  // a short list is not worth the message
    const LRESULT count = addedIndex + 1;
    if (count < kFirstReserve || (count & (count - 1)) != 0) return;
    SendMessageW(control, reserveMessage, WPARAM(count), LPARAM(count * LRESULT(itemBytes)));
}

LRESULT PaintedControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PaintDc dc(hwnd_);
        RECT client;
        GetClientRect(hwnd_, &client);
        Paint(dc.Handle(), client);
        return 0;
    }
    return Control::Dispatch(msg, wp, lp);
}

}  // namespace ui
