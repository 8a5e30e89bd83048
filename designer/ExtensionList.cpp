// The registered extensions: the entries of ListBox1, added from Edit7 and
// removed by selection, or all files when CheckBox8 is ticked.
#include "designer/MainForm.h"
#include "ui/Buttons.h"
#include "ui/MessageBoxes.h"

namespace designer {

void TForm1::Button3Click() {
    auto& input = Get<ui::Edit>("Edit7");
    auto& list = Get<ui::ListBox>("ListBox1");
    std::wstring text = input.WideText();
    if (text.empty()) {
        ui::ShowPlainMessage("何も入力されていません");
        return;
    }
    // The first character decides: a full-width dot is not a dot here.
    std::wstring entry = text[0] == L'.' ? text : L"." + text;
    if (list.FindExact(entry) >= 0) {  // the list's own search ignores letter case
        ui::ShowPlainMessage("すでに登録されています。");
        return;
    }
    list.Add(entry);
    input.SetText("");
}

void TForm1::Button4Click() {
    auto& list = Get<ui::ListBox>("ListBox1");
    int selected = list.ItemIndex();
    if (selected >= 0) list.Delete(selected);
}

void TForm1::CheckBox8Click() {
    bool allFiles = Get<ui::CheckBox>("CheckBox8").Checked();
    for (const char* name : {"Edit7", "Button3", "Button4", "ListBox1"}) Find(name).SetEnabled(!allFiles);
}

}  // namespace designer
