#include "ui/Buttons.h"

namespace ui {

void Button::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, parent, id, text, b, font);
}

void Button::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

void CheckBox::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, parent, id, text, b, font);
}

void CheckBox::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick();
}

bool CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick) OnClick();  // BM_SETCHECK itself notifies nobody
}

}  // namespace ui
