#include "ui/TextControls.h"

#include "ui/ScopedGdi.h"

namespace ui {

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
    AdoptWidth(size.cx);
    AdoptHeight(size.cy);
    const RECT r = LaidOutRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PathLabel::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("STATIC", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 0, parent, id, text, b, font);
}

}  // namespace ui
