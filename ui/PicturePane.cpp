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
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void PicturePane::Paint(HDC dc, const RECT& client) {
    if (picture_) picture_->Draw(dc, client, Dpi());
}

}  // namespace ui
