// Base of every window the programs register a class for: one static window
// procedure finds the object and forwards; nothing reaches it after teardown.
#pragma once
#include <windows.h>

namespace ui {

// Centres a top-level window on the primary screen, whatever part of it the
// task bar takes.
void CenterOnScreen(HWND window);

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class once per process; background in the given system colour.
    static void RegisterWindowClass(const char* className, int backgroundColor, UINT classStyle = 0);
    HWND CreateHandle(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int w,
                      int h, HWND parent);
    virtual LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace ui
