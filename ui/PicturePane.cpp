#include "ui/PicturePane.h"

namespace ui {
namespace {
constexpr char kClassName[] = "RokabinaPicture";
}

void PicturePane::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT) {
    CreateOwnClass(kClassName, CS_HREDRAW | CS_VREDRAW, parent, id, text, b);
}

void PicturePane::SetPicture(Graphic picture) { SetPicture(std::make_shared<const Graphic>(std::move(picture))); }

void PicturePane::SetPicture(std::shared_ptr<const Graphic> picture) {
    picture_ = std::move(picture);
    shown_.reset();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

const Graphic& PicturePane::Shown(SIZE pane) {
    if (!picture_->CanReload() || pane.cx <= 0 || pane.cy <= 0) return *picture_;
    const SIZE decoded = shown_ ? shownFor_ : picture_->DecodedFor();
    if (decoded.cx != pane.cx || decoded.cy != pane.cy) {
        shownFor_ = pane;
        // A file gone or changed since leaves the picture as it was, stretched.
        try {
            shown_ = std::make_shared<const Graphic>(picture_->ReloadFor(pane));
        } catch (...) {
            shown_ = picture_;
        }
    }
    return shown_ ? *shown_ : *picture_;
}

void PicturePane::Paint(HDC dc, const RECT& client) {
    if (picture_) Shown({client.right - client.left, client.bottom - client.top}).Draw(dc, client, Dpi());
}

}  // namespace ui
