// JPEG files through libjpeg: a decoded picture asks for its rows once,
// within the limits, and fills them without writing outside; a refused one
// gives libjpeg's message number. Smaller limits than a picture pane's keep
// each run fast; the same code enforces them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/Invariant.h"
#include "picture/JpegReader.h"

namespace {

constexpr picture::JpegLimits kLimits{1u << 18, 3u << 18, 64l << 20, 500};

class VectorCanvas final : public picture::JpegCanvas {
public:
    unsigned char* Rows(int width, int height) override {
        INVARIANT(!asked && width > 0 && height > 0);
        INVARIANT(uint64_t(width) * uint64_t(height) <= kLimits.pixels);
        asked = true;
        pixels.resize((size_t(width) * 3 + 3) / 4 * 4 * size_t(height));
        return pixels.data();
    }

    bool asked = false;
    std::vector<unsigned char> pixels;  // exactly the rows: a write past them is caught
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VectorCanvas canvas;
    const int code = picture::ReadJpeg({data, size}, canvas, kLimits);
    INVARIANT(code >= 0);
    if (code == 0) INVARIANT(canvas.asked);
    return 0;
}
