// The headers of a Windows bitmap file (.bmp), checked against the file
// before anything is allocated. Portable: the platform part is the decoder.
#pragma once
#include <cstddef>
#include <optional>

#include "picture/ByteReader.h"
#include "picture/DibHeader.h"

namespace picture {

struct BitmapFile {
    DibHeader dib;
    PlainDibInfo info;  // the file's format, BITMAPINFOHEADER form
    size_t bitsOffset;  // pixel data in the file
    size_t bitsSize;    // plain rows, or the run-length data
};

// The file header says where the pixels start: the bitmap's header, masks and
// colour table lie between it and them. nullopt for a file that is not a
// sound bitmap, or is cut short.
std::optional<BitmapFile> ReadBitmapFile(const ByteReader& in);

}  // namespace picture
