// How the values show: each value has its control in the main window and,
// for most, a property of the preview. Show brings the views of every value
// that changed in line, in the order New sets them: the element check boxes,
// the spin edits by number, the fields by number, the action combo boxes,
// then what New leaves alone. A control already showing its value is left
// alone (and so runs nothing); the preview follows a value only when it
// changes, so its own start-up places hold until then.
#include <algorithm>
#include <numeric>
#include <vector>

#include "designer/MainForm.h"
#include "ui/SpinEdit.h"

namespace designer {
namespace {

// The elements in the order of their check boxes' numbers.
std::vector<size_t> ByCheckBox() {
    std::vector<size_t> order(kElementCount);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [](size_t a, size_t b) { return NumberOf(Elements()[a].checkBox) < NumberOf(Elements()[b].checkBox); });
    return order;
}

void SetPreviewNumber(TFrame2& mock, const NumberBinding& b, int32_t value) {
    ui::Control& target = b.element < 0 ? static_cast<ui::Control&>(mock) : mock.Element(b.element);
    switch (b.property) {
    case Property::Left: target.SetLeft(value); break;
    case Property::Top: target.SetTop(value); break;
    case Property::Width: target.SetWidth(value); break;
    case Property::Height: target.SetHeight(value); break;
    case Property::ScrollFactor: mock.FileList().SetScrollFactor(value); break;
    }
}

void ShowList(ui::ListBox& list, const std::vector<std::wstring>& was, const std::vector<std::wstring>& now) {
    const size_t kept = size_t(std::mismatch(was.begin(), was.end(), now.begin(), now.end()).first - was.begin());
    for (size_t i = was.size(); i > kept; --i) list.Delete(int(i - 1));
    for (size_t i = kept; i < now.size(); ++i) list.Add(now[i]);
}

}  // namespace

void TForm1::Show(const DesignerModel& next) {
    const DesignerModel old = std::exchange(model_, next);
    const LayoutValues &was = old.layout, &now = next.layout;
    // Each check box enables its element's controls, then shows the element.
    static const std::vector<size_t> byCheckBox = ByCheckBox();
    for (size_t i : byCheckBox) {
        const ElementRow& row = Elements()[i];
        if (old.switchedOn[i] != next.switchedOn[i]) {
            Get<ui::CheckBox>(row.checkBox).SetChecked(next.switchedOn[i]);
            for (const char* name : row.switchedControls)
                if (name) Find(name).SetEnabled(next.switchedOn[i]);
        }
        if (was.elements[i].shown != now.elements[i].shown) Frame2->Element(int(i)).SetVisible(now.elements[i].shown);
    }
    for (const NumberBinding& b : NumberBindings()) {
        const int32_t value = NumberIn(now, b);
        if (NumberIn(was, b) == value) continue;
        auto& spin = Get<ui::SpinEdit>(b.spinEdit);
        if (spin.Value() != value) spin.SetValue(value);
        SetPreviewNumber(*Frame2, b, value);
    }
    for (const TextField& field : TextFields()) {
        const std::wstring& text = TextIn(next, field);
        if (TextIn(old, field) == text) continue;
        Get<ui::Edit>(field.name).SetWideText(text);
        if (field.kind == TextKind::Caption) Frame2->Element(field.element).SetWideText(text);
    }
    for (size_t i = 0; i < kElementCount; ++i) {
        const char* box = Elements()[i].functionBox;
        const int32_t function = now.elements[i].function;
        if (!box || was.elements[i].function == function) continue;
        auto& combo = Get<ui::ComboBox>(box);
        if (combo.ItemIndex() == function) continue;  // the user's own choice
        combo.SetItemIndex(function);
        if (function < 0) combo.SetText(kFunctionPrompt);
    }
    if (was.noResize != now.noResize) Get<ui::CheckBox>("CheckBox7").SetChecked(now.noResize);
    if (was.allExtensions != now.allExtensions) {
        Get<ui::CheckBox>("CheckBox8").SetChecked(now.allExtensions);
        for (const char* name : {"Edit7", "Button3", "Button4"}) Find(name).SetEnabled(!now.allExtensions);
        ExtensionList->SetEnabled(!now.allExtensions);
    }
    if (was.extensions != now.extensions) ShowList(*ExtensionList, was.extensions, now.extensions);
    for (size_t i = 0; i < kElementCount; ++i)
        if (ui::PicturePane* pane = Frame2->PictureOf(int(i)); pane && old.pictures[i] != next.pictures[i])
            pane->SetPicture(next.pictures[i]);
}

void TForm1::ShowFunctionPrompts() {
    for (const ElementRow& row : Elements())
        if (row.functionBox && Get<ui::ComboBox>(row.functionBox).ItemIndex() < 0)
            Get<ui::ComboBox>(row.functionBox).SetText(kFunctionPrompt);
}

}  // namespace designer
