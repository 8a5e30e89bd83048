#include "ui/Control.h"

#include <commctrl.h>

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
                             Bounds b) {
    id_ = id;
    dpi_ = DpiOf(parent);
    RegisterWindowClass(className, COLOR_BTNFACE, classStyle);
    CreateHandle(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, id);
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
    SendMessageA(GetParent(hwnd_), kChildLayoutChanged, 0, 0);
}

void Control::Place() {
    const RECT r = LaidOutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::LaidOutRect() const { return WindowRectFor(bounds_, dpi_, scrolled_, scalesWholeSize_); }

void Control::ScrolledBy(int dx, int dy) {
    scrolled_.x += dx;
    scrolled_.y += dy;
}

void Control::LetMouseThrough() { mouseThrough_ = true; }

LRESULT Control::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
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

bool Control::Visible() const { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    SendMessageA(GetParent(hwnd_), kChildLayoutChanged, 0, 0);
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

namespace {
// The text of a list item, by the list's own length and text messages.
std::wstring ItemText(HWND list, UINT lengthMsg, UINT textMsg, int index) {
    LRESULT n = SendMessageW(list, lengthMsg, WPARAM(index), 0);
    if (n < 0) return {};
    std::wstring text(size_t(n) + 1, L'\0');
    n = SendMessageW(list, textMsg, WPARAM(index), LPARAM(text.data()));
    text.resize(n < 0 ? 0 : size_t(n));
    return text;
}
}  // namespace

// --- Button

void Button::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, parent, id, text, b, font);
}

void Button::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

// --- CheckBox

void CheckBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, parent, id, text, b, font);
}

void CheckBox::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

bool CheckBox::Checked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick) OnClick();  // BM_SETCHECK itself notifies nobody
}

// --- Edit

void Edit::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, parent, id, text, b, font);
}

void Edit::Notify(WORD code) {
    if (code == EN_CHANGE && OnChange) OnChange();
}

void Edit::SetWideText(const std::wstring& text) {
    if (text == WideText()) return;  // WM_SETTEXT would report a change that is none
    Control::SetWideText(text);      // EN_CHANGE reaches Notify
}

// --- Label

void Label::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("STATIC", SS_LEFT | SS_NOPREFIX, 0, parent, id, text, b, font);
    Place();
}

// The text's extent in the label's font is its size at every dpi.
void Label::Place() {
    SIZE size{};
    {
        WindowDc dc(hwnd_);
        Selection inFont(dc.Handle(), HFONT(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        const std::wstring text = WideText();
        GetTextExtentPoint32W(dc.Handle(), text.c_str(), int(text.size()), &size);
    }
    bounds_.width = Unscale(size.cx, dpi_);
    bounds_.height = Unscale(size.cy, dpi_);
    const RECT r = LaidOutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- PathLabel

void PathLabel::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("STATIC", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 0, parent, id, text, b, font);
}

// --- ListBox

void ListBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, parent, id, text, b, font);
}

void ReserveOnDoubling(HWND control, UINT reserveMessage, LRESULT addedIndex, size_t itemBytes) {
    constexpr LRESULT kFirstReserve = 64;  // a short list is not worth the message
    const LRESULT count = addedIndex + 1;
    if (count < kFirstReserve || (count & (count - 1)) != 0) return;
    SendMessageA(control, reserveMessage, WPARAM(count), LPARAM(count * LRESULT(itemBytes)));
}

void ListBox::Add(const std::wstring& item) {
    const LRESULT index = SendMessageW(hwnd_, LB_ADDSTRING, 0, LPARAM(item.c_str()));
    ReserveOnDoubling(hwnd_, LB_INITSTORAGE, index, (item.size() + 1) * sizeof(wchar_t));
}
void ListBox::Add(const std::string& item) { Add(base::ToWide(item)); }
void ListBox::Clear() { SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0); }
void ListBox::Delete(int index) { SendMessageA(hwnd_, LB_DELETESTRING, WPARAM(index), 0); }
int ListBox::Count() const { return int(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }

std::wstring ListBox::WideItem(int index) const { return ItemText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index); }
std::string ListBox::Item(int index) const { return base::FromWide(WideItem(index)); }

int ListBox::ItemIndex() const { return int(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)); }
void ListBox::SetItemIndex(int index) { SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(index), 0); }

int ListBox::FindExact(const std::wstring& text) const {
    return int(SendMessageW(hwnd_, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str())));
}
int ListBox::FindExact(const std::string& text) const { return FindExact(base::ToWide(text)); }

int ListBox::ItemHeight() const { return int(SendMessageA(hwnd_, LB_GETITEMHEIGHT, 0, 0)); }

void ListBox::SetItemHeight(int pixels96) {
    itemHeight96_ = pixels96;
    ApplyItemHeight();
}

void ListBox::ApplyItemHeight() {
    if (itemHeight96_ > 0) SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, Scale(itemHeight96_, dpi_));
}

void ListBox::SetHorizontalExtent(int pixels) {
    extent96_ = Unscale(pixels, dpi_);
    SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, WPARAM(pixels), 0);
}

void ListBox::SetScrollFactor(int32_t factor) {
    int64_t width = int64_t(ClientWidth()) * factor;
    SetHorizontalExtent(int(std::clamp<int64_t>(width, 0, INT32_MAX)));
}

void ListBox::ApplyDpi(UINT dpi, HFONT font) {
    Control::ApplyDpi(dpi, font);  // the new font resets the rows, and Dispatch sets them again
    if (extent96_ >= 0) SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, WPARAM(Scale(extent96_, dpi_)), 0);
}

LRESULT ListBox::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = Control::Dispatch(msg, wp, lp);
    // A new font gives the rows the font's height: keep ours.
    if (msg == WM_SETFONT) ApplyItemHeight();
    return result;
}

