// Thin wrappers of the standard controls, each with the events the programs
// use. A change made by the program fires the same event as one made by the
// user, and a setting that changes nothing fires nothing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/Dpi.h"
#include "ui/Window.h"

namespace ui {

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Bounds&) const = default;
};

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
    // A child of a class this program registers, painted by Dispatch.
    void CreateOwnClass(const char* className, UINT classStyle, HWND parent, int id, const std::string& text,
                        Bounds bounds);
    // Puts the window where its bounds say for its dpi.
    virtual void Place();
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

    Bounds bounds_;  // 96-dpi, in range
    POINT scrolled_{};  // device pixels a scrolling parent moved the window since its bounds were set
    UINT dpi_ = kBaseDpi;
    // Its size scaled as a whole rather than by its edges: a window that
    // stands for a client area of that size, as a form's is scaled.
    bool scalesWholeSize_ = false;
    bool mouseThrough_ = false;

private:
    // One of the four bounds changed, the others kept.
    void SetBound(int Bounds::*field, int v);

    std::string name_;
    int id_ = 0;
};

// A control of a class this program registers that paints itself and lets
// clicks through to the window below.
class PaintedControl : public Control {
public:
    using Control::Control;

protected:
    virtual void Paint(HDC dc, const RECT& client) = 0;
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;
};

class Button : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void BindHandler(std::function<void()> handler) override { OnClick = std::move(handler); }
    std::function<void()> OnClick;
};

class CheckBox : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void SetInitialState(Limits, bool checked) override { SetChecked(checked); }
    void BindHandler(std::function<void()> handler) override { OnClick = std::move(handler); }
    bool Checked() const;
    void SetChecked(bool checked);
    std::function<void()> OnClick;
};

class Edit : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void BindHandler(std::function<void()> handler) override { OnChange = std::move(handler); }
    void SetWideText(const std::wstring& text) override;
    std::function<void()> OnChange;
};

class Label : public Control {
public:
    using Control::Control;
    // Sized to its text, in its font at its dpi.
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;

protected:
    void Place() override;
};

// A text of its declared size, whatever its length: a path too long for it
// is shortened with "..." in its middle.
class PathLabel : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
};

// Items are kept whole (a Unicode window); the code page 932 forms below
// convert on the way in and out.
class ListBox : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Add(const std::string& item);
    void Add(const std::wstring& item);
    void Clear();
    void Delete(int index);
    int Count() const;
    std::string Item(int index) const;
    std::wstring WideItem(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    int FindExact(const std::string& text) const;
    int FindExact(const std::wstring& text) const;
    // The rows' height in device pixels; set in 96-dpi pixels.
    int ItemHeight() const;
    void SetItemHeight(int pixels96);
    // The horizontal scroll width in device pixels.
    void SetHorizontalExtent(int pixels);
    // The horizontal scroll width as this many times the list's client width
    // now; computed in 64 bits and kept between 0 and the largest int. At
    // another dpi it scales with the list, not computed again.
    void SetScrollFactor(int32_t factor);
    int HorizontalExtent() const;
    void ApplyDpi(UINT dpi, HFONT font) override;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void ApplyItemHeight();
    int itemHeight96_ = 0;  // 0: the font's
    int extent96_ = -1;     // -1: never set
};

// A drop-down combo box with an editable text field. Its items and text are
// kept whole, as a list box's.
class ComboBox : public Control {
public:
    using Control::Control;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void Notify(WORD code) override;
    void BindHandler(std::function<void()> handler) override { OnChange = std::move(handler); }
    // The height is that of the closed box, which its font sets; the
    // drop-down keeps its own.
    void SetBounds(Bounds bounds) override;
    // The height of the rows of the drop-down list in 96-dpi pixels, kept
    // through font changes.
    void SetRowHeight(int pixels96);
    void ApplyDpi(UINT dpi, HFONT font) override;
    // Its closed height is the one its font gave it.
    RECT LaidOutRect() const override;
    // Its text field too.
    void LetMouseThrough() override;
    // Sets the text field; fires no change.
    void SetWideText(const std::wstring& text) override;
    void Add(const std::string& item);
    void Add(const std::wstring& item);
    int Count() const;
    std::string Item(int index) const;
    std::wstring WideItem(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Right-clicks in the text field show the parent's menu, not the field's own.
    void ForwardContextMenuToParent();
    // Fired when the user edits the text or picks an item; a picked item is
    // in the text field by then.
    std::function<void()> OnChange;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;
    void Place() override;

private:
    // Gives the window the height of the box and its drop-down list, which
    // it takes as the list's and closes to the box's: at creation and at a
    // new dpi only, as a moved box keeps its closed height (see SetBounds).
    void OpenToListHeight();
    void ApplyRowHeight();
    bool settingText_ = false;
    int rowHeight96_ = 0;
    int closedHeight_ = 0;  // device pixels
};

// A bordered area with a raised inner and a lowered outer bevel. Controls
// placed over it are its siblings, stacked above it.
class Panel : public PaintedControl {
public:
    using PaintedControl::PaintedControl;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;

protected:
    void Paint(HDC dc, const RECT& client) override;
};

}  // namespace ui
