// A child window that holds controls and scrolls them: when a visible child
// reaches past its right or bottom edge it shows a scroll bar on that side,
// with a range up to the child's far edge. A child at a negative position is
// cut off, with no bar. Children keep their positions relative to what is in
// view, as in the classic frameworks.
#pragma once
#include "ui/Container.h"

namespace ui {

class ScrollBox : public Control, public Container {
public:
    // className is registered for the box, filled with the system colour given.
    ScrollBox(std::string name, const char* className, int backgroundColor);
    // Takes the window down first, so that its controls hear their end while whole.
    ~ScrollBox() override;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;

    // Shows, hides and ranges the bars after its controls changed; runs by
    // itself whenever a control of this box moves, resizes, shows or hides.
    // A bar is set only when its range or page changes.
    void UpdateScrollBars();
    // Itself, then its controls, from the start of the view.
    void ApplyDpi(UINT dpi, HFONT font) override;

protected:
    HWND ContainerHandle() const override { return hwnd_; }
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Scroll(int bar, WORD request);
    void ScrollTo(int hpos, int vpos);

    // A bar's range as last set: extent 0 while the bar is hidden.
    struct BarRange {
        int extent = 0;
        int page = 0;
        bool operator==(const BarRange&) const = default;
    };

    const char* className_;
    int backgroundColor_;
    int hpos_ = 0, vpos_ = 0;
    BarRange horizontal_, vertical_;
    bool updating_ = false;
};

}  // namespace ui