int ListBox::HorizontalExtent() const { return int(SendMessageA(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0)); }


// --- ComboBox

// The list of a drop-down combo box: eight rows of 12 pixels and its border.
constexpr int kListHeight = 8 * 12 + 2;

void ComboBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    // The window height of a drop-down combo box includes its list.
    Bounds withList = b;
    withList.height += kListHeight;
    CreateStandard("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, parent, id, text,
                   withList, font);
    bounds_.height = b.height;
    SetRowHeight(12);
    // Given the height again now that the font sets the box's own: the list
    // takes what lies below the box.
    // Done before anything is painted, as later moves keep the box closed
    // (see SetBounds).
    OpenToListHeight();
    SetText(text);  // the combo box leaves its creation text out of its field
}

void ComboBox::OpenToListHeight() {
    Bounds withList = bounds_;
    withList.height += kListHeight;
    const RECT r = WindowRectFor(withList, dpi_, scrolled_);
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The box's own height is its font's.
    RECT closed;
    GetWindowRect(hwnd_, &closed);
    closedHeight_ = closed.bottom - closed.top;
    bounds_.height = Unscale(closedHeight_, dpi_);
}

RECT ComboBox::LaidOutRect() const {
    RECT r = Control::LaidOutRect();
    r.bottom = r.top + closedHeight_;
    return r;
}

void ComboBox::SetRowHeight(int pixels96) {
    rowHeight96_ = pixels96;
    ApplyRowHeight();
}

void ComboBox::ApplyRowHeight() {
    if (rowHeight96_ <= 0) return;
    const int pixels = Scale(rowHeight96_, dpi_);
    SendMessageA(hwnd_, CB_SETITEMHEIGHT, 0, pixels);
    // Wine's combo box passes the rows' height on to its list only when it
    // draws the items itself, and its list takes the font's height: set it
    // on the list as well.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(hwnd_, &info) && info.hwndList) SendMessageA(info.hwndList, LB_SETITEMHEIGHT, 0, pixels);
}

LRESULT ComboBox::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = Control::Dispatch(msg, wp, lp);
    // A new font gives the list rows of the font's height: keep ours.
    if (msg == WM_SETFONT) ApplyRowHeight();
    return result;
}

void ComboBox::SetBounds(Bounds b) {
    // The closed height it has: the list keeps its own height, and the box is
    // never taller for a moment. A box that takes a list height shrinks back
    // by itself under Wine without repainting what it uncovers, which left
    // stale pixels below it.
    b.height = bounds_.height;
    Control::SetBounds(b);
}

void ComboBox::Place() {
    const RECT r = LaidOutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, closedHeight_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::ApplyDpi(UINT dpi, HFONT font) {
    Control::ApplyDpi(dpi, font);
    OpenToListHeight();  // the list's height at the new dpi; the box closes to its new font
}

void ComboBox::Notify(WORD code) {
    if (settingText_) return;
    if (code == CBN_SELCHANGE) {
        // The text field still shows the old text at this point.
        int index = ItemIndex();
        if (index >= 0) {
            settingText_ = true;
            SetWindowTextW(hwnd_, WideItem(index).c_str());
            settingText_ = false;
        }
        if (OnChange) OnChange();
    } else if (code == CBN_EDITCHANGE) {
        if (OnChange) OnChange();
    }
}

void ComboBox::SetWideText(const std::wstring& text) {
    settingText_ = true;
    SetWindowTextW(hwnd_, text.c_str());
    settingText_ = false;
}

void ComboBox::Add(const std::wstring& item) { SendMessageW(hwnd_, CB_ADDSTRING, 0, LPARAM(item.c_str())); }
void ComboBox::Add(const std::string& item) { Add(base::ToWide(item)); }

int ComboBox::Count() const { return int(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

std::wstring ComboBox::WideItem(int index) const { return ItemText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }
std::string ComboBox::Item(int index) const { return base::FromWide(WideItem(index)); }

int ComboBox::ItemIndex() const { return int(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }

void ComboBox::SetItemIndex(int index) {
    settingText_ = true;
    SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(index), 0);
    settingText_ = false;
}

namespace {
LRESULT CALLBACK ForwardContextMenu(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_CONTEXTMENU) return SendMessageW(GetParent(GetParent(hwnd)), WM_CONTEXTMENU, WPARAM(hwnd), lp);
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ForwardContextMenu, id);
    return DefSubclassProc(hwnd, msg, wp, lp);
}
}  // namespace

namespace {
LRESULT CALLBACK MouseThrough(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, MouseThrough, id);
    return DefSubclassProc(hwnd, msg, wp, lp);
}
}  // namespace

void ComboBox::LetMouseThrough() {
    Control::LetMouseThrough();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(hwnd_, &info) && info.hwndItem) SetWindowSubclass(info.hwndItem, MouseThrough, 2, 0);
}

void ComboBox::ForwardContextMenuToParent() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(hwnd_, &info) && info.hwndItem) SetWindowSubclass(info.hwndItem, ForwardContextMenu, 1, 0);
}

// --- Panel

void Panel::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT) {
    CreateOwnClass("RokabinaPanel", 0, parent, id, text, b);
}

void Panel::Paint(HDC dc, const RECT& client) {
    RECT edge = client;
    DrawEdge(dc, &edge, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
}

// --- PaintedControl

LRESULT PaintedControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PaintDc dc(hwnd_);
        RECT client;
        GetClientRect(hwnd_, &client);
        Paint(dc.Handle(), client);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // clicks and context menus go to the window below
    }
    return Control::Dispatch(msg, wp, lp);
}

}  // namespace ui
