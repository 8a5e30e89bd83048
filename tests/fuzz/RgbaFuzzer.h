// What the PNG, WebP and GIF fuzzers hold of every input: a decoded picture
// asks for its rows once, within limits (smaller than a pane's, for speed),
// no larger than drawn (the input's last byte gives that size, or none), and
// fills them without writing outside: the canvas is exactly their size.
#pragma once
#include <cstdint>
#include <vector>

#include "fuzz/Invariant.h"
#include "picture/RgbaReaders.h"

namespace fuzz {

constexpr picture::RgbaLimits kLimits{1024, 4u << 20};

class VectorCanvas final : public picture::RgbaCanvas {
public:
    unsigned char* Rows(int width, int height) override {
        INVARIANT(!asked && picture::Fits(uint64_t(width), uint64_t(height), kLimits));
        INVARIANT(drawn.width == 0 || (width <= drawn.width && height <= drawn.height));
        asked = true;
        pixels.resize(size_t(width) * size_t(height) * 4);
        return pixels.data();
    }

    picture::DrawnSize drawn;
    bool asked = false;
    std::vector<unsigned char> pixels;
};

inline int Fuzz(const uint8_t* data, size_t size,
                bool (*read)(std::span<const unsigned char>, picture::RgbaCanvas&, const picture::RgbaLimits&,
                             picture::DrawnSize)) {
    VectorCanvas canvas;
    const int last = size ? data[size - 1] : 0;
    if (last & 1) canvas.drawn = {1 + (last >> 1) % 16, 1 + (last >> 5)};
    if (read({data, size}, canvas, kLimits, canvas.drawn)) INVARIANT(canvas.asked);
    return 0;
}

}  // namespace fuzz
