// Real input for end-to-end tests, as a user's hand makes it: SendInput from
// the test process, so that it goes through hit-testing, capture and focus.
// Posted mouse messages skip all three.
#pragma once
#include <windows.h>

#include <initializer_list>

namespace testsupport {

// Moves the mouse to a point of the screen.
void MouseTo(POINT screen);
void MouseButton(bool down);
// A drag with the left button, through a point between.
void MouseDrag(POINT from, POINT to);
void MouseClick(POINT screen);
// A key with modifiers held around it (VK_CONTROL, VK_SHIFT ...).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

}  // namespace testsupport
