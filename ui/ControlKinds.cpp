#include "ui/ControlKinds.h"

#include <stdexcept>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/ListBox.h"
#include "ui/Panel.h"
#include "ui/PicturePane.h"
#include "ui/SpinEdit.h"
#include "ui/TextControls.h"

namespace ui {
namespace {

template <class T>
std::unique_ptr<Control> Make(std::string name) {
    return std::make_unique<T>(std::move(name));
}

struct KindEntry {
    ControlKind kind;
    std::unique_ptr<Control> (*make)(std::string name);
    int untabbedLayer;
};

const KindEntry kKinds[] = {
    {ControlKind::Button, &Make<Button>, 1},     {ControlKind::CheckBox, &Make<CheckBox>, 1},
    {ControlKind::Edit, &Make<Edit>, 1},         {ControlKind::SpinEdit, &Make<SpinEdit>, 1},
    {ControlKind::Label, &Make<Label>, 1},       {ControlKind::PathLabel, &Make<PathLabel>, 1},
    {ControlKind::ListBox, &Make<ListBox>, 1},
    {ControlKind::ComboBox, &Make<ComboBox>, 1}, {ControlKind::Picture, &Make<PicturePane>, 2},
    {ControlKind::Panel, &Make<Panel>, 3},
};

const KindEntry& EntryOf(ControlKind kind) {
    for (const auto& entry : kKinds)
        if (entry.kind == kind) return entry;
    throw std::logic_error("no control kind " + std::to_string(int(kind)));
}

}  // namespace

std::unique_ptr<Control> MakeControl(ControlKind kind, std::string name) { return EntryOf(kind).make(std::move(name)); }

int UntabbedLayer(ControlKind kind) { return EntryOf(kind).untabbedLayer; }

ControlKind ControlKindOf(base::ElementKind kind) {
    switch (kind) {
    case base::ElementKind::Picture: return ControlKind::Picture;
    case base::ElementKind::Button: return ControlKind::Button;
    case base::ElementKind::ListBox: return ControlKind::ListBox;
    case base::ElementKind::ComboBox: break;
    }
    return ControlKind::ComboBox;
}

}  // namespace ui
