// Answers of our own for a window this framework did not make, such as a
// combo box's text field. The window's procedure is replaced, and its own
// procedure answers everything else. Replaced rather than chained through
// the common controls' subclass list, which Wine fetches from its server for
// every message the window gets. A Control answers in its own Dispatch
// instead, as its window's procedure must stay its wrapper's alone.
#pragma once
#include <windows.h>

namespace ui {

// From now on the mouse passes through window to the window below it, as
// through a picture: the window neither clicks nor takes the focus, and the
// window below hit-tests the point.
void LetMouseThrough(HWND window);

// From now on a context menu asked for in window (a right-click, the menu
// key) is asked of target instead, as if asked there.
void ForwardContextMenu(HWND window, HWND target);

}  // namespace ui
