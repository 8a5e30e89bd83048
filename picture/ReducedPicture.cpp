#include "picture/ReducedPicture.h"

#include <windows.h>

#include <utility>


namespace picture {

ui::BitmapHandle TopDownSection(int width, int height, unsigned char*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    ui::BitmapHandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = static_cast<unsigned char*>(pixels);
    return section && pixels ? std::move(section) : ui::BitmapHandle();
}

std::optional<ui::Graphic> ReducedPicture(int width, int height, DrawnSize size, int channels,
                                          const std::function<const unsigned char*(int y)>& row, ui::Alpha alpha) {
    unsigned char* bits = nullptr;
    ui::BitmapHandle section = TopDownSection(size.width, size.height, bits);
    if (!section) return std::nullopt;
    AreaReducer reducer(width, height, size.width, size.height, bits);
    for (int y = 0; y < height; ++y) reducer.AddRow(row(y), channels);
    return ui::Graphic::FromBitmap(std::move(section), size.width, size.height, alpha);
}

}  // namespace picture
