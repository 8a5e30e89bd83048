// Base of every window the programs make, of their own classes and of the
// platform's (BUTTON, EDIT...): one procedure finds the object and forwards.
// One rule keeps a window and its object in step, whichever goes first: the
// object learns of its window's end (WM_NCDESTROY) and forgets the handle,
// and an object that goes first detaches itself before it destroys the
// window. No message reaches an object after either.
#pragma once
#include <windows.h>

#include <stdexcept>

namespace ui {

// Centres a top-level window on the primary screen, whatever part of it the
// task bar takes.
void CenterOnScreen(HWND window);

// The platform refused to register a window class or to create a window.
class WindowError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // Null before creation and once the window is gone.
    HWND Handle() const { return hwnd_; }

protected:
    // Registers the class once per process; background in the given system colour.
    static void RegisterWindowClass(const char* className, int backgroundColor, UINT classStyle = 0);
    // Creates a window of a class registered above; id is a child window's identifier.
    HWND CreateHandle(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int w,
                      int h, HWND parent, int id = 0);
    // Creates a window of a platform class and subclasses it, so that this
    // object hears its messages as it hears those of its own classes. The
    // window is a Unicode window: it hears the wide forms of the messages.
    HWND CreateSubclassed(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                          int w, int h, HWND parent, int id);
    // Destroys the window now, without a message reaching this object: for
    // a destructor that must take the window down before its members or
    // bases go (children of the window then hear their end while alive).
    void DestroyHandle();

    // Every message of the window up to its WM_NCDESTROY, from its creation
    // on (for a platform class, from the subclassing right after it).
    virtual LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    // What the window does without this object: its class's own procedure.
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // True from the window's WM_DESTROY on: the window is going and no
    // handler should act on it.
    bool Destroying() const { return destroying_; }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Every message of the window, before Dispatch: keeps the object in step.
    LRESULT Receive(UINT msg, WPARAM wp, LPARAM lp);
    // Ends the link from the window to this object.
    void Unbind();

    bool subclassed_ = false;
    WNDPROC classProc_ = nullptr;  // a platform class's procedure, when subclassed
    bool destroying_ = false;
};

}  // namespace ui
