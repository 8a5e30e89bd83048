// PNG, WebP and GIF pictures into a 32-bit top-down DIB section with alpha.
#include <windows.h>

#include <utility>

#include "picture/Decoders.h"
#include "picture/RgbaReaders.h"
#include "picture/ReducedPicture.h"

namespace picture {
namespace {

// The section is freed with the canvas unless the picture takes it.
class DibSectionCanvas final : public RgbaCanvas {
public:
    unsigned char* Rows(int width, int height) override {
        unsigned char* bits = nullptr;
        section = TopDownSection(width, height, bits);
        this->width = width;
        this->height = height;
        return bits;
    }

    ui::BitmapHandle section;
    int width = 0;
    int height = 0;
};

template <class File>
ui::Graphic Decode(File& file, bool (*read)(File&, RgbaCanvas&, const RgbaLimits&, DrawnSize), PictureError (*invalid)(),
                   DrawnSize drawn) {
    DibSectionCanvas canvas;
    if (!read(file, canvas, kRgbaLimits, drawn)) throw invalid();
    return ui::Graphic::FromBitmap(std::move(canvas.section), canvas.width, canvas.height, ui::Alpha::Straight);
}

bool ReadGifBytes(Bytes& file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    return ReadGif(file, canvas, limits, drawn);
}

}  // namespace

PictureError InvalidPng() { return PictureError("PNG イメージが不正です"); }
PictureError InvalidWebp() { return PictureError("WebP イメージが不正です"); }
PictureError InvalidGif() { return PictureError("GIF イメージが不正です"); }

ui::Graphic DecodePng(ByteSource& file, DrawnSize drawn) { return Decode<ByteSource>(file, ReadPng, InvalidPng, drawn); }
ui::Graphic DecodeWebp(ByteSource& file, DrawnSize drawn) {
    return Decode<ByteSource>(file, ReadWebp, InvalidWebp, drawn);
}
ui::Graphic DecodeGif(Bytes file, DrawnSize drawn) { return Decode<Bytes>(file, ReadGifBytes, InvalidGif, drawn); }

}  // namespace picture
