// A picture pane: shows a Graphic stretched to the pane (an icon at its own
// size at the top-left), or nothing but the parent's background.
#pragma once
#include <memory>

#include "ui/Control.h"
#include "ui/Graphic.h"

namespace ui {

class PicturePane : public PaintedControl {
public:
    using PaintedControl::PaintedControl;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void SetPicture(Graphic picture);
    // A picture shared with whoever keeps it (the designer's undo history); none clears the pane.
    void SetPicture(std::shared_ptr<const Graphic> picture);
    const Graphic* Picture() const { return picture_.get(); }
    const std::shared_ptr<const Graphic>& SharedPicture() const { return picture_; }

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    // The picture decoded again for a pane of another size than it was
    // decoded for, where it can be; else the picture itself.
    const Graphic& Shown(SIZE pane);

    std::shared_ptr<const Graphic> picture_;
    std::shared_ptr<const Graphic> shown_;  // null: the picture itself
    SIZE shownFor_{};
};

}  // namespace ui
