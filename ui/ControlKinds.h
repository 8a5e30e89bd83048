// The kinds of control a declaration can name, and the one table that says
// what each kind is: its class, and where it lies when it has no tab stop.
#pragma once
#include <memory>

#include "base/ElementKind.h"
#include "ui/Control.h"

namespace ui {

enum class ControlKind { Button, CheckBox, Edit, SpinEdit, Label, PathLabel, ListBox, ComboBox, Picture, Panel };

// The kind of control an element of a launcher window is.
ControlKind ControlKindOf(base::ElementKind kind);

// A control of that kind, not yet created.
std::unique_ptr<Control> MakeControl(ControlKind kind, std::string name);

// Where a control without a tab stop lies, below every tab stop: layer 1
// right under them, pictures in layer 2 under that, panels in 3 lowest.
int UntabbedLayer(ControlKind kind);

}  // namespace ui
