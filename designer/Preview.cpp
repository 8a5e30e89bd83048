#include "designer/Preview.h"

#include <memory>

#include "designer/Placeholders.h"

namespace designer {
namespace {

using ui::ControlKind;

// The mock window's own design: where the preview starts, before any spin
// edit has moved an element.
const ui::ControlDecl<TFrame2> kElements[] = {
    {"Image1", ControlKind::Picture, "", {0, 0, 177, 73}, -1},
    {"ComboBox1", ControlKind::ComboBox, "フォルダを選択してください", {0, 72, 177, 20}, 0},
    {"ListBox1", ControlKind::ListBox, "", {0, 92, 177, 97}, 1},
    {"Image2", ControlKind::Picture, "", {0, 189, 177, 50}, -1},
    {"Button1", ControlKind::Button, "ボタン1", {0, 240, 89, 25}, 2},
    {"Button2", ControlKind::Button, "ボタン2", {88, 240, 89, 25}, 3},
};

}  // namespace

// The viewer's client area, whose size the viewer scales as a whole.
TFrame2::TFrame2() : ScrollBox("Frame2", "TFrame2", COLOR_BTNFACE) { scalesWholeSize_ = true; }

void TFrame2::Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) {
    ScrollBox::Create(parent, id, text, bounds, font);
    CreateControls(*this, std::span<const ui::ControlDecl<TFrame2>>(kElements), font);
    Image1 = &Get<ui::PicturePane>("Image1");
    Image2 = &Get<ui::PicturePane>("Image2");
    ComboBox1 = &Get<ui::ComboBox>("ComboBox1");
    ListBox1 = &Get<ui::ListBox>("ListBox1");
    Button1 = &Get<ui::Button>("Button1");
    Button2 = &Get<ui::Button>("Button2");
    ListBox1->SetItemHeight(12);  // the viewer's rows, which its focus frame shows even in an empty list
    Image1->SetPicture(LoadPlaceholder(Placeholder::Header));
    Image2->SetPicture(LoadPlaceholder(Placeholder::Footer));
}

TFrame3::TFrame3() : ScrollBox("Frame3", "TFrame3", COLOR_BTNHIGHLIGHT) {}

void TFrame3::Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) {
    ScrollBox::Create(parent, id, text, bounds, font);
    Frame2 = &static_cast<TFrame2&>(AddControl(std::make_unique<TFrame2>(), "", {64, 23, 177, 265}, font));
}

}  // namespace designer
