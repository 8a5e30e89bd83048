#include "designer/LayoutElements.h"

#include <algorithm>
#include <vector>

#include "layout/LayoutKeys.h"

namespace designer {
namespace {

// The footer picture and the list start one and two pixels below their fresh
// places (the viewer window's): the mock window's own design, kept until
// their tops first change.
constexpr ElementRow kElements[] = {
    {layout::kImage1, -1, 0, "CheckBox1", {"SpinEdit1", "SpinEdit2", "SpinEdit22", "SpinEdit23"}, nullptr,
     "Edit1", nullptr, {"Edit1", "SpinEdit1", "SpinEdit2", "SpinEdit22", "SpinEdit23"}},
    {layout::kComboBox1, 0, 0, "CheckBox4", {"SpinEdit5", "SpinEdit6", "SpinEdit13", nullptr}, "Edit6",
     nullptr, nullptr, {"SpinEdit13", "SpinEdit5", "SpinEdit6"}},
    {layout::kListBox1, 1, 2, "CheckBox3", {"SpinEdit16", "SpinEdit17", "SpinEdit18", "SpinEdit19"},
     nullptr, nullptr, nullptr, {"SpinEdit16", "SpinEdit17", "SpinEdit18", "SpinEdit19"}},
    {layout::kImage2, -1, 1, "CheckBox2", {"SpinEdit3", "SpinEdit4", "SpinEdit24", "SpinEdit25"}, nullptr,
     "Edit2", nullptr, {"Edit2", "SpinEdit3", "SpinEdit4", "SpinEdit24", "SpinEdit25"}},
    {layout::kButton1, 2, 0, "CheckBox5", {"SpinEdit7", "SpinEdit8", "SpinEdit11", "SpinEdit12"}, "Edit3",
     nullptr, "ComboBox1", {"ComboBox1", "SpinEdit7", "SpinEdit8", "SpinEdit11", "SpinEdit12", "Edit3"}},
    {layout::kButton2, 3, 0, "CheckBox6", {"SpinEdit9", "SpinEdit10", "SpinEdit14", "SpinEdit15"}, "Edit5",
     nullptr, "ComboBox2", {"ComboBox2", "SpinEdit9", "SpinEdit10", "SpinEdit14", "SpinEdit15", "Edit5"}},
};
static_assert(std::size(kElements) == kElementCount);
static_assert(kElements[kHeaderPicture].key == layout::kImage1 && kElements[kFooterPicture].key == layout::kImage2 &&
              kElements[kFileList].key == layout::kListBox1);

// What the layout says of the element of that index.
const layout::LayoutElement& TraitsOf(int element) { return layout::LayoutElementOf(kElements[size_t(element)].key); }

std::vector<NumberBinding> MakeNumberBindings() {
    constexpr Property kEdges[] = {Property::Left, Property::Top, Property::Width, Property::Height};
    std::vector<NumberBinding> bindings{{"SpinEdit20", -1, Property::Width},
                                        {"SpinEdit21", -1, Property::Height},
                                        {"SpinEdit26", -1, Property::ScrollFactor}};
    for (int e = 0; e < int(kElementCount); ++e)
        for (size_t edge = 0; edge < 4; ++edge)
            if (const char* spinEdit = kElements[e].spinEdits[edge]) bindings.push_back({spinEdit, e, kEdges[edge]});
    std::sort(bindings.begin(), bindings.end(),
              [](const NumberBinding& a, const NumberBinding& b) { return NumberOf(a.spinEdit) < NumberOf(b.spinEdit); });
    return bindings;
}

std::vector<TextField> MakeTextFields() {
    std::vector<TextField> fields{{"Edit4", -1, TextKind::Title}, {"Edit7", -1, TextKind::ExtensionInput}};
    for (int e = 0; e < int(kElementCount); ++e) {
        if (const char* field = kElements[e].captionField) fields.push_back({field, e, TextKind::Caption});
        if (const char* field = kElements[e].pictureField) fields.push_back({field, e, TextKind::Picture});
    }
    std::sort(fields.begin(), fields.end(),
              [](const TextField& a, const TextField& b) { return NumberOf(a.name) < NumberOf(b.name); });
    return fields;
}

}  // namespace

std::span<const TextField> TextFields() {
    static const std::vector<TextField> fields = MakeTextFields();
    return fields;
}

std::span<const ElementRow> Elements() { return kElements; }

bool HasHeight(int element) { return TraitsOf(element).hasHeight; }

ui::Bounds FreshPlace(int element) {
    const layout::Place p = TraitsOf(element).startUp;
    return {p.left, p.top, p.width, HasHeight(element) ? p.height : 0};
}

ui::ControlKind KindOf(int element) { return ui::ControlKindOf(TraitsOf(element).kind); }

const char* ElementName(int element) { return TraitsOf(element).name; }

const char* FreshCaption(int element) { return TraitsOf(element).caption; }

const char* FreshPicture(int element) { return TraitsOf(element).newPicture; }

ui::Bounds MockPlace(int element) {
    const layout::Place p = TraitsOf(element).startUp;
    return {p.left, p.top + kElements[size_t(element)].mockDrop, p.width, p.height};
}

int ElementIndex(std::string_view name) {
    for (int i = 0; i < int(kElementCount); ++i)
        if (name == ElementName(i)) return i;
    return -1;
}

std::span<const NumberBinding> NumberBindings() {
    static const std::vector<NumberBinding> bindings = MakeNumberBindings();
    return bindings;
}

int NumberOf(std::string_view controlName) {
    const size_t digits = controlName.find_last_not_of("0123456789") + 1;
    int number = 0;
    for (char c : controlName.substr(digits)) number = number * 10 + (c - '0');
    return number;
}

}  // namespace designer
