#include "ui/ComboBox.h"

#include "base/CodePage.h"
#include "ui/ForeignWindow.h"

namespace ui {
namespace {

// The list of a drop-down combo box: eight rows of 12 pixels and its border.
constexpr int kListHeight = 8 * 12 + 2;

}  // namespace

void ComboBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    // The window height of a drop-down combo box includes its list.
    Bounds withList = b;
    withList.height += kListHeight;
    CreateStandard("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, parent, id, text,
                   withList, font);
    SetRowHeight(12);
    // Given the height again now that the font sets the box's own: the list
    // takes what lies below the box.
    // Done before anything is painted, as later moves keep the box closed
    // (see SetBounds).
    OpenToListHeight(b.height);
    SetText(text);  // the combo box leaves its creation text out of its field
}

void ComboBox::OpenToListHeight(int boxHeight96) {
    const RECT r = LaidOutRectWithHeight(boxHeight96 + kListHeight);
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The box's own height is its font's.
    RECT closed;
    GetWindowRect(hwnd_, &closed);
    closedHeight_ = closed.bottom - closed.top;
    AdoptHeight(closedHeight_);
}

RECT ComboBox::LaidOutRect() const {
    RECT r = Control::LaidOutRect();
    r.bottom = r.top + closedHeight_;
    return r;
}

COMBOBOXINFO ComboBox::Parts() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(hwnd_, &info)) info.hwndItem = info.hwndList = nullptr;
    return info;
}

void ComboBox::SetRowHeight(int pixels96) {
    rowHeight96_ = pixels96;
    ApplyRowHeight();
}

void ComboBox::ApplyRowHeight() {
    if (rowHeight96_ <= 0) return;
    const int pixels = Scale(rowHeight96_, Dpi());
    SendMessageW(hwnd_, CB_SETITEMHEIGHT, 0, pixels);
    // Wine's combo box passes the rows' height on to its list only when it
    // draws the items itself, and its list takes the font's height: set it
    // on the list as well.
    if (HWND list = Parts().hwndList) SendMessageW(list, LB_SETITEMHEIGHT, 0, pixels);
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
    b.height = Height();
    Control::SetBounds(b);
}

void ComboBox::Place() {
    const RECT r = LaidOutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, closedHeight_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::ApplyDpi(UINT dpi, HFONT font) {
    Control::ApplyDpi(dpi, font);
    OpenToListHeight(Height());  // the list's height at the new dpi; the box closes to its new font
}

void ComboBox::Notify(WORD code) {
    if (settingText_) return;
    if (code == CBN_SELCHANGE) {
        // A pick in the list comes while the text field still shows the old
        // text; one made by CB_SETCURSEL has set it already.
        if (const int index = ItemIndex(); index >= 0) {
            if (const std::wstring item = WideItem(index); item != WideText()) {
                settingText_ = true;
                SetWindowTextW(hwnd_, item.c_str());
                settingText_ = false;
            }
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

// Room is reserved ahead as the list grows: Wine's list otherwise grows its
// item array a few items at a time, copying all of it each time.
void ComboBox::Add(const std::wstring& item) {
    const LRESULT index = SendMessageW(hwnd_, CB_ADDSTRING, 0, LPARAM(item.c_str()));
    ReserveOnDoubling(hwnd_, CB_INITSTORAGE, index, (item.size() + 1) * sizeof(wchar_t));
}
void ComboBox::Add(const std::string& item) { Add(base::ToWide(item)); }

int ComboBox::Count() const { return int(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }

std::wstring ComboBox::WideItem(int index) const {
    return ListItemText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}
std::string ComboBox::Item(int index) const { return base::FromWide(WideItem(index)); }

int ComboBox::ItemIndex() const { return int(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

void ComboBox::SetItemIndex(int index) {
    settingText_ = true;
    SendMessageW(hwnd_, CB_SETCURSEL, WPARAM(index), 0);
    settingText_ = false;
}

void ComboBox::LetMouseThrough() {
    Control::LetMouseThrough();
    if (HWND field = Parts().hwndItem) ui::LetMouseThrough(field);
}

void ComboBox::ForwardContextMenuToParent() {
    if (HWND field = Parts().hwndItem) ForwardContextMenu(field, GetParent(hwnd_));
}

}  // namespace ui
