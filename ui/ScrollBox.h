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

    // Shows, hides and ranges the bars after children changed; runs by itself
    // whenever a control of this box moves, resizes, shows or hides.
    void UpdateScrollBars();

protected:
    HWND ContainerHandle() const override { return hwnd_; }
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Scroll(int bar, WORD request);
    void ScrollTo(int hpos, int vpos);

    const char* className_;
    int backgroundColor_;
    int hpos_ = 0, vpos_ = 0;
    bool updating_ = false;
};

}  // namespace ui
