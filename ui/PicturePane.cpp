#include "ui/PicturePane.h"

namespace ui {
namespace {
constexpr char kClassName[] = "RokabinaPicture";

// Whether a picture decoded at `decoded` for a pane of `decodedFor` comes out
// otherwise for `pane`, one direction at a time. Where the picture came out
// smaller than its pane, that is its own size: only a smaller pane brings it down.
bool ComesOutOtherwise(SIZE decoded, SIZE decodedFor, SIZE pane) {
    const bool own = decodedFor.cx <= 0 || decodedFor.cy <= 0;  // decoded for no size: its own
    const auto differs = [own](LONG decoded, LONG decodedFor, LONG pane) {
        return own || decoded < decodedFor ? pane < decoded : pane != decoded;
    };
    return differs(decoded.cx, decodedFor.cx, pane.cx) || differs(decoded.cy, decodedFor.cy, pane.cy);
}
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
    const Graphic& current = shown_ ? *shown_ : *picture_;
    const SIZE decodedFor = shown_ ? shownFor_ : picture_->DecodedFor();
    if (ComesOutOtherwise({current.Width(), current.Height()}, decodedFor, pane)) {
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
