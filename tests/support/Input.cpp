#include "support/Input.h"

#include <vector>

namespace testsupport {
namespace {

// Time for the program to take each event before the next, as a hand leaves it.
constexpr DWORD kPause = 40;

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
    Sleep(kPause);
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

void MouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Send(input);
}

void MouseDrag(POINT from, POINT to) {
    MouseTo(from);
    MouseButton(true);
    MouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
    MouseTo(to);
    MouseButton(false);
}

void MouseClick(POINT screen) {
    MouseTo(screen);
    MouseButton(true);
    MouseButton(false);
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    for (WORD m : modifiers) Send(KeyInput(m, false));
    Send(KeyInput(key, false));
    Send(KeyInput(key, true));
    for (WORD m : modifiers) Send(KeyInput(m, true));
}

}  // namespace testsupport
