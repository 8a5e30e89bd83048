// Scoped device contexts, object selections, saved drawing states and redraw
// locks: each undoes on leaving its scope what it did on entering, however
// the scope is left. None can be copied or moved, so none undoes twice.
#pragma once
#include <windows.h>

namespace ui {

class ScopedGdi {
public:
    ScopedGdi(const ScopedGdi&) = delete;
    ScopedGdi& operator=(const ScopedGdi&) = delete;

protected:
    ScopedGdi() = default;
    ~ScopedGdi() = default;
};

// A window's device context (GetDC; null: the screen), released on leaving.
class WindowDc : ScopedGdi {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Handle() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The painting of a window in answer to WM_PAINT, ended on leaving.
class PaintDc : ScopedGdi {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() {
        if (dc_) EndPaint(window_, &paint_);
    }
    HDC Handle() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory device context compatible with another (null: the screen), deleted on leaving.
class MemoryDc : ScopedGdi {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Handle() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context; the one it replaced comes back on leaving.
class Selection : ScopedGdi {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Modes, clipping, origins and selections of a device context, restored on leaving.
class SavedDcState : ScopedGdi {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// A window that does not redraw while many of its items change; on leaving
// it redraws once, as a whole.
class RedrawLock : ScopedGdi {
public:
    explicit RedrawLock(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawLock() {
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }

private:
    HWND window_;
};

}  // namespace ui
