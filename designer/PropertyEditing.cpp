// How the editing controls act on the preview: check boxes show and hide
// elements and enable their controls, spin edits move and size them, caption
// fields set their texts. Every change applies at once.
#include <algorithm>
#include <array>
#include <string_view>

#include "designer/MainForm.h"
#include "designer/SpinEditBindings.h"
#include "ui/Buttons.h"

namespace designer {
namespace {

struct CheckBoxBinding {
    const char* checkBox;
    const char* element;
    std::array<const char*, 6> controls;  // in the order they are enabled; null ends the list
};

const CheckBoxBinding kCheckBoxBindings[] = {
    {"CheckBox1", "Image1", {"Edit1", "SpinEdit1", "SpinEdit2", "SpinEdit22", "SpinEdit23"}},
    {"CheckBox2", "Image2", {"Edit2", "SpinEdit3", "SpinEdit4", "SpinEdit24", "SpinEdit25"}},
    {"CheckBox3", "ListBox1", {"SpinEdit16", "SpinEdit17", "SpinEdit18", "SpinEdit19"}},
    {"CheckBox4", "ComboBox1", {"SpinEdit13", "SpinEdit5", "SpinEdit6"}},
    {"CheckBox5", "Button1", {"ComboBox1", "SpinEdit7", "SpinEdit8", "SpinEdit11", "SpinEdit12", "Edit3"}},
    {"CheckBox6", "Button2", {"ComboBox2", "SpinEdit9", "SpinEdit10", "SpinEdit14", "SpinEdit15", "Edit5"}},
};

void SetProperty(ui::Control& target, Property property, int value) {
    switch (property) {
    case Property::Left: target.SetLeft(value); break;
    case Property::Top: target.SetTop(value); break;
    case Property::Width: target.SetWidth(value); break;
    case Property::Height: target.SetHeight(value); break;
    case Property::ScrollFactor: dynamic_cast<ui::ListBox&>(target).SetScrollFactor(value); break;
    }
}

}  // namespace

void TForm1::ApplyCheckBox(const char* checkBoxName) {
    auto binding = std::find_if(std::begin(kCheckBoxBindings), std::end(kCheckBoxBindings),
                                [&](const auto& b) { return std::string_view(b.checkBox) == checkBoxName; });
    bool checked = Get<ui::CheckBox>(checkBoxName).Checked();
    for (const char* name : binding->controls)
        if (name) Find(name).SetEnabled(checked);
    Frame2->Find(binding->element).SetVisible(checked);
}

// A value typed far beyond the bounds is used as it reads until the field clamps it.
void TForm1::ApplySpinEdit(const char* spinEditName) {
    const SpinEditBinding& binding = SpinEditBindingOf(spinEditName);
    ui::Control& target = std::string_view(binding.element) == "Frame2" ? *Frame2 : Frame2->Find(binding.element);
    SetProperty(target, binding.property, Get<ui::SpinEdit>(spinEditName).Value());
}

void TForm1::CheckBox1Click() { ApplyCheckBox("CheckBox1"); }
void TForm1::CheckBox2Click() { ApplyCheckBox("CheckBox2"); }
void TForm1::CheckBox3Click() { ApplyCheckBox("CheckBox3"); }
void TForm1::CheckBox4Click() { ApplyCheckBox("CheckBox4"); }
void TForm1::CheckBox5Click() { ApplyCheckBox("CheckBox5"); }
void TForm1::CheckBox6Click() { ApplyCheckBox("CheckBox6"); }

void TForm1::SpinEdit1Change() { ApplySpinEdit("SpinEdit1"); }
void TForm1::SpinEdit2Change() { ApplySpinEdit("SpinEdit2"); }
void TForm1::SpinEdit3Change() { ApplySpinEdit("SpinEdit3"); }
void TForm1::SpinEdit4Change() { ApplySpinEdit("SpinEdit4"); }
void TForm1::SpinEdit5Change() { ApplySpinEdit("SpinEdit5"); }
void TForm1::SpinEdit6Change() { ApplySpinEdit("SpinEdit6"); }
void TForm1::SpinEdit7Change() { ApplySpinEdit("SpinEdit7"); }
void TForm1::SpinEdit8Change() { ApplySpinEdit("SpinEdit8"); }
void TForm1::SpinEdit9Change() { ApplySpinEdit("SpinEdit9"); }
void TForm1::SpinEdit10Change() { ApplySpinEdit("SpinEdit10"); }
void TForm1::SpinEdit11Change() { ApplySpinEdit("SpinEdit11"); }
void TForm1::SpinEdit12Change() { ApplySpinEdit("SpinEdit12"); }
void TForm1::SpinEdit13Change() { ApplySpinEdit("SpinEdit13"); }
void TForm1::SpinEdit14Change() { ApplySpinEdit("SpinEdit14"); }
void TForm1::SpinEdit15Change() { ApplySpinEdit("SpinEdit15"); }
void TForm1::SpinEdit16Change() { ApplySpinEdit("SpinEdit16"); }
void TForm1::SpinEdit17Change() { ApplySpinEdit("SpinEdit17"); }
void TForm1::SpinEdit18Change() { ApplySpinEdit("SpinEdit18"); }
void TForm1::SpinEdit19Change() { ApplySpinEdit("SpinEdit19"); }
void TForm1::SpinEdit20Change() { ApplySpinEdit("SpinEdit20"); }
void TForm1::SpinEdit21Change() { ApplySpinEdit("SpinEdit21"); }
void TForm1::SpinEdit22Change() { ApplySpinEdit("SpinEdit22"); }
void TForm1::SpinEdit23Change() { ApplySpinEdit("SpinEdit23"); }
void TForm1::SpinEdit24Change() { ApplySpinEdit("SpinEdit24"); }
void TForm1::SpinEdit25Change() { ApplySpinEdit("SpinEdit25"); }

void TForm1::SpinEdit26Change() { ApplySpinEdit("SpinEdit26"); }

void TForm1::Edit3Change() { Frame2->Button1->SetWideText(Get<ui::Edit>("Edit3").WideText()); }
void TForm1::Edit5Change() { Frame2->Button2->SetWideText(Get<ui::Edit>("Edit5").WideText()); }
void TForm1::Edit6Change() { Frame2->ComboBox1->SetWideText(Get<ui::Edit>("Edit6").WideText()); }

}  // namespace designer
