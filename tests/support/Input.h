// Real input for end-to-end tests, as a user's hand makes it: SendInput from
// the test process, so that it goes through hit-testing, capture and focus.
// Posted mouse messages skip all three.
#pragma once
#include <windows.h>

#include <initializer_list>

namespace testsupport {

// Brings a top-level window of the program under test to the front and
// waits until that program can take real input: the window is the
// foreground window, visible and enabled, its own thread has made it the
// active window with nothing holding the mouse, and a message sent through
// its queue has come back, so that what the activation set going is handled
// before the first event. False when that did not come within the time.
bool WaitUntilTakesInput(HWND window, DWORD ms = 10000);
// Moves the mouse to a point of the screen.
void MouseTo(POINT screen);
void MouseButton(bool down);
// A drag with the left button, through a point between.
void MouseDrag(POINT from, POINT to);
void MouseClick(POINT screen);
// A key with modifiers held around it (VK_CONTROL, VK_SHIFT ...).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

}  // namespace testsupport
