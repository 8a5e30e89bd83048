// A picture pane: shows a Graphic stretched to the pane (an icon at its own
// size at the top-left), or nothing but the parent's background.
#pragma once
#include <optional>

#include "ui/Control.h"
#include "ui/Graphic.h"

namespace ui {

class PicturePane : public PaintedControl {
public:
    using PaintedControl::PaintedControl;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;
    void SetPicture(Graphic picture);
    const Graphic* Picture() const { return picture_ ? &*picture_ : nullptr; }

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    std::optional<Graphic> picture_;
};

}  // namespace ui
