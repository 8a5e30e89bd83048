// JPEG pictures through libjpeg, decoded into rows of blue, green and red
// bytes, within limits on size, working memory and scans. Portable: the
// platform part is the decoder, whose canvas is a DIB section.
#pragma once
#include <cstdint>
#include <span>

#include "picture/AreaReducer.h"
#include "picture/ByteSource.h"

namespace picture {

// Where the decoded rows go.
class JpegCanvas {
public:
    // Room for height rows of width pixels, three bytes each, every row
    // padded to a multiple of four bytes, the bottom row first; nullptr when
    // there is none. Asked once, before any row is decoded.
    virtual unsigned char* Rows(int width, int height) = 0;

protected:
    ~JpegCanvas() = default;
};

struct JpegLimits {
    uint64_t pixels;
    uint64_t pixelBytes;    // three a pixel
    long workingMemory;     // libjpeg's own, such as progressive files' whole-image buffers
    int scans;              // real progressive files have around ten; thousands of empty ones only burn time
};

// What a picture pane accepts.
inline constexpr JpegLimits kPictureLimits{16384ull * 16384, 200ull << 20, 512l << 20, 500};

// Returns 0 once every row is in the canvas, or libjpeg's message number
// for what refused the file (JERR_IMAGE_TOO_BIG for a picture over the limits).
// With a drawn size, libjpeg decodes at the smallest eighth of the picture's
// size that still covers it (each way), where that is smaller.
int ReadJpeg(ByteSource& file, JpegCanvas& canvas, const JpegLimits& limits = kPictureLimits, DrawnSize drawn = {});
int ReadJpeg(std::span<const unsigned char> file, JpegCanvas& canvas, const JpegLimits& limits = kPictureLimits,
             DrawnSize drawn = {});

}  // namespace picture
