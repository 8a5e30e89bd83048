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

}  // namespace

void Control::CreateStandard(const char* className, DWORD style, DWORD exStyle, HWND parent, int id,
                             const std::string& text, Bounds b, HFONT font) {
    id_ = id;
    CreateSubclassed(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                     ClampPosition(b.left), ClampPosition(b.top), ClampSize(b.width), ClampSize(b.height), parent, id);
    SendMessageW(hwnd_, WM_SETFONT, WPARAM(font), FALSE);
}

void Control::CreateOwnClass(const char* className, UINT classStyle, HWND parent, int id, const std::string& text,
                             Bounds b) {
    id_ = id;
    RegisterWindowClass(className, COLOR_BTNFACE, classStyle);
    CreateHandle(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, id);
    SetBounds(b);
}

void Control::BindHandler(std::function<void()>) { throw std::logic_error("no event on " + name_); }

Bounds Control::GetBounds() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return {int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)};
}

void Control::SetBounds(Bounds b) {
    SetWindowPos(hwnd_, nullptr, ClampPosition(b.left), ClampPosition(b.top), ClampSize(b.width),
                 ClampSize(b.height), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(GetParent(hwnd_), kChildLayoutChanged, 0, 0);
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
    SIZE size{};
    {
        WindowDc dc(parent);
        Selection inFont(dc.Handle(), font);
        const std::wstring wide = base::ToWide(text);
        GetTextExtentPoint32W(dc.Handle(), wide.c_str(), int(wide.size()), &size);
    }
    b.width = size.cx;
    b.height = size.cy;
    CreateStandard("STATIC", SS_LEFT | SS_NOPREFIX, 0, parent, id, text, b, font);
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
void ListBox::SetItemHeight(int pixels) { SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, pixels); }

void ListBox::SetHorizontalExtent(int pixels) { SendMessageA(hwnd_, LB_SETHORIZONTALEXTENT, WPARAM(pixels), 0); }
void ListBox::SetScrollFactor(int32_t factor) {
    int64_t width = int64_t(ClientWidth()) * factor;
    SetHorizontalExtent(int(std::clamp<int64_t>(width, 0, INT32_MAX)));
}

int ListBox::HorizontalExtent() const { return int(SendMessageA(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0)); }


// --- ComboBox

void ComboBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    // The window height of a drop-down combo box includes its list: eight rows.
    Bounds withList = b;
    withList.height = b.height + 8 * 12 + 2;
    CreateStandard("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, parent, id, text,
                   withList, font);
    SetRowHeight(12);
    // Given the height again now that the font sets the box's own: the list
    // takes what lies below the box. Done before anything is painted, as
    // later moves keep the box closed (see SetBounds).
    Control::SetBounds(withList);
    SetText(text);  // the combo box leaves its creation text out of its field
}

void ComboBox::SetRowHeight(int pixels) {
    rowHeight_ = pixels;
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
    if (msg == WM_SETFONT && rowHeight_ > 0) SetRowHeight(rowHeight_);
    return result;
}

void ComboBox::SetBounds(Bounds b) {
    // The closed height it has: the list keeps its own height, and the box is
    // never taller for a moment. A box that takes a list height shrinks back
    // by itself under Wine without repainting what it uncovers, which left
    // stale pixels below it.
    b.height = Height();
    Control::SetBounds(b);
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
