#include "support/Input.h"

#include <gtest/gtest.h>

namespace testsupport {
namespace {

// Time for the program to take each event before the next, as a hand leaves it.
constexpr DWORD kPause = 40;

// An event the platform does not take fails the test at once, rather than
// as a drag that went nowhere several steps later.
void Send(INPUT input) {
    if (SendInput(1, &input, sizeof input) != 1) ADD_FAILURE() << "SendInput refused the event: " << GetLastError();
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

bool WaitUntilTakesInput(HWND window, DWORD ms) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(20)) {
        if (!IsWindow(window)) return false;
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
            continue;
        }
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(thread, &info) || info.hwndActive != window || info.hwndCapture) continue;
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) continue;
        DWORD_PTR ignored;
        if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, ms, &ignored)) return true;
    }
    return false;
}

void MouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    // The events that follow (a press, a release) go where the cursor is.
    POINT now{};
    for (int i = 0; i < 50 && GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y); ++i) Sleep(20);
    EXPECT_TRUE(now.x == screen.x && now.y == screen.y) << "the cursor is at " << now.x << ", " << now.y;
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
