// A bordered area with a raised inner and a lowered outer bevel. Controls
// placed over it are its siblings, stacked above it.
#pragma once
#include "ui/Control.h"

namespace ui {

class Panel : public PaintedControl {
public:
    using PaintedControl::PaintedControl;
    void Create(HWND parent, int id, const std::string& text, Bounds bounds, HFONT font) override;

protected:
    void Paint(HDC dc, const RECT& client) override;
};

}  // namespace ui
