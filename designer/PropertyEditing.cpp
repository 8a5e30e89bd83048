// The user's changes in the main window's controls, taken into the values:
// a check box switches its element on or off (shown or hidden, its controls
// enabled or not), a spin edit moves or sizes it, a field sets a caption, a
// picture name or the title. The views, the preview among them, follow.
#include <string_view>

#include "designer/MainForm.h"
#include "ui/Buttons.h"
#include "ui/SpinEdit.h"

namespace designer {

void TForm1::TakeFromControl(const char* name) {
    DesignerModel next = model_;
    std::string group;  // a run of changes in one field is one step
    for (size_t i = 0; i < kElementCount; ++i) {
        const ElementRow& row = Elements()[i];
        if (std::string_view(name) == row.checkBox) {
            const bool on = Get<ui::CheckBox>(name).Checked();
            if (on == next.switchedOn[i]) return;
            next.switchedOn[i] = next.layout.elements[i].shown = on;
        }
        if (row.functionBox && std::string_view(name) == row.functionBox)
            next.layout.elements[i].function = Get<ui::ComboBox>(name).ItemIndex();
    }
    for (const NumberBinding& b : NumberBindings())
        if (std::string_view(name) == b.spinEdit) {
            NumberIn(next.layout, b) = Get<ui::SpinEdit>(name).Value();
            group = name;
        }
    for (const TextField& field : TextFields())
        if (std::string_view(name) == field.name) {
            TextIn(next, field) = Get<ui::Edit>(name).WideText();
            group = name;
        }
    if (std::string_view(name) == "CheckBox7") next.layout.noResize = Get<ui::CheckBox>(name).Checked();
    if (std::string_view(name) == "CheckBox8") next.layout.allExtensions = Get<ui::CheckBox>(name).Checked();
    if (next != model_) Change(next, group);
}

void TForm1::CheckBox1Click() { TakeFromControl("CheckBox1"); }
void TForm1::CheckBox2Click() { TakeFromControl("CheckBox2"); }
void TForm1::CheckBox3Click() { TakeFromControl("CheckBox3"); }
void TForm1::CheckBox4Click() { TakeFromControl("CheckBox4"); }
void TForm1::CheckBox5Click() { TakeFromControl("CheckBox5"); }
void TForm1::CheckBox6Click() { TakeFromControl("CheckBox6"); }

// A value typed beyond the bounds is taken as it reads until the field clamps it.
void TForm1::SpinEdit1Change() { TakeFromControl("SpinEdit1"); }
void TForm1::SpinEdit2Change() { TakeFromControl("SpinEdit2"); }
void TForm1::SpinEdit3Change() { TakeFromControl("SpinEdit3"); }
void TForm1::SpinEdit4Change() { TakeFromControl("SpinEdit4"); }
void TForm1::SpinEdit5Change() { TakeFromControl("SpinEdit5"); }
void TForm1::SpinEdit6Change() { TakeFromControl("SpinEdit6"); }
void TForm1::SpinEdit7Change() { TakeFromControl("SpinEdit7"); }
void TForm1::SpinEdit8Change() { TakeFromControl("SpinEdit8"); }
void TForm1::SpinEdit9Change() { TakeFromControl("SpinEdit9"); }
void TForm1::SpinEdit10Change() { TakeFromControl("SpinEdit10"); }
void TForm1::SpinEdit11Change() { TakeFromControl("SpinEdit11"); }
void TForm1::SpinEdit12Change() { TakeFromControl("SpinEdit12"); }
void TForm1::SpinEdit13Change() { TakeFromControl("SpinEdit13"); }
void TForm1::SpinEdit14Change() { TakeFromControl("SpinEdit14"); }
void TForm1::SpinEdit15Change() { TakeFromControl("SpinEdit15"); }
void TForm1::SpinEdit16Change() { TakeFromControl("SpinEdit16"); }
void TForm1::SpinEdit17Change() { TakeFromControl("SpinEdit17"); }
void TForm1::SpinEdit18Change() { TakeFromControl("SpinEdit18"); }
void TForm1::SpinEdit19Change() { TakeFromControl("SpinEdit19"); }
void TForm1::SpinEdit20Change() { TakeFromControl("SpinEdit20"); }
void TForm1::SpinEdit21Change() { TakeFromControl("SpinEdit21"); }
void TForm1::SpinEdit22Change() { TakeFromControl("SpinEdit22"); }
void TForm1::SpinEdit23Change() { TakeFromControl("SpinEdit23"); }
void TForm1::SpinEdit24Change() { TakeFromControl("SpinEdit24"); }
void TForm1::SpinEdit25Change() { TakeFromControl("SpinEdit25"); }
void TForm1::SpinEdit26Change() { TakeFromControl("SpinEdit26"); }

void TForm1::Edit3Change() { TakeFromControl("Edit3"); }
void TForm1::Edit5Change() { TakeFromControl("Edit5"); }
void TForm1::Edit6Change() { TakeFromControl("Edit6"); }

}  // namespace designer
