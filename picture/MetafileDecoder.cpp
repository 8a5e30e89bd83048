// Metafiles (.wmf, .emf): an enhanced metafile, or a Windows metafile with or
// without the placeable header, told apart by content. Headers and every
// record are checked before the platform builds the enhanced metafile.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

#include "picture/ByteReader.h"
#include "picture/MetafileDecoderRecords.h"
#include "picture/Decoders.h"
#include "ui/ScopedGdi.h"

namespace picture {

PictureError InvalidMetafile() { return PictureError("メタファイルが不正です"); }

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kWindowsHeaderSize = 18;  // METAHEADER
constexpr size_t kEnhancedHeaderMinimum = 88;
constexpr int kHimetricPerInch = 2540;

int ScreenDpi() {
    const ui::WindowDc screen(nullptr);
    const int dpi = screen.Handle() ? GetDeviceCaps(screen.Handle(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

// Size in screen pixels from the frame (hundredths of a millimetre), or from
// the bounds (device pixels) when the frame is empty.
SIZE EnhancedSize(const ENHMETAHEADER& header) {
    const int dpi = ScreenDpi();
    const RECTL& frame = header.rclFrame;
    const RECTL& bounds = header.rclBounds;
    int width = MulDiv(frame.right - frame.left, dpi, kHimetricPerInch);
    int height = MulDiv(frame.bottom - frame.top, dpi, kHimetricPerInch);
    if (width <= 0 || height <= 0) {
        width = bounds.right - bounds.left + 1;
        height = bounds.bottom - bounds.top + 1;
    }
    return {width > 0 ? width : 0, height > 0 ? height : 0};
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

bool IsEnhanced(const ByteReader& in) {
    return in.Has(0, kEnhancedHeaderMinimum) && in.U32(0) == EMR_HEADER && in.U32(40) == ENHMETA_SIGNATURE;
}

ui::Graphic DecodeEnhanced(const ByteReader& in) {
    const uint32_t headerSize = in.U32(4);
    const uint32_t total = in.U32(48);  // nBytes
    if (headerSize < kEnhancedHeaderMinimum || headerSize % 4 || total < headerSize || !in.Has(0, total))
        throw InvalidMetafile();
    // Playback scales by the reference device's pixels per millimetre and by the frame.
    const bool referenceKnown = in.I32(72) > 0 && in.I32(76) > 0 && in.I32(80) > 0 && in.I32(84) > 0;
    const bool frameUpright = in.I32(32) >= in.I32(24) && in.I32(36) >= in.I32(28);
    if (!referenceKnown || !frameUpright) throw InvalidMetafile();
    if (!EnhancedRecordsAreSound(in, headerSize, total, in.U16(56))) throw InvalidMetafile();  // nHandles
    return FromHandle(SetEnhMetaFileBits(total, in.At(0)));
}

ui::Graphic DecodeWindows(const ByteReader& in) {
    size_t start = 0;
    std::optional<SIZE> placedSize;
    int unitsPerInch = 0;
    if (in.Has(0, kPlaceableSize) && in.U32(0) == kPlaceableKey) {
        // Bounding box in metafile units and how many of them make an inch.
        const int width = std::abs(in.I16(10) - in.I16(6));
        const int height = std::abs(in.I16(12) - in.I16(8));
        unitsPerInch = in.U16(14);
        if (unitsPerInch == 0 || width == 0 || height == 0) throw InvalidMetafile();
        placedSize = SIZE{width, height};
        start = kPlaceableSize;
    }
    const uint16_t type = in.U16(start);
    const uint16_t version = in.U16(start + 4);
    const uint64_t bytes = uint64_t(in.U32(start + 6)) * 2;
    if (!in.Has(start, kWindowsHeaderSize) || (type != 1 && type != 2) || in.U16(start + 2) != 9 ||
        (version != 0x0100 && version != 0x0300) || bytes < kWindowsHeaderSize || !in.Has(start, bytes))
        throw InvalidMetafile();
    const unsigned objects = in.U16(start + 10);  // mtNoObjects: the size of the handle table
    WindowsRecordScan records = ScanWindowsRecords(in, start + kWindowsHeaderSize, start + size_t(bytes), objects);
    if (!records.sound) throw InvalidMetafile();

    // The picture's intended size, in hundredths of a millimetre, guides the conversion.
    const int dpi = ScreenDpi();
    METAFILEPICT picture{MM_ANISOTROPIC, 0, 0, nullptr};
    std::optional<SIZE> pixels;
    if (placedSize) {
        pixels = SIZE{MulDiv(placedSize->cx, dpi, unitsPerInch), MulDiv(placedSize->cy, dpi, unitsPerInch)};
    } else if (records.windowExtent && records.windowExtent->cx > 0 && records.windowExtent->cy > 0) {
        pixels = records.windowExtent;  // logical units taken as screen pixels
    }
    if (pixels) {
        picture.xExt = MulDiv(pixels->cx, kHimetricPerInch, dpi);
        picture.yExt = MulDiv(pixels->cy, kHimetricPerInch, dpi);
    }
    HENHMETAFILE handle = SetWinMetaFileBits(UINT(bytes), in.At(start), nullptr, pixels ? &picture : nullptr);
    return FromHandle(handle, pixels);
}

}  // namespace

ui::Graphic DecodeMetafile(Bytes file) {
    ByteReader in(file);
    return IsEnhanced(in) ? DecodeEnhanced(in) : DecodeWindows(in);
}

}  // namespace picture
