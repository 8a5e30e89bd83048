#include "designer/LayoutModel.h"

#include <stdexcept>

#include "base/CodePage.h"

namespace designer {

ElementValues& LayoutValues::Element(std::string_view name) {
    const int index = ElementIndex(name);
    if (index < 0) throw std::logic_error("no element " + std::string(name));
    return elements[size_t(index)];
}

const ElementValues& LayoutValues::Element(std::string_view name) const {
    return const_cast<LayoutValues&>(*this).Element(name);
}

LayoutValues FreshLayout() { return Renewed(LayoutValues{}, {true, true, true, true, true, true}); }

LayoutValues Renewed(const LayoutValues& layout, const std::array<bool, kElementCount>& switchedOn) {
    LayoutValues renewed = layout;
    for (size_t i = 0; i < kElementCount; ++i) {
        ElementValues& element = renewed.elements[i];
        element.shown = switchedOn[i] ? element.shown : true;
        element.place = FreshPlace(int(i));
        element.caption = base::ToWide(FreshCaption(int(i)));
        element.picture = base::ToWide(FreshPicture(int(i)));
        element.function = -1;
    }
    renewed.title.clear();
    renewed.width = LayoutValues{}.width;
    renewed.height = LayoutValues{}.height;
    return renewed;
}

int32_t& NumberIn(LayoutValues& layout, const NumberBinding& binding) {
    if (binding.element < 0) {
        switch (binding.property) {
        case Property::Width: return layout.width;
        case Property::Height: return layout.height;
        default: return layout.scrollFactor;
        }
    }
    ui::Bounds& place = layout.elements[size_t(binding.element)].place;
    switch (binding.property) {
    case Property::Left: return place.left;
    case Property::Top: return place.top;
    case Property::Width: return place.width;
    default: return place.height;
    }
}

int32_t NumberIn(const LayoutValues& layout, const NumberBinding& binding) {
    return NumberIn(const_cast<LayoutValues&>(layout), binding);
}

std::wstring& TextIn(DesignerModel& model, const TextField& field) {
    switch (field.kind) {
    case TextKind::Caption: return model.layout.elements[size_t(field.element)].caption;
    case TextKind::Picture: return model.layout.elements[size_t(field.element)].picture;
    case TextKind::Title: return model.layout.title;
    default: return model.extensionInput;
    }
}

const std::wstring& TextIn(const DesignerModel& model, const TextField& field) {
    return TextIn(const_cast<DesignerModel&>(model), field);
}

}  // namespace designer
