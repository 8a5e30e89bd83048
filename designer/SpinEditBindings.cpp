#include "designer/SpinEditBindings.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "layout/LayoutKeys.h"

namespace designer {
namespace {

using namespace layout;

const SpinEditBinding kBindings[] = {
    {"SpinEdit22", "Image1", Property::Width, kWidth, kImage1},
    {"SpinEdit24", "Image2", Property::Width, kWidth, kImage2},
    {"SpinEdit11", "Button1", Property::Width, kWidth, kButton1},
    {"SpinEdit14", "Button2", Property::Width, kWidth, kButton2},
    {"SpinEdit18", "ListBox1", Property::Width, kWidth, kListBox1},
    {"SpinEdit13", "ComboBox1", Property::Width, kWidth, kComboBox1},
    {"SpinEdit20", "Frame2", Property::Width, kWidth, kForm},
    {"SpinEdit23", "Image1", Property::Height, kHeight, kImage1},
    {"SpinEdit25", "Image2", Property::Height, kHeight, kImage2},
    {"SpinEdit12", "Button1", Property::Height, kHeight, kButton1},
    {"SpinEdit15", "Button2", Property::Height, kHeight, kButton2},
    {"SpinEdit19", "ListBox1", Property::Height, kHeight, kListBox1},
    {"SpinEdit21", "Frame2", Property::Height, kHeight, kForm},
    {"SpinEdit1", "Image1", Property::Left, kLeft, kImage1},
    {"SpinEdit3", "Image2", Property::Left, kLeft, kImage2},
    {"SpinEdit7", "Button1", Property::Left, kLeft, kButton1},
    {"SpinEdit9", "Button2", Property::Left, kLeft, kButton2},
    {"SpinEdit16", "ListBox1", Property::Left, kLeft, kListBox1},
    {"SpinEdit5", "ComboBox1", Property::Left, kLeft, kComboBox1},
    {"SpinEdit2", "Image1", Property::Top, kTop, kImage1},
    {"SpinEdit4", "Image2", Property::Top, kTop, kImage2},
    {"SpinEdit8", "Button1", Property::Top, kTop, kButton1},
    {"SpinEdit10", "Button2", Property::Top, kTop, kButton2},
    {"SpinEdit17", "ListBox1", Property::Top, kTop, kListBox1},
    {"SpinEdit6", "ComboBox1", Property::Top, kTop, kComboBox1},
    {"SpinEdit26", "ListBox1", Property::ScrollFactor, kScrollBar, kListBox1},
};

}  // namespace

std::span<const SpinEditBinding> SpinEditBindings() { return kBindings; }

const SpinEditBinding& SpinEditBindingOf(std::string_view spinEdit) {
    auto found = std::find_if(std::begin(kBindings), std::end(kBindings),
                              [&](const SpinEditBinding& b) { return spinEdit == b.spinEdit; });
    if (found == std::end(kBindings)) throw std::logic_error("no binding for " + std::string(spinEdit));
    return *found;
}

}  // namespace designer
