// A top-level window with declared controls: the programs' main windows and
// dialogs stand on it.
#pragma once
#include <string>

#include "ui/Container.h"
#include "ui/Handles.h"
#include "ui/MainMenu.h"

namespace ui {

class Button;

// In 96-dpi pixels, as every value of a form: at D dpi the form lies at
// them scaled by D/96.
// Sent to a window: a form answers the shortcuts of its menu bar (an
// HACCEL), any other window nothing (registered, as LayoutDpiQuery).
UINT AcceleratorsQuery();

struct FormSpec {
    const char* className;
    const char* caption;
    Bounds outer;         // screen position and outer size
    DWORD style;          // window style bits beyond WS_OVERLAPPED
    const char* fontFace;
    int fontHeight;       // character height in pixels
};

class Form : public Window, public Container {
public:
    // Takes the window down first, menu bar off, while the font and the
    // controls are whole: the controls then hear their end as any window's.
    ~Form() override;

    void SetCaption(const std::string& caption);
    std::string Caption() const;
    // In device pixels.
    SIZE ClientSize() const;
    // Sizes the window so that its client area has this size in 96-dpi
    // pixels, scaled to the window's dpi.
    void SetClientSize(int width, int height);
    // The dpi the window and its controls are laid out for.
    UINT Dpi() const { return dpi_; }
    // Removes the Size command from the system menu and refuses sizing by the frame.
    void ForbidResize();
    bool ResizeForbidden() const { return resizeForbidden_; }
    HFONT Font() const { return font_.Get(); }
    void CenterOnScreen();

    // Shows the window modally over its owner until a handler sets a modal
    // result or the window is closed; returns the result (IDCANCEL when closed).
    int ShowModal();
    void SetModalResult(int result) { modalResult_ = result; }
    // The button that Enter presses.
    void SetDefaultButton(Button* button);
    // The menu bar; its entries run their handlers. The window holds the bar
    // only while both live: it is taken off when the window is destroyed or
    // the menu object goes, whichever comes first, so the window never frees it.
    void SetMainMenu(MainMenu* menu);

protected:
    // Creates the window hidden; the message loop shows it. An owned window
    // stays above its owner; a main window (no owner) belongs to the
    // application window.
    void CreateForm(const FormSpec& design, HWND owner = nullptr);
    HWND ContainerHandle() const override { return hwnd_; }
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;
    // Right-click or the menu key, at a screen position (-1, -1 from the keyboard).
    virtual void OnContextMenu(int, int) {}
    // The window moved to a monitor of another scaling: everything is laid
    // out again for the new dpi from the 96-dpi values, in the font for it,
    // and the window takes the rectangle the platform suggests.
    void ChangeDpi(UINT dpi, const RECT& suggested);
    // The main window ends the program when it is destroyed, and minimising
    // it minimises the program.
    bool mainForm_ = true;

private:
    // The outer size for the client size at the window's dpi.
    void SizeToClient();

    FontHandle font_;
    const char* fontFace_ = nullptr;
    int fontHeight96_ = 0;
    UINT dpi_ = kBaseDpi;
    SIZE client96_{};  // the client size in 96-dpi pixels
    bool resizeForbidden_ = false;
    bool modal_ = false;
    int modalResult_ = 0;
    Button* defaultButton_ = nullptr;
    MainMenu* mainMenu_ = nullptr;
    HWND lastFocus_ = nullptr;
};

FontHandle MakeFont(const char* face, int pixelHeight);

}  // namespace ui
