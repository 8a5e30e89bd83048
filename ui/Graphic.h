// A loaded picture: a bitmap (with or without alpha), an icon or an enhanced
// metafile, with the size it was made at, and how a picture pane paints it.
#pragma once
#include <windows.h>

#include <functional>

#include "ui/Handles.h"

namespace ui {

enum class PictureFormat { Bitmap, Icon, Metafile };
// A bitmap's fourth byte: unused, or an alpha not multiplied into the colours.
enum class Alpha { None, Straight };

class Graphic {
public:
    // An alpha bitmap is a 32-bit top-down DIB section.
    static Graphic FromBitmap(BitmapHandle bitmap, int width, int height, Alpha alpha = Alpha::None);
    static Graphic FromIcon(IconHandle icon, int width, int height);
    static Graphic FromMetafile(EnhMetafileHandle metafile, int width, int height);

    Graphic(Graphic&&) noexcept = default;
    Graphic& operator=(Graphic&&) noexcept = default;
    Graphic(const Graphic&) = delete;
    Graphic& operator=(const Graphic&) = delete;

    // A picture decoded for the size it is drawn at (in device pixels), and
    // how to decode it again for another: a large picture is kept at that size alone.
    using Reload = std::function<Graphic(SIZE drawn)>;
    void SetReload(Reload reload, SIZE decodedFor) {
        reload_ = std::move(reload);
        decodedFor_ = decodedFor;
    }
    bool CanReload() const { return bool(reload_); }
    SIZE DecodedFor() const { return decodedFor_; }
    Graphic ReloadFor(SIZE drawn) const { return reload_(drawn); }

    PictureFormat Format() const { return format_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Bitmaps and metafiles are stretched over the whole pane, both directions
    // independently; an icon is drawn at its own size at the pane's top-left
    // (scaled from 96 dpi to the dpi given), clipped to the pane. An empty pane
    // draws nothing. A bitmap's alpha is blended over the background, what the
    // pane shows without a picture: its class's colour.
    void Draw(HDC dc, const RECT& pane, UINT dpi = 96, COLORREF background = GetSysColor(COLOR_BTNFACE)) const;

private:
    Graphic(PictureFormat format, int width, int height) : format_(format), width_(width), height_(height) {}
    void DrawBitmap(HDC dc, const RECT& pane, COLORREF background) const;
    HBITMAP BlendedOver(COLORREF background) const;
    void DrawIcon(HDC dc, const RECT& pane, UINT dpi) const;

    PictureFormat format_;
    int width_;
    int height_;
    BitmapHandle bitmap_;
    Alpha alpha_ = Alpha::None;
    Reload reload_;
    SIZE decodedFor_{};
    mutable BitmapHandle blended_;  // the alpha bitmap over blendedOver_, made at the first paint
    mutable COLORREF blendedOver_ = CLR_INVALID;
    IconHandle icon_;
    EnhMetafileHandle metafile_;
};

}  // namespace ui
