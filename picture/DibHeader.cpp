#include "picture/DibHeader.h"

#include <algorithm>

namespace picture {
namespace {

constexpr uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr uint64_t kMaskBytes = 12;       // red, green and blue masks
// Decoded pixels of one picture; a header asking for more is refused.
constexpr uint64_t kMaxPixelBytes = 256ull << 20;

bool IsBitCount(unsigned bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool CompressionSuits(uint32_t compression, unsigned bits, int32_t height) {
    switch (compression) {
    case BI_RGB: return true;
    case BI_BITFIELDS: return bits == 16 || bits == 32;
    // Run-length data is always stored bottom-up.
    case BI_RLE8: return bits == 8 && height > 0;
    case BI_RLE4: return bits == 4 && height > 0;
    default: return false;
    }
}

uint64_t EntrySize(DibColours colours, uint32_t headerSize) {
    switch (colours) {
    case DibColours::Rgb: return headerSize == kCoreHeaderSize ? 3 : 4;  // RGBTRIPLE or RGBQUAD
    case DibColours::PaletteIndices: return 2;
    default: return 0;
    }
}

}  // namespace

std::optional<DibHeader> ReadDibHeader(const ByteReader& in, size_t at, uint64_t available, DibColours colours) {
    if (available < kCoreHeaderSize || !in.Has(at, available)) return std::nullopt;
    DibHeader dib{};
    dib.headerSize = in.U32(at);
    unsigned planes = 0;
    uint32_t used = 0;
    if (dib.headerSize == kCoreHeaderSize) {  // unsigned 16-bit sizes, no compression
        dib.width = in.U16(at + 4);
        dib.height = in.U16(at + 6);
        planes = in.U16(at + 8);
        dib.bitCount = in.U16(at + 10);
        dib.compression = BI_RGB;
    } else if (dib.headerSize >= kInfoHeaderSize && dib.headerSize <= available) {
        // BITMAPINFOHEADER and every larger header begin alike.
        dib.width = in.I32(at + 4);
        dib.height = in.I32(at + 8);
        planes = in.U16(at + 12);
        dib.bitCount = in.U16(at + 14);
        dib.compression = in.U32(at + 16);
        dib.compressedSize = in.U32(at + 20);
        used = in.U32(at + 32);
    } else {
        return std::nullopt;
    }
    if (planes != 1 || !IsBitCount(dib.bitCount) || !CompressionSuits(dib.compression, dib.bitCount, dib.height))
        return std::nullopt;
    if (dib.width <= 0 || dib.height == 0 || dib.height == INT32_MIN) return std::nullopt;

    // The masks follow the first 40 bytes, inside the larger headers. Only
    // bitmaps of up to 8 bits have colours; a table after deeper ones is never read.
    dib.tableOffset = dib.compression == BI_BITFIELDS ? std::max<uint64_t>(dib.headerSize, kInfoHeaderSize + kMaskBytes)
                                                      : dib.headerSize;
    if (dib.bitCount <= 8) {
        const uint32_t most = 1u << dib.bitCount;
        dib.colours = used == 0 || used > most ? most : used;
    }
    dib.entrySize = EntrySize(colours, dib.headerSize);
    dib.infoSize = dib.tableOffset + dib.colours * dib.entrySize;
    dib.stride = (uint64_t(dib.width) * dib.bitCount + 31) / 32 * 4;
    dib.rows = dib.height < 0 ? uint64_t(-int64_t(dib.height)) : uint64_t(dib.height);
    if (dib.infoSize > available || dib.stride * dib.rows > kMaxPixelBytes) return std::nullopt;
    // GDI makes no bitmap of a colour that has no bits.
    for (size_t i = 0; dib.compression == BI_BITFIELDS && i < 3; ++i)
        if (in.U32(at + kInfoHeaderSize + 4 * i) == 0) return std::nullopt;
    return dib;
}

bool DibPixelsFit(const DibHeader& dib, uint64_t bytes, uint64_t rowsRead) {
    // The platform takes the run-length data's size from the header.
    if (dib.IsRunLength()) return dib.compressedSize != 0 && dib.compressedSize <= bytes;
    return dib.stride * std::min(rowsRead, dib.rows) <= bytes;
}

size_t PlainDibInfo::Size() const {
    const size_t entries = header.biCompression == BI_BITFIELDS ? 3 : header.biClrUsed;
    return sizeof header + entries * sizeof(DWORD);
}

PlainDibInfo PlainInfo(const ByteReader& in, size_t at, const DibHeader& dib) {
    PlainDibInfo info{};
    info.header = {sizeof(BITMAPINFOHEADER), dib.width, dib.height, 1, WORD(dib.bitCount), dib.compression,
                   dib.IsRunLength() ? dib.compressedSize : 0, 0, 0, dib.colours, 0};
    if (dib.compression == BI_BITFIELDS)
        for (size_t i = 0; i < 3; ++i) info.table[i] = in.U32(at + kInfoHeaderSize + 4 * i);
    for (uint32_t i = 0; i < dib.colours; ++i) {
        const size_t entry = at + size_t(dib.tableOffset + i * dib.entrySize);
        info.table[i] = in.U8(entry) | in.U8(entry + 1) << 8 | in.U8(entry + 2) << 16;  // blue, green, red
    }
    return info;
}

}  // namespace picture
