// Windows bitmaps (.bmp): once the headers are found sound, GDI holds the
// pixels in a DIB section in the file's own pixel format, and expands RLE
// data itself.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "picture/BitmapFile.h"
#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "ui/ScopedGdi.h"

namespace picture {

PictureError InvalidBitmap() { return PictureError("ビットマップイメージが不正です"); }

namespace {

// GDI expands the run-length data into the section through SetDIBits.
void ExpandRunLengths(HBITMAP section, const BitmapFile& bmp, const unsigned char* data) {
    const ui::MemoryDc dc(nullptr);
    if (!dc.Handle()) throw InvalidBitmap();
    if (SetDIBits(dc.Handle(), section, 0, UINT(bmp.dib.rows), data, AsBitmapInfo(bmp.info), DIB_RGB_COLORS) == 0)
        throw InvalidBitmap();
}

}  // namespace

ui::Graphic DecodeBitmap(Bytes file, DrawnSize) {
    ByteReader in(file);
    std::optional<BitmapFile> read = ReadBitmapFile(in);
    if (!read) throw InvalidBitmap();
    const BitmapFile& bmp = *read;

    const bool runLength = bmp.dib.IsRunLength();
    PlainDibInfo sectionInfo = bmp.info;
    if (runLength) {  // the section holds the expanded rows
        sectionInfo.header.biCompression = BI_RGB;
        sectionInfo.header.biSizeImage = 0;
    }
    void* bits = nullptr;
    ui::BitmapHandle section(CreateDIBSection(nullptr, AsBitmapInfo(sectionInfo), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) throw InvalidBitmap();

    if (runLength)
        ExpandRunLengths(section.Get(), bmp, in.At(bmp.bitsOffset));
    else
        std::memcpy(bits, in.At(bmp.bitsOffset), bmp.bitsSize);
    return ui::Graphic::FromBitmap(std::move(section), bmp.dib.width, int(bmp.dib.rows));
}

}  // namespace picture
