// Windows bitmaps (.bmp): the file header and the bitmap's own header are
// checked against the file before anything is allocated; GDI then holds the
// pixels in a DIB section in the file's own pixel format, and expands RLE
// data itself.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/DibHeader.h"
#include "ui/ScopedGdi.h"

namespace picture {

PictureError InvalidBitmap() { return PictureError("ビットマップイメージが不正です"); }

namespace {

constexpr size_t kFileHeaderSize = 14;

struct ParsedBitmap {
    DibHeader dib;
    PlainDibInfo info;  // the file's format, BITMAPINFOHEADER form
    size_t bitsOffset;  // pixel data in the file
    size_t bitsSize;
};

// The file header says where the pixels start: the bitmap's header, masks and
// colour table lie between it and them.
ParsedBitmap Parse(const ByteReader& in) {
    if (!in.Has(0, kFileHeaderSize) || in.U8(0) != 'B' || in.U8(1) != 'M') throw InvalidBitmap();
    const uint32_t bitsOffset = in.U32(10);
    if (bitsOffset <= kFileHeaderSize || bitsOffset >= in.Size()) throw InvalidBitmap();
    std::optional<DibHeader> dib = ReadDibHeader(in, kFileHeaderSize, bitsOffset - kFileHeaderSize);
    if (!dib || !DibPixelsFit(*dib, in.Size() - bitsOffset)) throw InvalidBitmap();  // truncated

    const uint64_t bitsSize = dib->IsRunLength() ? dib->compressedSize : dib->stride * dib->rows;
    return {*dib, PlainInfo(in, kFileHeaderSize, *dib), bitsOffset, size_t(bitsSize)};
}

// GDI expands the run-length data into the section through SetDIBits.
void ExpandRunLengths(HBITMAP section, const ParsedBitmap& bmp, const unsigned char* data) {
    const ui::MemoryDc dc(nullptr);
    if (!dc.Handle()) throw InvalidBitmap();
    if (SetDIBits(dc.Handle(), section, 0, UINT(bmp.dib.rows), data, bmp.info.get(), DIB_RGB_COLORS) == 0)
        throw InvalidBitmap();
}

}  // namespace

ui::Graphic DecodeBitmap(Bytes file) {
    ByteReader in(file);
    ParsedBitmap bmp = Parse(in);

    const bool runLength = bmp.dib.IsRunLength();
    PlainDibInfo sectionInfo = bmp.info;
    if (runLength) {  // the section holds the expanded rows
        sectionInfo.header.biCompression = BI_RGB;
        sectionInfo.header.biSizeImage = 0;
    }
    void* bits = nullptr;
    ui::BitmapHandle section(CreateDIBSection(nullptr, sectionInfo.get(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) throw InvalidBitmap();

    if (runLength)
        ExpandRunLengths(section.Get(), bmp, in.At(bmp.bitsOffset));
    else
        std::memcpy(bits, in.At(bmp.bitsOffset), bmp.bitsSize);
    return ui::Graphic::FromBitmap(std::move(section), bmp.dib.width, int(bmp.dib.rows));
}

}  // namespace picture
