// The kinds of element a launcher window holds: what the layout says an
// element is, and what the window framework makes of it (ui::ControlKindOf).
#pragma once

namespace base {

enum class ElementKind { Picture, Button, ListBox, ComboBox };

}  // namespace base
