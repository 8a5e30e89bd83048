// What each spin edit of the main window stands for: the preview element and
// property it moves or sizes, and the layout key it is saved under and opened
// from. Editing, Save, Open and New all read this one table.
#pragma once
#include <span>
#include <string_view>

namespace designer {

enum class Property { Left, Top, Width, Height, ScrollFactor };

struct SpinEditBinding {
    const char* spinEdit;
    const char* element;  // a preview element, or "Frame2" for the mock window itself
    Property property;
    const char* section;
    const char* key;
};

// In the order of the layout file.
std::span<const SpinEditBinding> SpinEditBindings();
// The binding of a spin edit; throws std::logic_error for a name that has none.
const SpinEditBinding& SpinEditBindingOf(std::string_view spinEdit);

}  // namespace designer
