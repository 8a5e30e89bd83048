// The layout the designer edits, as values: what Save writes (LayoutValues)
// and, around it, what else the user sets in the main window (DesignerModel).
// The controls and the preview are views of these values; the history,
// Save, Open and the Test run read and write the values, never the views.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "designer/LayoutElements.h"
#include "layout/LayoutKeys.h"
#include "ui/Graphic.h"

namespace designer {

// The entries of an action button's combo box; the layout holds the index.
inline constexpr const char* kFunctionEntries[] = {"1.ファイル実行", "2.ファイルパス表示"};
// The list's horizontal scroll factor: this many times its width at most.
inline constexpr int32_t kMinScrollFactor = 1, kMaxScrollFactor = 10;

struct ElementValues {
    bool shown = true;
    ui::Bounds place;       // the height of an element without a height key is unused
    std::wstring caption;   // the buttons' captions, the chooser's prompt
    std::wstring picture;   // the pictures' file names
    int32_t function = -1;  // the buttons' action: the index of the entry chosen, -1 for none
    bool operator==(const ElementValues&) const = default;
};

// Every value Save writes, and nothing else.
struct LayoutValues {
    std::array<ElementValues, kElementCount> elements;  // as Elements() lists them
    std::wstring title;
    int32_t width = layout::kDefaultWindowWidth, height = layout::kDefaultWindowHeight;  // the viewer's client area
    bool noResize = layout::FindLayoutKey(layout::kEnable, layout::kNotSizeChange).openInt != 0;
    int32_t scrollFactor = layout::FindLayoutKey(layout::kScrollBar, layout::kListBox1).openInt;
    std::vector<std::wstring> extensions;
    bool allExtensions = false;
    bool operator==(const LayoutValues&) const = default;

    ElementValues& Element(std::string_view name);
    const ElementValues& Element(std::string_view name) const;
};

// The layout a fresh designer shows.
LayoutValues FreshLayout();
// What New makes of a layout: every element switched on (those whose check
// box was off shown again), every place, size, caption, picture name and
// action fresh; the window's no-resize flag, the scroll factor and the
// extensions as they were.
LayoutValues Renewed(const LayoutValues& layout, const std::array<bool, kElementCount>& switchedOn);

// The value a spin edit holds.
int32_t& NumberIn(LayoutValues& layout, const NumberBinding& binding);
int32_t NumberIn(const LayoutValues& layout, const NumberBinding& binding);

// The layout and what the main window holds beside it: which elements'
// check boxes are on (their editing controls enabled), the extension being
// typed, and the pictures the preview shows.
struct DesignerModel {
    LayoutValues layout;
    std::array<bool, kElementCount> switchedOn{true, true, true, true, true, true};
    std::wstring extensionInput;
    std::array<std::shared_ptr<const ui::Graphic>, kElementCount> pictures;  // of the picture elements
    bool operator==(const DesignerModel&) const = default;
};

// The text a field of the main window holds.
std::wstring& TextIn(DesignerModel& model, const TextField& field);
const std::wstring& TextIn(const DesignerModel& model, const TextField& field);

}  // namespace designer
