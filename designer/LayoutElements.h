// The six elements of a layout, listed once: what each is called in the
// preview and in the layout file, where the mock window shows it at start,
// its fresh values, and which controls of the main window edit it. Every
// part of the designer that goes through the elements goes through this.
#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "layout/LayoutKeys.h"
#include "ui/ControlKinds.h"

namespace designer {

using layout::kElementCount;

enum class Property { Left, Top, Width, Height, ScrollFactor };

struct ElementRow {
    const char* key;       // its key in every section of the layout file
    int tabOrder;          // in the mock window; -1 for none
    int mockDrop;          // how far below the viewer's start-up place the mock window shows it at first
    const char* checkBox;  // shows or hides it
    std::array<const char*, 4> spinEdits;  // left, top, width, height; null where there is no key
    const char* captionField;   // the field of its caption, or null
    const char* pictureField;   // the field of its picture's file name, or null
    const char* functionBox;    // the combo box of its action, or null
    // Enabled with its check box and disabled without, in this order; null ends the list.
    std::array<const char*, 6> switchedControls;
};

// In the order the mock window lays them out from the top, which is the
// order Tab goes through them.
std::span<const ElementRow> Elements();
// The indices in Elements() of the elements the designer reaches by what they are.
inline constexpr int kHeaderPicture = 0, kFileList = 2, kFooterPicture = 3;
// Whether the element of that index in Elements() has a height of its own,
// with its key and field: the chooser's is its font's.
bool HasHeight(int element);
// Its place and size as New sets them: where the viewer window starts it,
// with no height where it has none.
ui::Bounds FreshPlace(int element);
// The preview element's name: the viewer's control's.
const char* ElementName(int element);
// The kind of control the preview element is.
ui::ControlKind KindOf(int element);
// Its caption as New sets it: the viewer's where the layout gives none.
const char* FreshCaption(int element);
// The name of its picture file as New sets it; "" for an element of another kind.
const char* FreshPicture(int element);
// Where the mock window shows it before any value has moved it.
ui::Bounds MockPlace(int element);
// The index of the element of that name in Elements(); -1 for none.
int ElementIndex(std::string_view name);

// A spin edit of the main window and the value it holds: an element's
// place or size, or (element -1) the window's size or the list's scroll factor.
struct NumberBinding {
    const char* spinEdit;
    int element;
    Property property;
};
// Every spin edit, in the order of their numbers (SpinEdit1 ... SpinEdit26).
std::span<const NumberBinding> NumberBindings();

// A text field of the main window and the value it holds.
enum class TextKind { Caption, Picture, Title, ExtensionInput };
struct TextField {
    const char* name;
    int element;  // for a caption or a picture name; else -1
    TextKind kind;
};
// Every text field, in the order of their numbers (Edit1 ... Edit7).
std::span<const TextField> TextFields();

// The number at the end of a control's name: 12 for "SpinEdit12".
int NumberOf(std::string_view controlName);

}  // namespace designer
