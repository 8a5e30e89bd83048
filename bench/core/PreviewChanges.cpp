#include "core/PreviewChanges.h"

#include <algorithm>

namespace bench {
namespace {

// The places and sizes are those the mock window starts with: pictures 177
// wide in a 177 x 265 window, itself at 64, 23 on a 305 x 305 canvas.
const PreviewChange kChanges[] = {
    {"picture-top", "picture 1 top (SpinEdit2 value)", "SpinEdit2", "0", Action::SetText, "Image1", Property::Top,
     {"20", "0"}},
    {"picture-height", "picture 1 height (SpinEdit23 value)", "SpinEdit23", "73", Action::SetText, "Image1",
     Property::Height, {"60", "73"}},
    {"picture-left-bar", "picture 1 left, past the edge: a bar comes and goes (SpinEdit1 value)", "SpinEdit1", "0",
     Action::SetText, "Image1", Property::Left, {"40", "0"}},
    {"button-top", "button 1 top (SpinEdit8 value)", "SpinEdit8", "240", Action::SetText, "Button1", Property::Top,
     {"230", "240"}},
    {"button-width", "button 1 width (SpinEdit11 value)", "SpinEdit11", "89", Action::SetText, "Button1",
     Property::Width, {"60", "89"}},
    {"list-top", "file list top (SpinEdit17 value)", "SpinEdit17", "90", Action::SetText, "ListBox1", Property::Top,
     {"100", "92"}},
    {"list-height", "file list height (SpinEdit19 value)", "SpinEdit19", "97", Action::SetText, "ListBox1",
     Property::Height, {"80", "97"}},
    {"chooser-top", "folder chooser top (SpinEdit6 value)", "SpinEdit6", "72", Action::SetText, "ComboBox1",
     Property::Top, {"80", "72"}},
    {"chooser-width", "folder chooser width (SpinEdit13 value)", "SpinEdit13", "177", Action::SetText, "ComboBox1",
     Property::Width, {"150", "177"}},
    {"window-width", "window width, inside the canvas (SpinEdit20 value)", "SpinEdit20", "177", Action::SetText,
     "Frame2", Property::Width, {"200", "177"}},
    {"window-width-bar", "window width, past the canvas: a bar comes and goes (SpinEdit20 value)", "SpinEdit20",
     "177", Action::SetText, "Frame2", Property::Width, {"250", "177"}},
    {"caption-text", "button 1 caption (Edit3 text)", "Edit3", "ボタン1", Action::SetText, "Button1",
     Property::Caption, {"開く", "ボタン1"}},
    {"caption-key", "button 1 caption (Edit3 keystroke)", "Edit3", "ボタン1", Action::TypeKey, "Button1",
     Property::Caption, {"a", "\b"}},
    {"picture-hide", "picture 1 hidden and shown (CheckBox1)", "CheckBox1", "1", Action::Check, "Image1",
     Property::Visible, {"0", "1"}, 5},
    {"spin-key", "picture 1 top (SpinEdit2 keystroke)", "SpinEdit2", "0", Action::TypeKey, "Image1", Property::Top,
     {"5", "\b"}},
    // A phone photograph's size, as JPEG (tools/bench puts the two copies beside the programs).
    {"photo-change", "picture 1 from a 4032 x 3024 JPEG (Edit1 text, then Button1)", "Edit1", "image1.jpg", Action::Pick,
     "Image1", Property::Picture, {"photo-a.jpg", "photo-b.jpg"}, 0, "Button1"},
};

}  // namespace

std::span<const PreviewChange> PreviewChanges() { return kChanges; }

const PreviewChange* FindPreviewChange(std::string_view key) {
    auto found = std::find_if(std::begin(kChanges), std::end(kChanges),
                              [&](const PreviewChange& c) { return key == c.key; });
    return found == std::end(kChanges) ? nullptr : &*found;
}

}  // namespace bench
