// The designer's layout and the layout file: which control or preview
// element each key is written from and read into.

#include <vector>

#include "designer/MainForm.h"
#include "designer/SpinEditBindings.h"
#include "layout/LayoutKeys.h"
#include "layout/ProfileFile.h"
#include "picture/Picture.h"
#include "ui/Application.h"
#include "ui/Buttons.h"

namespace designer {
namespace {

using namespace layout;

enum class Target { ElementShown, CheckBox, Edit, Function };

struct Binding {
    const char* section;
    const char* key;
    Target target;
    const char* control;  // a preview element for ElementShown, else a control of the window
};

// In file order, which is the order of writing; the spin edits' keys
// (SpinEditBindings.h) follow these.
const Binding kBindings[] = {
    {kEnable, kImage1, Target::ElementShown, "Image1"},
    {kEnable, kImage2, Target::ElementShown, "Image2"},
    {kEnable, kButton1, Target::ElementShown, "Button1"},
    {kEnable, kButton2, Target::ElementShown, "Button2"},
    {kEnable, kComboBox1, Target::ElementShown, "ComboBox1"},
    {kEnable, kListBox1, Target::ElementShown, "ListBox1"},
    {kEnable, kNotSizeChange, Target::CheckBox, "CheckBox7"},
    {kCaption, kButton1, Target::Edit, "Edit3"},
    {kCaption, kButton2, Target::Edit, "Edit5"},
    {kCaption, kForm, Target::Edit, "Edit4"},
    {kCaption, kComboBox1, Target::Edit, "Edit6"},
    {kFunction, kButton1, Target::Function, "ComboBox1"},
    {kFunction, kButton2, Target::Function, "ComboBox2"},
    {kFile, kImage1, Target::Edit, "Edit1"},
    {kFile, kImage2, Target::Edit, "Edit2"},
};

constexpr char kAllExtensions[] = ".*";

}  // namespace

namespace {

// One key's value, in the order of writing.
struct KeyValue {
    const char* section;
    std::string key;
    std::string value;
};

std::string FlagText(bool value) { return value ? "1" : "0"; }

}  // namespace

void TForm1::WriteLayoutFile(const base::Path& path) {
    // Every value is taken first, so that a text the file cannot hold is
    // refused before the file is touched.
    std::vector<KeyValue> values;
    for (const auto& b : kBindings) {
        std::string value;
        switch (b.target) {
        case Target::ElementShown: value = FlagText(Frame2->Find(b.control).Visible()); break;
        case Target::CheckBox: value = FlagText(Get<ui::CheckBox>(b.control).Checked()); break;
        case Target::Edit: value = LayoutValueText(Get<ui::Edit>(b.control).WideText()); break;
        case Target::Function: value = std::to_string(Get<ui::ComboBox>(b.control).ItemIndex()); break;
        }
        values.push_back({b.section, b.key, std::move(value)});
    }
    for (const auto& b : SpinEditBindings())
        values.push_back({b.section, b.key, std::to_string(Get<ui::SpinEdit>(b.spinEdit).Value())});
    // Only count and the keys up to it are written: readers go by count, and
    // older ex keys beyond it stay as the file had them.
    if (Get<ui::CheckBox>("CheckBox8").Checked()) {
        values.push_back({kExtension, kCount, "1"});
        values.push_back({kExtension, ExtensionKey(1), kAllExtensions});
    } else {
        const auto& list = Get<ui::ListBox>("ListBox1");
        const int count = list.Count();
        values.push_back({kExtension, kCount, std::to_string(count)});
        for (int k = 1; k <= count; ++k)
            values.push_back({kExtension, ExtensionKey(k), LayoutValueText(list.WideItem(k - 1))});
    }
    ProfileFile file(path);
    for (const KeyValue& v : values) file.WriteString(v.section, v.key.c_str(), v.value);
}

void TForm1::ReadLayoutFile(const base::Path& path) {
    ProfileFile file(path);
    auto read = [&](const Binding& b) {
        const LayoutKey& k = FindLayoutKey(b.section, b.key);
        switch (b.target) {
        case Target::ElementShown: Frame2->Find(b.control).SetVisible(file.ReadBool(b.section, b.key, k.openInt)); break;
        case Target::CheckBox: Get<ui::CheckBox>(b.control).SetChecked(file.ReadBool(b.section, b.key, k.openInt)); break;
        case Target::Edit: Get<ui::Edit>(b.control).SetText(file.ReadString(b.section, b.key, k.openText)); break;
        case Target::Function: ChooseFunction(b.control, file.ReadInteger(b.section, b.key, k.openInt)); break;
        }
    };
    // In file order, but the function keys last.
    for (const auto& b : kBindings)
        if (b.target != Target::Function) read(b);
    for (const auto& b : SpinEditBindings()) {
        const int32_t fallback = FindLayoutKey(b.section, b.key).openInt;
        Get<ui::SpinEdit>(b.spinEdit).SetValue(file.ReadInteger(b.section, b.key, fallback));
    }
    for (const auto& b : kBindings)
        if (b.target == Target::Function) read(b);

    // A picture that cannot be shown is reported, and the rest is still read,
    // so that a later save does not lose the file's other picture or extensions.
    LoadPictureReporting(Get<ui::Edit>("Edit1").WideText(), *Frame2->Image1);
    LoadPictureReporting(Get<ui::Edit>("Edit2").WideText(), *Frame2->Image2);

    // The file's extensions replace the list, so that they are what the next save writes.
    auto& list = Get<ui::ListBox>("ListBox1");
    list.Clear();
    int32_t count = std::min(file.ReadInteger(kExtension, kCount, 0), kMaxExtensions);
    for (int32_t k = 1; k <= count; ++k) list.Add(file.ReadString(kExtension, ExtensionKey(k).c_str(), ""));
}

void TForm1::ChooseFunction(const char* comboName, int32_t index) {
    auto& combo = Get<ui::ComboBox>(comboName);
    int wanted = index >= 0 && index < combo.Count() ? int(index) : -1;
    if (combo.ItemIndex() != wanted) combo.SetItemIndex(wanted);
}

void TForm1::LoadPictureReporting(const base::Path& name, ui::PicturePane& pane) {
    if (name.empty()) return;
    try {
        pane.SetPicture(picture::LoadPicture(name));
    } catch (const picture::PictureError& e) {
        ui::Application::Instance().ShowException(e);
    }
}

}  // namespace designer
