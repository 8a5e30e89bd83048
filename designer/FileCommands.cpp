// New, Open, Save, Save As and Exit: the commands that move a layout between
// the designer and the layout files.
#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/Files.h"
#include "base/Paths.h"
#include "designer/MainForm.h"
#include "designer/SpinEditBindings.h"
#include "picture/Picture.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/MessageBoxes.h"
#include "ui/Sound.h"

namespace designer {
namespace {

constexpr UINT kWarningSound = MB_ICONEXCLAMATION;
constexpr wchar_t kLayoutExtension[] = L".rkd";

// "a", "a.txt" and "a.RKD" become "a.rkd", "a.txt.rkd" and "a.RKD.rkd".
base::Path WithLayoutExtension(const base::Path& name) {
    return base::ExtensionOf(name) == kLayoutExtension ? name : name + kLayoutExtension;
}

// SpinEdit9 before SpinEdit10: by the length of the name, then by the name.
bool NumberedBefore(const SpinEditBinding* a, const SpinEditBinding* b) {
    const std::string_view x = a->spinEdit, y = b->spinEdit;
    return x.size() != y.size() ? x.size() < y.size() : x < y;
}

}  // namespace

void TForm1::Save1Click() {
    if (!currentFile_.empty()) {
        WriteLayoutFile(currentFile_);
        return;
    }
    SaveThroughDialog();
}

void TForm1::SaveAs1Click() { SaveThroughDialog(); }

void TForm1::SaveThroughDialog() {
    if (!SaveDialog1.Execute(Handle())) {
        currentFile_.clear();  // Save As cancelled: the next Save asks for a name again
        return;
    }
    base::Path name = WithLayoutExtension(SaveDialog1.FileName());
    if (base::IsExistingFile(name)) {
        ui::PlaySystemSound(kWarningSound);
        if (!ui::AskWarning("そのファイルは既に存在します。上書きしますか？")) return;
    }
    WriteLayoutFile(name);  // a refused write leaves the current name as it was
    currentFile_ = name;
}

void TForm1::Exit1Click() {
    ui::PlaySystemSound(kWarningSound);
    if (ui::AskWarning("本当に終了しますか？")) ui::Application::Instance().Terminate();
}

void TForm1::Open1Click() {
    if (!OpenDialog1.Execute(Handle())) return;
    FreshHistory fresh(*this);
    currentFile_ = OpenDialog1.FileName();
    ReadLayoutFile(currentFile_);
}

void TForm1::New1Click() {
    if (!ui::AskWarning("保存していない場合、編集中のデータは消えてしまいます。\n\r新規作成しますか？")) return;
    FreshHistory fresh(*this);
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        Get<ui::CheckBox>(name).SetChecked(true);
    // The fresh positions and sizes are the ones the window starts with, set
    // in the order of the spin edits' numbers; the scroll factor stays.
    std::vector<const SpinEditBinding*> geometry;
    for (const auto& b : SpinEditBindings())
        if (b.property != Property::ScrollFactor) geometry.push_back(&b);
    std::sort(geometry.begin(), geometry.end(), NumberedBefore);
    for (const SpinEditBinding* b : geometry) Get<ui::SpinEdit>(b->spinEdit).SetValue(std::stoi(InitialText(b->spinEdit)));
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        Get<ui::Edit>(name).SetText(InitialText(name));
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        auto& function = Get<ui::ComboBox>(name);
        if (function.ItemIndex() != -1) function.SetItemIndex(-1);
        function.SetText(InitialText(name));  // the prompt
    }
    // Forgotten before the pictures load: a missing picture must not leave
    // the old file as the target of the next Save.
    currentFile_.clear();
    Frame2->Image1->SetPicture(picture::LoadPicture(Get<ui::Edit>("Edit1").WideText()));
    Frame2->Image2->SetPicture(picture::LoadPicture(Get<ui::Edit>("Edit2").WideText()));
}

}  // namespace designer
