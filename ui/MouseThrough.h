// The mouse passing through a window to the window below it, as through a
// picture: the window neither clicks nor takes the focus, and the window
// below hit-tests the point.
#pragma once
#include <windows.h>

namespace ui {

// From now on the mouse passes through window. For a window no wrapper of
// this framework hears (a combo box's text field, a mark drawn over other
// windows): the answer comes from a subclass in the common controls' list,
// which goes with the window. A Control lets the mouse through by its own
// LetMouseThrough, as its window's procedure must stay its wrapper's alone.
void LetMouseThrough(HWND window);

}  // namespace ui
