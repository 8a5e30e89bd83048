// PNG (libpng), WebP (libwebp) and GIF (giflib) pictures, decoded into rows
// of blue, green, red and alpha bytes (alpha not premultiplied), the top row
// first, within a bound on their size that holds before any pixel memory is
// taken, and brought down to the drawn size where they are larger (libwebp
// scales as it decodes; PNG and GIF rows are averaged down as they arrive).
// Portable: the platform part is the decoder, whose canvas is a DIB section.
// A GIF gives its first frame, on its logical screen, with the transparent
// colour and the screen outside the frame as alpha 0.
#pragma once
#include <cstdint>
#include <span>

#include "picture/ByteSource.h"
#include "picture/DrawnSize.h"

namespace picture {

// Where the decoded rows go.
class RgbaCanvas {
public:
    // Room for height rows of width pixels, four bytes each, the top row
    // first (the size decoded at); nullptr when there is none. Asked once,
    // before any row is decoded.
    virtual unsigned char* Rows(int width, int height) = 0;

protected:
    ~RgbaCanvas() = default;
};

struct RgbaLimits {
    int side;             // pixels, either way
    uint64_t pixelBytes;  // four a pixel
};

// What a picture pane accepts: as large as a JPEG picture may be.
inline constexpr RgbaLimits kRgbaLimits{16384, 200ull << 20};

// Whether a picture of that size is within the limits, checked before a pixel is taken.
inline bool Fits(uint64_t width, uint64_t height, const RgbaLimits& limits) {
    return width > 0 && height > 0 && width <= uint64_t(limits.side) && height <= uint64_t(limits.side) &&
           width * height * 4 <= limits.pixelBytes;
}

// Each returns true once every row is in the canvas; false for a file it
// refuses (damaged, cut short, not of its kind, or over the limits).
bool ReadPng(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits = kRgbaLimits,
             DrawnSize drawn = {});
bool ReadPng(ByteSource& file, RgbaCanvas& canvas, const RgbaLimits& limits = kRgbaLimits, DrawnSize drawn = {});
bool ReadWebp(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits = kRgbaLimits,
              DrawnSize drawn = {});
bool ReadWebp(ByteSource& file, RgbaCanvas& canvas, const RgbaLimits& limits = kRgbaLimits, DrawnSize drawn = {});
bool ReadGif(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits = kRgbaLimits,
             DrawnSize drawn = {});

}  // namespace picture
