// Icon files: the image the checks choose is handed to the platform whole.
// A PNG image is a piece of the file; a DIB image is a plain header with its
// table, followed by at least the colour and mask rows its header promises.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/Invariant.h"
#include "picture/IconFile.h"
#include "picture/WindowsFormats.h"

namespace {

constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

void CheckDib(const std::vector<unsigned char>& image) {
    INVARIANT(image.size() >= sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data(), sizeof header);
    INVARIANT(header.biSize == 40 && header.biPlanes == 1 && header.biWidth > 0 && header.biHeight > 0);
    INVARIANT(header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS);
    const uint64_t table = header.biCompression == BI_BITFIELDS ? 3 : header.biClrUsed;
    INVARIANT(table <= 256);
    const uint64_t width = uint64_t(header.biWidth);
    const uint64_t colourStride = (width * header.biBitCount + 31) / 32 * 4;
    const uint64_t maskStride = (width + 31) / 32 * 4;
    const uint64_t rows = uint64_t(header.biHeight) / 2;  // the colour rows, then as many mask rows
    INVARIANT(image.size() >= 40 + table * 4 + (colourStride + maskStride) * rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<picture::IconImage> icon = picture::ChooseIconImage(picture::ByteReader({data, size}));
    if (!icon) return 0;
    INVARIANT(icon->width >= 1 && icon->width <= 256 && icon->height >= 1 && icon->height <= 256);
    const std::vector<unsigned char>& image = icon->resource;
    const bool png = image.size() >= sizeof kPngSignature &&
                     std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin());
    if (png)
        INVARIANT(std::search(data, data + size, image.begin(), image.end()) != data + size);
    else
        CheckDib(image);
    return 0;
}
