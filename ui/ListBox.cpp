#include "ui/ListBox.h"

#include <algorithm>

#include "base/CodePage.h"
#include "ui/Application.h"

namespace ui {

void ListBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, parent, id, text, b, font);
}

void ListBox::Add(const std::wstring& item) {
    const LRESULT index = SendMessageW(hwnd_, LB_ADDSTRING, 0, LPARAM(item.c_str()));
    ReserveOnDoubling(hwnd_, LB_INITSTORAGE, index, (item.size() + 1) * sizeof(wchar_t));
}
void ListBox::Add(const std::string& item) { Add(base::ToWide(item)); }
void ListBox::Clear() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }
void ListBox::Delete(int index) { SendMessageW(hwnd_, LB_DELETESTRING, WPARAM(index), 0); }
int ListBox::Count() const { return int(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::wstring ListBox::WideItem(int index) const { return ListItemText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index); }
std::string ListBox::Item(int index) const { return base::FromWide(WideItem(index)); }

int ListBox::ItemIndex() const { return int(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)); }
void ListBox::SetItemIndex(int index) { SendMessageW(hwnd_, LB_SETCURSEL, WPARAM(index), 0); }

int ListBox::FindExact(const std::wstring& text) const {
    return int(SendMessageW(hwnd_, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str())));
}
int ListBox::FindExact(const std::string& text) const { return FindExact(base::ToWide(text)); }

int ListBox::ItemHeight() const { return int(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0)); }

void ListBox::SetItemHeight(int pixels96) {
    itemHeight96_ = pixels96;
    ApplyItemHeight();
}

void ListBox::ApplyItemHeight() {
    if (itemHeight96_ > 0) SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, Scale(itemHeight96_, Dpi()));
}

void ListBox::SetHorizontalExtent(int pixels) {
    extent96_ = Unscale(pixels, Dpi());
    SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT, WPARAM(pixels), 0);
}

void ListBox::SetScrollFactor(int32_t factor) {
    int64_t width = int64_t(ClientWidth()) * factor;
    SetHorizontalExtent(int(std::clamp<int64_t>(width, 0, INT32_MAX)));
}

void ListBox::ApplyDpi(UINT dpi, HFONT font) {
    Control::ApplyDpi(dpi, font);  // the new font resets the rows, and Dispatch sets them again
    if (extent96_ >= 0) SendMessageW(hwnd_, LB_SETHORIZONTALEXTENT, WPARAM(Scale(extent96_, Dpi())), 0);
}

LRESULT ListBox::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    if (OnItemChosen) {
        if (msg == WM_GETDLGCODE && lp && reinterpret_cast<const MSG*>(lp)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lp)->wParam == VK_RETURN && ItemIndex() >= 0)
            return Control::Dispatch(msg, wp, lp) | DLGC_WANTMESSAGE;  // Enter is the list's, not the dialog's
        if (msg == WM_KEYDOWN && wp == VK_RETURN && ItemIndex() >= 0) {
            Application::Instance().RunHandler(OnItemChosen);
            return 0;
        }
        if (msg == WM_LBUTTONDBLCLK) {
            const LRESULT result = Control::Dispatch(msg, wp, lp);
            // Below the last item is no item: HIWORD 1.
            const LRESULT hit = SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, lp);
            if (HIWORD(hit) == 0 && ItemIndex() >= 0) Application::Instance().RunHandler(OnItemChosen);
            return result;
        }
    }
    LRESULT result = Control::Dispatch(msg, wp, lp);
    // A new font gives the rows the font's height: keep ours.
    if (msg == WM_SETFONT) ApplyItemHeight();
    return result;
}

int ListBox::HorizontalExtent() const { return int(SendMessageW(hwnd_, LB_GETHORIZONTALEXTENT, 0, 0)); }

}  // namespace ui
