#include "ui/Graphic.h"

#include <utility>

namespace ui {

Graphic Graphic::FromBitmap(BitmapHandle bitmap, int width, int height) {
    Graphic graphic(PictureFormat::Bitmap, width, height);
    graphic.bitmap_ = std::move(bitmap);
    return graphic;
}

Graphic Graphic::FromIcon(IconHandle icon, int width, int height) {
    Graphic graphic(PictureFormat::Icon, width, height);
    graphic.icon_ = std::move(icon);
    return graphic;
}

Graphic Graphic::FromMetafile(EnhMetafileHandle metafile, int width, int height) {
    Graphic graphic(PictureFormat::Metafile, width, height);
    graphic.metafile_ = std::move(metafile);
    return graphic;
}

void Graphic::Draw(HDC dc, const RECT& pane) const {
    if (pane.right <= pane.left || pane.bottom <= pane.top) return;
    switch (format_) {
    case PictureFormat::Bitmap: DrawBitmap(dc, pane); break;
    case PictureFormat::Icon: DrawIcon(dc, pane); break;
    case PictureFormat::Metafile: PlayEnhMetaFile(dc, metafile_.get(), &pane); break;
    }
}

void Graphic::DrawBitmap(HDC dc, const RECT& pane) const {
    HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    HGDIOBJ previous = SelectObject(source, bitmap_.get());
    int previousMode = SetStretchBltMode(dc, HALFTONE);
    POINT previousOrigin;
    SetBrushOrgEx(dc, 0, 0, &previousOrigin);  // HALFTONE needs it reset after the mode change
    StretchBlt(dc, pane.left, pane.top, pane.right - pane.left, pane.bottom - pane.top,
               source, 0, 0, width_, height_, SRCCOPY);
    SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
    if (previousMode) SetStretchBltMode(dc, previousMode);
    SelectObject(source, previous);
    DeleteDC(source);
}

void Graphic::DrawIcon(HDC dc, const RECT& pane) const {
    // Panes may share one surface (the designer's mock window): stay inside this one.
    int saved = SaveDC(dc);
    IntersectClipRect(dc, pane.left, pane.top, pane.right, pane.bottom);
    DrawIconEx(dc, pane.left, pane.top, icon_.get(), width_, height_, 0, nullptr, DI_NORMAL);
    RestoreDC(dc, saved);
}

}  // namespace ui
