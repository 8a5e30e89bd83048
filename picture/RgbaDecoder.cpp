// PNG, WebP and GIF pictures into a 32-bit top-down DIB section with alpha.
#include <windows.h>

#include <utility>

#include "picture/Decoders.h"
#include "picture/RgbaReaders.h"

namespace picture {
namespace {

// The section is freed with the canvas unless the picture takes it.
class DibSectionCanvas final : public RgbaCanvas {
public:
    unsigned char* Rows(int width, int height) override {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
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

ui::Graphic Decode(Bytes file, bool (*read)(std::span<const unsigned char>, RgbaCanvas&, const RgbaLimits&),
                   PictureError (*invalid)()) {
    DibSectionCanvas canvas;
    if (!read(file, canvas, kRgbaLimits)) throw invalid();
    return ui::Graphic::FromBitmap(std::move(canvas.section), canvas.width, canvas.height, ui::Alpha::Straight);
}

}  // namespace

PictureError InvalidPng() { return PictureError("PNG イメージが不正です"); }
PictureError InvalidWebp() { return PictureError("WebP イメージが不正です"); }
PictureError InvalidGif() { return PictureError("GIF イメージが不正です"); }

ui::Graphic DecodePng(Bytes file) { return Decode(file, ReadPng, InvalidPng); }
ui::Graphic DecodeWebp(Bytes file) { return Decode(file, ReadWebp, InvalidWebp); }
ui::Graphic DecodeGif(Bytes file) { return Decode(file, ReadGif, InvalidGif); }

}  // namespace picture
