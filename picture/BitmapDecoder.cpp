// Windows bitmaps (.bmp): every header field is checked against the file
// before anything is allocated; GDI then holds the pixels in a DIB section in
// the file's own pixel format, and expands RLE data itself.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <utility>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"

namespace picture {

PictureError InvalidBitmap() { return PictureError("ビットマップイメージが不正です"); }

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
// Decoded pixels of one picture; a header asking for more is refused.
constexpr uint64_t kMaxPixelBytes = 256ull << 20;

// A BITMAPINFO with room for a full palette or the three colour masks.
struct DibInfo {
    BITMAPINFOHEADER header;
    DWORD table[256];
    BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(this); }
};

struct ParsedBitmap {
    DibInfo info{};         // the file's format, BITMAPINFOHEADER form
    size_t bitsOffset = 0;  // pixel data in the file
    size_t bitsSize = 0;
    int width = 0;
    int rows = 0;
};

bool IsInfoHeaderSize(uint32_t size) {
    // BITMAPINFOHEADER, its two extensions with masks, BITMAPV4HEADER, BITMAPV5HEADER.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsBitCount(unsigned bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

ParsedBitmap Parse(const ByteReader& in) {
    if (!in.Has(0, kFileHeaderSize + 4) || in.U8(0) != 'B' || in.U8(1) != 'M') throw InvalidBitmap();
    const uint32_t headerSize = in.U32(kFileHeaderSize);
    if (!in.Has(kFileHeaderSize, headerSize)) throw InvalidBitmap();
    const size_t h = kFileHeaderSize;

    ParsedBitmap bmp;
    BITMAPINFOHEADER& header = bmp.info.header;
    header.biSize = sizeof(BITMAPINFOHEADER);
    size_t paletteEntrySize = 4;
    uint32_t colorsUsed = 0;
    uint32_t compressedSize = 0;
    if (headerSize == kCoreHeaderSize) {  // BITMAPCOREHEADER: 16-bit sizes, RGB triples
        header.biWidth = in.U16(h + 4);
        header.biHeight = in.U16(h + 6);
        header.biPlanes = in.U16(h + 8);
        header.biBitCount = in.U16(h + 10);
        header.biCompression = BI_RGB;
        paletteEntrySize = 3;
        if (header.biBitCount == 16 || header.biBitCount == 32) throw InvalidBitmap();
    } else if (IsInfoHeaderSize(headerSize)) {
        header.biWidth = in.I32(h + 4);
        header.biHeight = in.I32(h + 8);
        header.biPlanes = in.U16(h + 12);
        header.biBitCount = in.U16(h + 14);
        header.biCompression = in.U32(h + 16);
        compressedSize = in.U32(h + 20);
        colorsUsed = in.U32(h + 32);
    } else {
        throw InvalidBitmap();
    }
    if (header.biPlanes != 1 || !IsBitCount(header.biBitCount)) throw InvalidBitmap();
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN) throw InvalidBitmap();

    size_t pos = h + headerSize;  // colour masks or palette follow the header
    switch (header.biCompression) {
    case BI_RGB:
        break;
    case BI_RLE8:
    case BI_RLE4:
        // Run-length data is always stored bottom-up.
        if (header.biBitCount != (header.biCompression == BI_RLE8 ? 8 : 4) || header.biHeight < 0)
            throw InvalidBitmap();
        break;
    case BI_BITFIELDS: {
        if (header.biBitCount != 16 && header.biBitCount != 32) throw InvalidBitmap();
        size_t masks = h + kInfoHeaderSize;  // inside the larger headers, after the small one
        if (headerSize == kInfoHeaderSize) {
            if (!in.Has(pos, 12)) throw InvalidBitmap();
            pos += 12;
        }
        for (int i = 0; i < 3; ++i) {
            bmp.info.table[i] = in.U32(masks + 4 * i);
            if (bmp.info.table[i] == 0) throw InvalidBitmap();
        }
        break;
    }
    default:
        throw InvalidBitmap();
    }

    if (header.biBitCount <= 8) {
        const uint32_t maxColors = 1u << header.biBitCount;
        const uint32_t colors = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        if (!in.Has(pos, uint64_t(colors) * paletteEntrySize)) throw InvalidBitmap();
        for (uint32_t i = 0; i < colors; ++i, pos += paletteEntrySize)
            bmp.info.table[i] = in.U8(pos) | in.U8(pos + 1) << 8 | in.U8(pos + 2) << 16;  // blue, green, red
        header.biClrUsed = colors;
    }

    const uint32_t bitsOffset = in.U32(10);
    if (bitsOffset < pos || bitsOffset >= in.Size()) throw InvalidBitmap();
    bmp.bitsOffset = bitsOffset;
    bmp.width = header.biWidth;
    bmp.rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;

    const uint64_t stride = (uint64_t(bmp.width) * header.biBitCount + 31) / 32 * 4;
    const uint64_t pixelBytes = stride * uint64_t(bmp.rows);
    if (pixelBytes > kMaxPixelBytes) throw InvalidBitmap();
    if (header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4) {
        const size_t available = in.Size() - bitsOffset;
        bmp.bitsSize = compressedSize != 0 && compressedSize <= available ? compressedSize : available;
    } else {
        if (!in.Has(bitsOffset, pixelBytes)) throw InvalidBitmap();  // truncated
        bmp.bitsSize = size_t(pixelBytes);
    }
    return bmp;
}

// GDI expands the run-length data into the section through SetDIBits.
void ExpandRunLengths(HBITMAP section, ParsedBitmap& bmp, const unsigned char* data) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) throw InvalidBitmap();
    bmp.info.header.biSizeImage = DWORD(bmp.bitsSize);
    int lines = SetDIBits(dc, section, 0, UINT(bmp.rows), data, bmp.info.get(), DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines == 0) throw InvalidBitmap();
}

}  // namespace

ui::Graphic DecodeBitmap(Bytes file) {
    ByteReader in(file);
    ParsedBitmap bmp = Parse(in);

    DibInfo sectionInfo = bmp.info;
    const bool runLength = bmp.info.header.biCompression == BI_RLE8 || bmp.info.header.biCompression == BI_RLE4;
    if (runLength) sectionInfo.header.biCompression = BI_RGB;
    void* bits = nullptr;
    ui::BitmapHandle section(CreateDIBSection(nullptr, sectionInfo.get(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) throw InvalidBitmap();

    if (runLength)
        ExpandRunLengths(section.get(), bmp, in.At(bmp.bitsOffset));
    else
        std::memcpy(bits, in.At(bmp.bitsOffset), bmp.bitsSize);
    return ui::Graphic::FromBitmap(std::move(section), bmp.width, bmp.rows);
}

}  // namespace picture
