// The device-independent bitmaps that bitmap files, icon images and metafile
// records carry: one verdict on a header (BITMAPCOREHEADER, BITMAPINFOHEADER
// or a larger one such as V4 and V5), its colour masks or colour table, and
// its pixels, whichever file holds them. What only one kind of file asks of
// its bitmaps (an icon's doubled height and mask, a record's colour usage,
// a bitmap file's pixel offset) is checked by that file's decoder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "picture/ByteReader.h"
#include "picture/WindowsFormats.h"

namespace picture {

// What the colour table after the header holds: colours, or (in metafile
// records only) two-byte indices into the selected palette, or nothing at all.
enum class DibColours { Rgb, PaletteIndices, None };

struct DibHeader {
    uint32_t headerSize;
    int32_t width;
    int32_t height;           // negative for rows stored top-down
    unsigned bitCount;
    uint32_t compression;     // BI_RGB, BI_BITFIELDS, BI_RLE8 or BI_RLE4
    uint32_t compressedSize;  // of run-length pixels
    uint32_t colours;         // entries of the colour table
    uint64_t tableOffset;     // from the header's start: past the header and its masks
    uint64_t entrySize;       // of one colour table entry
    uint64_t infoSize;        // header, masks and colour table
    uint64_t stride;          // bytes of one row of plain pixels
    uint64_t rows;

    bool IsRunLength() const { return compression == BI_RLE8 || compression == BI_RLE4; }
};

// The header at `at` with its masks and colour table, all within `available`
// bytes; nullopt when they are not a sound bitmap's.
std::optional<DibHeader> ReadDibHeader(const ByteReader& in, size_t at, uint64_t available,
                                       DibColours colours = DibColours::Rgb);

// True when `bytes` bytes of pixels hold what the platform reads of the
// bitmap: up to rowsRead rows of plain pixels, or all its run-length data.
bool DibPixelsFit(const DibHeader& dib, uint64_t bytes, uint64_t rowsRead = UINT64_MAX);

// The same bitmap described as the platform is handed it: a plain
// BITMAPINFOHEADER followed by its three masks or its colours as RGBQUADs.
struct PlainDibInfo {
    BITMAPINFOHEADER header;
    DWORD table[256];

    size_t Size() const;  // of the header and the masks or colours in use
};

// dib was read at `at` with colours.
PlainDibInfo PlainInfo(const ByteReader& in, size_t at, const DibHeader& dib);

}  // namespace picture
