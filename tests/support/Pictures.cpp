#include "support/Pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "support/Scratch.h"
#include "support/TestFolders.h"

namespace testsupport {

Canvas::Canvas(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF Canvas::At(int x, int y) const {
    GdiFlush();
    uint32_t pixel = bits_[y * width_ + x];
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

testing::AssertionResult ColourNear(const char*, const char*, COLORREF actual, COLORREF expected) {
    auto within = [](int a, int b) { return std::abs(a - b) <= 40; };
    if (within(GetRValue(actual), GetRValue(expected)) && within(GetGValue(actual), GetGValue(expected)) &&
        within(GetBValue(actual), GetBValue(expected)))
        return testing::AssertionSuccess();
    char text[80];
    std::snprintf(text, sizeof text, "got RGB(%d,%d,%d), want RGB(%d,%d,%d)", GetRValue(actual), GetGValue(actual),
                  GetBValue(actual), GetRValue(expected), GetGValue(expected), GetBValue(expected));
    return testing::AssertionFailure() << text;
}

std::string PicturePath(const std::string& name) { return TestDataPath("pictures\\" + name); }

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::string RecordEnhanced(const Drawing& draw, const RECT& frame) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
    if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
    draw(dc);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    std::string bytes(GetEnhMetaFileBits(metafile, 0, nullptr), '\0');
    GetEnhMetaFileBits(metafile, UINT(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
    DeleteEnhMetaFile(metafile);
    return bytes;
}

std::string RecordWindows(const Drawing& draw, std::optional<SIZE> windowExtent) {
    HDC dc = CreateMetaFileA(nullptr);
    if (!dc) throw std::runtime_error("CreateMetaFileA failed");
    if (windowExtent) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetWindowExtEx(dc, windowExtent->cx, windowExtent->cy, nullptr);
    }
    draw(dc);
    HMETAFILE metafile = CloseMetaFile(dc);
    std::string bytes(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
    GetMetaFileBitsEx(metafile, UINT(bytes.size()), bytes.data());
    DeleteMetaFile(metafile);
    return bytes;
}

std::string Placeable(const std::string& metafile, int width, int height, int unitsPerInch) {
    // Key, handle, bounding box, units per inch, reserved, then the XOR of those ten words.
    const uint16_t words[10] = {0xCDD7, 0x9AC6, 0, 0, 0, uint16_t(width), uint16_t(height), uint16_t(unitsPerInch), 0, 0};
    std::string header;
    uint16_t checksum = 0;
    for (uint16_t word : words) {
        header += LittleEndian(word, 2);
        checksum ^= word;
    }
    return header + LittleEndian(checksum, 2) + metafile;
}

std::string SavedBitmap(WORD bitCount, DWORD compression) {
    constexpr int kWidth = 33, kHeight = 30;
    const COLORREF colours[] = {kRed, kGreen, kBlue, kYellow};
    struct {
        BITMAPINFOHEADER header;
        DWORD table[256];  // masks, or a grey ramp with the four colours far from its start
    } info{};
    const uint32_t entries = bitCount <= 8 ? 1u << bitCount : 0;
    info.header = {sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, bitCount, compression, 0, 0, 0, entries, 0};
    for (uint32_t i = 0; i < entries; ++i) info.table[i] = i * 255 / (entries - 1) * 0x010101u;
    for (uint32_t i = 0; i < 4 && entries >= 16; ++i)
        info.table[entries - 5 + i] = GetBValue(colours[i]) | GetGValue(colours[i]) << 8 | GetRValue(colours[i]) << 16;
    if (compression == BI_BITFIELDS) {
        const DWORD masks16[] = {0xF800, 0x07E0, 0x001F}, masks32[] = {0xFF0000, 0x00FF00, 0x0000FF};
        std::copy_n(bitCount == 16 ? masks16 : masks32, 3, info.table);
    }

    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) throw std::runtime_error("CreateDIBSection failed");
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    for (int i = 0; i < 4; ++i) {
        const RECT quadrant{i % 2 ? kWidth / 2 : 0, i / 2 ? kHeight / 2 : 0, i % 2 ? kWidth : kWidth / 2,
                            i / 2 ? kHeight : kHeight / 2};
        HBRUSH brush = CreateSolidBrush(colours[i]);
        FillRect(dc, &quadrant, brush);
        DeleteObject(brush);
    }
    GdiFlush();
    const size_t pixelBytes = (size_t(kWidth) * bitCount + 31) / 32 * 4 * kHeight;
    std::string pixels(static_cast<const char*>(bits), pixelBytes);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(section);

    info.header.biSizeImage = DWORD(pixelBytes);
    const size_t tableSize = compression == BI_BITFIELDS ? 12 : entries * sizeof(RGBQUAD);
    const std::string head(reinterpret_cast<const char*>(&info), sizeof info.header + tableSize);
    const uint32_t offset = uint32_t(14 + head.size()), size = uint32_t(offset + pixels.size());
    return "BM" + LittleEndian(size) + LittleEndian(0) + LittleEndian(offset) + head + pixels;
}

std::string LittleEndian(uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += char(value >> (8 * i));
    return bytes;
}

std::string Patched(std::string bytes, size_t offset, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.at(offset + i) = char(value >> (8 * i));
    return bytes;
}

uint32_t U32At(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | uint8_t(bytes.at(offset + i));
    return value;
}

uint16_t U16At(const std::string& bytes, size_t offset) {
    return uint16_t(uint8_t(bytes.at(offset)) | uint8_t(bytes.at(offset + 1)) << 8);
}

}  // namespace testsupport
