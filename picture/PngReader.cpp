// PNG pictures through libpng's simplified API, which takes every colour type,
// bit depth and interlacing, and turns a palette's transparency into alpha.
#include <png.h>

#include <cstdint>
#include <cstring>

#include "picture/RgbaReaders.h"

namespace picture {
namespace {

// libpng takes a chunk's length at its word and allocates that much before it
// reads the chunk: every chunk up to the end chunk must lie inside the file.
bool ChunksInsideFile(std::span<const unsigned char> file) {
    for (size_t at = 8; at + 8 <= file.size();) {
        const uint64_t length = uint64_t(file[at]) << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3];
        if (length + 12 > file.size() - at) return false;
        if (std::memcmp(&file[at + 4], "IEND", 4) == 0) break;
        at += size_t(length) + 12;
    }
    return true;
}

}  // namespace

bool ReadPng(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits) {
    if (!ChunksInsideFile(file)) return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return false;
    image.format = PNG_FORMAT_BGRA;
    unsigned char* rows = Fits(image.width, image.height, limits) ? canvas.Rows(int(image.width), int(image.height))
                                                                   : nullptr;
    if (!rows) {
        png_image_free(&image);
        return false;
    }
    return png_image_finish_read(&image, nullptr, rows, 0, nullptr) != 0;
}

}  // namespace picture
