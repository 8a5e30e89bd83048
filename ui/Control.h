// The core every control stands on: its name and identifier, its place kept
// in 96-dpi pixels and laid out for its dpi, its event, its text. The kinds
// of control are thin wrappers of the standard controls, each in a header of
// its own (Buttons.h, TextControls.h, ListBox.h, ComboBox.h, Panel.h...): a
// change made by the program fires the same event as one made by the user,
// and a setting that changes nothing fires nothing.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ui/Dpi.h"
#include "ui/Window.h"

namespace ui {

// Lower and upper bound of a spin edit; equal bounds mean none.
struct Limits {
    int min = 0, max = 0;
};

// Sent to a control's parent after the control moved, changed size, or was
// shown or hidden, so that a scrolling parent can bring its bars in line.
inline constexpr UINT kChildLayoutChanged = WM_APP + 0x40;

// The text of a window of this process, in code page 932 (for showing: a
// character the code page lacks becomes "?"), and whole.
std::string WindowTextOf(HWND hwnd);
std::wstring WideWindowTextOf(HWND hwnd);

// The text of an item of a list box (LB_GETTEXTLEN, LB_GETTEXT) or a combo
// box (CB_GETLBTEXTLEN, CB_GETLBTEXT), by the length and text messages given;
// empty for an index it does not hold.
std::wstring ListItemText(HWND list, UINT lengthMsg, UINT textMsg, int index);

// Called after an item went in at addedIndex of a list box (reserveMessage
// LB_INITSTORAGE) or a combo box (CB_INITSTORAGE). The platform grows its item
// array a few items at a time; reserving room for as many items again at each
// power of two from 64 on makes a long fill grow it a few times in all.
// itemBytes: what the item's text takes, its end included.
void ReserveOnDoubling(HWND control, UINT reserveMessage, LRESULT addedIndex, size_t itemBytes);

class Control : public Window {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    int Id() const { return id_; }

    // Creates the window as a child of parent, with the text (code page 932),
    // place and font given.
    virtual void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) = 0;
    // A WM_COMMAND notification the parent received from this control.
    virtual void Notify(WORD) {}
    // A declaration's state beyond text and place, taken before any handler
    // is bound, so that it fires nothing: a spin edit's limits, a check box's
    // mark. Other kinds have none.
    virtual void SetInitialState(Limits, bool /*checked*/) {}
    // Binds a declaration's handler to the control's event: a click for
    // buttons and check boxes, a change for fields and combo boxes. Kinds
    // without an event refuse it (std::logic_error).
    virtual void BindHandler(std::function<void()> handler);

    // Place and size relative to the parent's client area (to what a
    // scrolling parent has in view), in 96-dpi pixels: the window lies at
    // these values scaled to its dpi. Values beyond what a window can have
    // are brought into range; negative sizes count as 0.
    Bounds GetBounds() const;
    virtual void SetBounds(Bounds bounds);
    int Left() const { return GetBounds().left; }
    int Top() const { return GetBounds().top; }
    int Width() const { return GetBounds().width; }
    int Height() const { return GetBounds().height; }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    int ClientWidth() const;

    // The dpi the control is laid out for.
    UINT Dpi() const { return dpi_; }
    // Lays the control out again for another dpi, from its 96-dpi bounds
    // (never from its scaled ones, so nothing drifts), in the font given.
    virtual void ApplyDpi(UINT dpi, HFONT font);
    // Where the window lies in its parent, in device pixels, as laid out.
    virtual RECT LaidOutRect() const;
    // A scrolling parent moved the window by this many device pixels.
    void ScrolledBy(int dx, int dy);
    // From now on the mouse passes through the control to the window below
    // it, as through a picture: it neither clicks nor takes the focus.
    virtual void LetMouseThrough();

    // The control's own flag, whatever its parent shows.
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // The text in code page 932, a character the code page lacks as "?".
    std::string Text() const;
    void SetText(const std::string& text);
    // The text whole, whatever its characters.
    std::wstring WideText() const;
    virtual void SetWideText(const std::wstring& text);

protected:
    // A child of a platform class, subclassed so that it hears its own messages.
    void CreateStandard(const char* className, DWORD style, DWORD exStyle, HWND parent, int id,
                        const std::string& text, Bounds bounds, HFONT font);
    // A child of a class this program registers (once, filled with the
    // system colour given), with the styles given beyond WS_CHILD,
    // WS_VISIBLE and WS_CLIPSIBLINGS; its messages reach Dispatch.
    void CreateOwnClass(const char* className, UINT classStyle, HWND parent, int id, const std::string& text,
                        Bounds bounds, int backgroundColor = COLOR_BTNFACE, DWORD style = 0, DWORD exStyle = 0);
    // Puts the window where its bounds say for its dpi.
    virtual void Place();
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

    // Its size scaled as a whole rather than by its edges: a window that
    // stands for a client area of that size, as a form's is scaled.
    void SetScalesWholeSize(bool wholeSize) { scalesWholeSize_ = wholeSize; }
    // Where the window would lie, as laid out, were its 96-dpi height this
    // one: for a window taller than its bounds (a combo box opened to its list).
    RECT LaidOutRectWithHeight(int height96) const;
    // The platform sized the window (a label to its text, a combo box to its
    // font): its 96-dpi bounds take that length, given in device pixels.
    // Nothing moves.
    void AdoptWidth(int pixels);
    void AdoptHeight(int pixels);

private:
    // One of the four bounds changed, the others kept.
    void SetBound(int Bounds::*field, int v);

    std::string name_;
    int id_ = 0;
    Bounds bounds_;     // 96-dpi, in range
    POINT scrolled_{};  // device pixels a scrolling parent moved the window since its bounds were set
    UINT dpi_ = kBaseDpi;
    bool scalesWholeSize_ = false;
    bool mouseThrough_ = false;
};

// A control of a class this program registers that paints itself and lets
// the mouse through to the window below: clicks and context menus go there.
class PaintedControl : public Control {
public:
    explicit PaintedControl(std::string name) : Control(std::move(name)) { Control::LetMouseThrough(); }

protected:
    virtual void Paint(HDC dc, const RECT& client) = 0;
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace ui
