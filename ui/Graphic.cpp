#include "ui/Graphic.h"

#include <utility>

#include "ui/Dpi.h"
#include "ui/ScopedGdi.h"

namespace ui {

Graphic Graphic::FromBitmap(BitmapHandle bitmap, int width, int height, Alpha alpha) {
    Graphic graphic(PictureFormat::Bitmap, width, height);
    graphic.bitmap_ = std::move(bitmap);
    graphic.alpha_ = alpha;
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

void Graphic::Draw(HDC dc, const RECT& pane, UINT dpi, COLORREF background) const {
    if (pane.right <= pane.left || pane.bottom <= pane.top) return;
    switch (format_) {
    case PictureFormat::Bitmap: DrawBitmap(dc, pane, background); break;
    case PictureFormat::Icon: DrawIcon(dc, pane, dpi); break;
    case PictureFormat::Metafile: PlayEnhMetaFile(dc, metafile_.Get(), &pane); break;
    }
}

// Blended once, then stretched as any bitmap: the halftone stretch keeps its
// quality, and the preview and the viewer show the same pixels.
HBITMAP Graphic::BlendedOver(COLORREF background) const {
    if (blended_ && blendedOver_ == background) return blended_.Get();
    DIBSECTION source{};
    if (!GetObjectW(bitmap_.Get(), sizeof source, &source) || !source.dsBm.bmBits) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    blended_ = BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!blended_ || !bits) return nullptr;
    const unsigned char* from = static_cast<const unsigned char*>(source.dsBm.bmBits);
    unsigned char* to = static_cast<unsigned char*>(bits);
    const unsigned back[] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    for (size_t i = 0, n = size_t(width_) * size_t(height_); i < n; ++i, from += 4, to += 4)
        for (int c = 0; c < 3; ++c) to[c] = BYTE((from[c] * from[3] + back[c] * (255u - from[3]) + 127) / 255);
    blendedOver_ = background;
    return blended_.Get();
}

void Graphic::DrawBitmap(HDC dc, const RECT& pane, COLORREF background) const {
    MemoryDc source(dc);
    HBITMAP shown = alpha_ == Alpha::Straight ? BlendedOver(background) : bitmap_.Get();
    if (!source.Handle() || !shown) return;
    Selection picture(source.Handle(), shown);
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
