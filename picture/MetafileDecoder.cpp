// Metafiles (.wmf, .emf): once headers and records are found sound, the
// platform builds an enhanced metafile of the size the file asks for.
#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/MetafileHeaders.h"
#include "ui/ScopedGdi.h"

namespace picture {

PictureError InvalidMetafile() { return PictureError("メタファイルが不正です"); }

namespace {

constexpr int kHimetricPerInch = 2540;

int ScreenDpi() {
    const ui::WindowDc screen(nullptr);
    const int dpi = screen.Handle() ? GetDeviceCaps(screen.Handle(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

// from - to (plus one), or 0 when that is not a positive int: the header's
// coordinates are any 32-bit numbers, and their difference may not fit.
int Span(LONG from, LONG to, int plus = 0) {
    const int64_t span = int64_t(to) - from + plus;
    return span > 0 && span <= INT_MAX ? int(span) : 0;
}

// Size in screen pixels from the frame (hundredths of a millimetre), or from
// the bounds (device pixels) when the frame is empty.
SIZE EnhancedSize(const ENHMETAHEADER& header) {
    const int dpi = ScreenDpi();
    const RECTL& frame = header.rclFrame;
    const RECTL& bounds = header.rclBounds;
    int width = MulDiv(Span(frame.left, frame.right), dpi, kHimetricPerInch);
    int height = MulDiv(Span(frame.top, frame.bottom), dpi, kHimetricPerInch);
    if (width <= 0 || height <= 0) {
        width = Span(bounds.left, bounds.right, 1);
        height = Span(bounds.top, bounds.bottom, 1);
    }
    return {width, height};
}

ui::Graphic FromHandle(HENHMETAFILE handle, std::optional<SIZE> size = std::nullopt) {
    ui::EnhMetafileHandle metafile(handle);
    if (!metafile) throw InvalidMetafile();
    if (!size) {
        ENHMETAHEADER header{};
        if (!GetEnhMetaFileHeader(metafile.Get(), sizeof header, &header)) throw InvalidMetafile();
        size = EnhancedSize(header);
    }
    return ui::Graphic::FromMetafile(std::move(metafile), size->cx, size->cy);
}

ui::Graphic DecodeEnhanced(const ByteReader& in) {
    std::optional<uint32_t> bytes = EnhancedMetafileBytes(in);
    if (!bytes) throw InvalidMetafile();
    return FromHandle(SetEnhMetaFileBits(*bytes, in.At(0)));
}

ui::Graphic DecodeWindows(const ByteReader& in) {
    std::optional<WindowsMetafile> metafile = ReadWindowsMetafile(in);
    if (!metafile) throw InvalidMetafile();

    // The picture's intended size, in hundredths of a millimetre, guides the conversion.
    const int dpi = ScreenDpi();
    METAFILEPICT picture{MM_ANISOTROPIC, 0, 0, nullptr};
    std::optional<SIZE> pixels;
    if (const std::optional<SIZE>& placed = metafile->placedSize) {
        const int unitsPerInch = metafile->unitsPerInch;
        pixels = SIZE{MulDiv(placed->cx, dpi, unitsPerInch), MulDiv(placed->cy, dpi, unitsPerInch)};
    } else if (const std::optional<SIZE>& extent = metafile->windowExtent; extent && extent->cx > 0 && extent->cy > 0) {
        pixels = extent;  // logical units taken as screen pixels
    }
    if (pixels) {
        picture.xExt = MulDiv(pixels->cx, kHimetricPerInch, dpi);
        picture.yExt = MulDiv(pixels->cy, kHimetricPerInch, dpi);
    }
    HENHMETAFILE handle =
        SetWinMetaFileBits(UINT(metafile->bytes), in.At(metafile->start), nullptr, pixels ? &picture : nullptr);
    return FromHandle(handle, pixels);
}

}  // namespace

ui::Graphic DecodeMetafile(Bytes file, DrawnSize) {
    ByteReader in(file);
    return IsEnhancedMetafile(in) ? DecodeEnhanced(in) : DecodeWindows(in);
}

}  // namespace picture
