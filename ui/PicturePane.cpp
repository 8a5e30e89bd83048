#include "ui/PicturePane.h"

#include "ui/ScopedGdi.h"

namespace ui {
namespace {
constexpr char kClassName[] = "RokabinaPicture";
}

void PicturePane::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT) {
    CreateOwnClass(kClassName, CS_HREDRAW | CS_VREDRAW, parent, id, text, b);
}

void PicturePane::SetPicture(Graphic picture) {
    picture_ = std::move(picture);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT PicturePane::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PaintDc dc(hwnd_);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (picture_) picture_->Draw(dc.Handle(), client);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // clicks and context menus go to the window below
    }
    return Control::Dispatch(msg, wp, lp);
}

}  // namespace ui
