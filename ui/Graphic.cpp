#include "ui/Graphic.h"

#include <utility>

#include "ui/Dpi.h"
#include "ui/ScopedGdi.h"

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

void Graphic::Draw(HDC dc, const RECT& pane, UINT dpi) const {
    if (pane.right <= pane.left || pane.bottom <= pane.top) return;
    switch (format_) {
    case PictureFormat::Bitmap: DrawBitmap(dc, pane); break;
    case PictureFormat::Icon: DrawIcon(dc, pane, dpi); break;
    case PictureFormat::Metafile: PlayEnhMetaFile(dc, metafile_.Get(), &pane); break;
    }
}

void Graphic::DrawBitmap(HDC dc, const RECT& pane) const {
    MemoryDc source(dc);
    if (!source.Handle()) return;
    Selection picture(source.Handle(), bitmap_.Get());
    SavedDcState modes(dc);  // the stretch mode and brush origin below
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs it reset after the mode change
    StretchBlt(dc, pane.left, pane.top, pane.right - pane.left, pane.bottom - pane.top,
               source.Handle(), 0, 0, width_, height_, SRCCOPY);
}

void Graphic::DrawIcon(HDC dc, const RECT& pane, UINT dpi) const {
    // Panes may share one surface (the designer's mock window): stay inside this one.
    SavedDcState clip(dc);
    IntersectClipRect(dc, pane.left, pane.top, pane.right, pane.bottom);
    DrawIconEx(dc, pane.left, pane.top, icon_.Get(), Scale(width_, dpi), Scale(height_, dpi), 0, nullptr, DI_NORMAL);
}

}  // namespace ui
