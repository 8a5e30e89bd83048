// JPEG pictures into a 24-bit bottom-up DIB section.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "picture/Decoders.h"
#include "picture/JpegReader.h"
#include "picture/ReducedPicture.h"

namespace picture {

PictureError JpegError(int messageCode) {
    return PictureError("JPEG エラー #" + std::to_string(messageCode));
}

PictureError JpegTooBig() { return JpegError(JERR_IMAGE_TOO_BIG); }

namespace {

// The section is freed with the canvas unless the picture takes it.
class DibSectionCanvas final : public JpegCanvas {
public:
    unsigned char* Rows(int width, int height) override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;  // bottom-up
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        section = ui::BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        this->width = width;
        this->height = height;
        return section && bits ? static_cast<unsigned char*>(bits) : nullptr;
    }

    ui::BitmapHandle section;
    int width = 0;
    int height = 0;
};

// With a drawn size: decoded at an eighth of its size that still covers it,
// into memory, then brought down to the drawn size alone.
class MemoryCanvas final : public JpegCanvas {
public:
    unsigned char* Rows(int width, int height) override {
        this->width = width, this->height = height;
        rows.resize((size_t(width) * 3 + 3) / 4 * 4 * size_t(height));
        return rows.data();
    }

    std::vector<unsigned char> rows;  // bottom-up
    int width = 0;
    int height = 0;
};

}  // namespace

ui::Graphic DecodeJpeg(ByteSource& file, DrawnSize drawn) {
    if (drawn.width > 0 && drawn.height > 0) {
        MemoryCanvas canvas;
        if (int code = ReadJpeg(file, canvas, kPictureLimits, drawn)) throw JpegError(code);
        const size_t stride = (size_t(canvas.width) * 3 + 3) / 4 * 4;
        std::optional<ui::Graphic> reduced =
            ReducedPicture(canvas.width, canvas.height, ReducedSize(canvas.width, canvas.height, drawn), 3,
                           [&](int y) { return canvas.rows.data() + stride * size_t(canvas.height - 1 - y); },
                           ui::Alpha::None);
        if (!reduced) throw JpegError(JERR_OUT_OF_MEMORY);
        return *std::move(reduced);
    }
    DibSectionCanvas canvas;
    if (int code = ReadJpeg(file, canvas)) throw JpegError(code);
    return ui::Graphic::FromBitmap(std::move(canvas.section), canvas.width, canvas.height);
}

}  // namespace picture
