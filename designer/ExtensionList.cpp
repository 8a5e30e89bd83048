// The registered extensions: added from Edit7 and removed by the selection
// of ListBox1, which shows them; or all files when CheckBox8 is ticked.
#include "designer/MainForm.h"
#include "ui/Buttons.h"
#include "ui/MessageBoxes.h"

namespace designer {

void TForm1::Button3Click() {
    const std::wstring& text = model_.extensionInput;
    if (text.empty()) {
        ui::ShowPlainMessage("何も入力されていません");
        return;
    }
    // The first character decides: a full-width dot is not a dot here.
    std::wstring entry = text[0] == L'.' ? text : L"." + text;
    if (ExtensionList->FindExact(entry) >= 0) {  // the list's own search ignores letter case
        ui::ShowPlainMessage("すでに登録されています。");
        return;
    }
    DesignerModel next = model_;
    next.layout.extensions.push_back(std::move(entry));
    next.extensionInput.clear();
    Change(next);
}

void TForm1::Button4Click() {
    const int selected = ExtensionList->ItemIndex();
    if (selected < 0 || size_t(selected) >= model_.layout.extensions.size()) return;
    DesignerModel next = model_;
    next.layout.extensions.erase(next.layout.extensions.begin() + selected);
    Change(next);
}

void TForm1::CheckBox8Click() { TakeFromControl("CheckBox8"); }

}  // namespace designer
