#include "support/PictureDrawings.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <tuple>

#include "support/Pictures.h"

namespace testsupport {

const std::vector<Sample> kQuadrantSamples = {
    {0.25, 0.25, kRed}, {0.75, 0.25, kGreen}, {0.25, 0.75, kBlue}, {0.75, 0.75, kYellow}};

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255), kCyan = RGB(0, 255, 255), kOrange = RGB(255, 128, 0),
                   kPurple = RGB(128, 0, 255);

// An object selected into the DC for a scope; deleted afterwards unless stock.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object, bool owned = true)
        : dc_(dc), object_(object), owned_(owned), old_(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(dc_, old_);
        if (owned_) DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    bool owned_;
    HGDIOBJ old_;
};

void FillBox(HDC dc, HBRUSH brush, int left, int top, int right, int bottom) {
    Selected pen(dc, GetStockObject(NULL_PEN), false);
    Selected chosen(dc, brush);
    Rectangle(dc, left, top, right + 1, bottom + 1);  // a null pen leaves the right and bottom edge out
}

void Put(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

// A packed DIB of one colour: BITMAPINFOHEADER, colour table or masks, then
// the pixels. Palette pictures use an entry other than the first, so that a
// reader ignoring the table would show another colour.
struct PackedDib {
    std::vector<unsigned char> bytes;
    size_t bitsOffset;
    BITMAPINFO* Info() { return reinterpret_cast<BITMAPINFO*>(bytes.data()); }
    void* Bits() { return bytes.data() + bitsOffset; }
};

std::vector<unsigned char> RunLengths(int width, int height, WORD bits, uint8_t index) {
    std::vector<unsigned char> out;
    const uint8_t pair = bits == 4 ? uint8_t(index << 4 | index) : index;
    for (int y = 0; y < height; ++y) {
        for (int left = width; left > 0; left -= 255) out.insert(out.end(), {uint8_t(left > 255 ? 255 : left), pair});
        out.insert(out.end(), {0, uint8_t(y + 1 == height ? 1 : 0)});  // end of line, of bitmap
    }
    return out;
}

PackedDib SolidDib(int width, int height, WORD bits, DWORD compression, COLORREF colour) {
    const uint32_t r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    std::vector<unsigned char> table;
    uint32_t pixel = b | g << 8 | r << 16;
    if (bits <= 8) {
        const uint32_t index = bits == 1 ? 1 : 5;
        for (uint32_t i = 0; i < (1u << bits); ++i) Put(table, i == index ? pixel : 0, 4);
        pixel = index;
    } else if (bits == 16) {
        if (compression == BI_BITFIELDS) {
            for (uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) Put(table, mask, 4);
            pixel = (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
        } else {
            pixel = (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
        }
    } else if (compression == BI_BITFIELDS) {
        for (uint32_t mask : {0xFF0000u, 0x00FF00u, 0x0000FFu}) Put(table, mask, 4);
    }

    std::vector<unsigned char> pixels;
    if (compression == BI_RLE8 || compression == BI_RLE4) {
        pixels = RunLengths(width, height, bits, uint8_t(pixel));
    } else {
        const size_t stride = (size_t(width) * bits + 31) / 32 * 4;
        std::vector<unsigned char> row(stride);
        for (int x = 0; x < width; ++x) {
            const size_t bit = size_t(x) * bits;
            if (bits < 8)
                row[bit / 8] |= uint8_t(pixel << (8 - bits - bit % 8));
            else
                for (int i = 0; i < bits / 8; ++i) row[bit / 8 + i] = uint8_t(pixel >> (8 * i));
        }
        for (int y = 0; y < height; ++y) pixels.insert(pixels.end(), row.begin(), row.end());
    }

    PackedDib dib;
    // biSizeImage is set: Wine leaves a WMF's StretchDIBits without pixels when it is 0.
    for (uint32_t field : {uint32_t(sizeof(BITMAPINFOHEADER)), uint32_t(width), uint32_t(height)}) Put(dib.bytes, field, 4);
    Put(dib.bytes, 1, 2);
    Put(dib.bytes, bits, 2);
    for (uint32_t field : {uint32_t(compression), uint32_t(pixels.size()), 0u, 0u,
                           bits <= 8 ? 1u << bits : 0u, 0u})
        Put(dib.bytes, field, 4);
    dib.bytes.insert(dib.bytes.end(), table.begin(), table.end());
    dib.bitsOffset = dib.bytes.size();
    dib.bytes.insert(dib.bytes.end(), pixels.begin(), pixels.end());
    return dib;
}

// A 32-bit DIB section, its left half one colour and its right half another.
HBITMAP Halves(int width, int height, COLORREF left, COLORREF right) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    for (auto [from, to, colour] : {std::tuple{0, width / 2, left}, std::tuple{width / 2, width, right}}) {
        const RECT part{from, 0, to, height};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &part, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return section;
}

// Copies from a bitmap through a memory DC, as programs blit their off-screen pictures.
template <class Blit>
void BlitFrom(HBITMAP bitmap, Blit blit) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    blit(memory);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

void StretchDib(HDC dc, PackedDib dib, int left, int top, int width, int height) {
    const BITMAPINFOHEADER& header = dib.Info()->bmiHeader;
    StretchDIBits(dc, left, top, width, height, 0, 0, header.biWidth, header.biHeight, dib.Bits(), dib.Info(),
                  DIB_RGB_COLORS, SRCCOPY);
}

// --- The drawings, on 100 x 100 logical units ----------------------------------

void LinesAndPolygons(HDC dc) {
    Selected noPen(dc, GetStockObject(NULL_PEN), false);
    {
        Selected red(dc, CreateSolidBrush(kRed));
        const POINT triangle[] = {{5, 5}, {45, 5}, {5, 45}};
        Polygon(dc, triangle, int(std::size(triangle)));
    }
    {
        Selected green(dc, CreateSolidBrush(kGreen));
        const POINT bars[] = {{55, 5}, {70, 5}, {70, 45}, {55, 45}, {80, 5}, {95, 5}, {95, 45}, {80, 45}};
        const INT corners[] = {4, 4};
        PolyPolygon(dc, bars, corners, 2);
    }
    {
        Selected yellow(dc, CreateSolidBrush(kYellow));
        Ellipse(dc, 55, 55, 95, 95);
    }
    Selected blue(dc, CreatePen(PS_SOLID, 8, kBlue));
    const POINT line[] = {{5, 75}, {25, 75}, {45, 75}};
    Polyline(dc, line, int(std::size(line)));
    MoveToEx(dc, 5, 90, nullptr);
    LineTo(dc, 45, 90);
}

void Text(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kBlue);
    {
        Selected big(dc, CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック"));
        TextOutA(dc, 5, 5, "■", 2);
    }
    Selected small(dc, CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial"));
    SetTextColor(dc, kBlack);
    SetBkColor(dc, kYellow);
    const RECT box{50, 50, 96, 96};
    const INT spacing[] = {9, 9, 9};
    ExtTextOutA(dc, 52, 52, ETO_OPAQUE, &box, "abc", 3, spacing);
}

void PatternAndHatchBrushes(HDC dc) {
    HBITMAP colour = Halves(8, 8, kGreen, kGreen);
    FillBox(dc, CreatePatternBrush(colour), 5, 5, 45, 45);
    DeleteObject(colour);

    // A monochrome pattern paints its 0 bits in the text colour. Black: Wine 8
    // plays a Windows metafile's monochrome brush in its colour table's black.
    const WORD zeros[8] = {};
    HBITMAP mono = CreateBitmap(8, 8, 1, 1, zeros);
    SetTextColor(dc, kBlack);
    SetBkColor(dc, kWhite);
    FillBox(dc, CreatePatternBrush(mono), 55, 5, 95, 45);
    DeleteObject(mono);

    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kYellow);
    FillBox(dc, CreateHatchBrush(HS_DIAGCROSS, kBlue), 5, 55, 45, 95);
}

void Bitmaps(HDC dc) {
    BlitFrom(Halves(40, 40, kRed, kRed), [dc](HDC memory) { BitBlt(dc, 5, 5, 40, 40, memory, 0, 0, SRCCOPY); });
    BlitFrom(Halves(4, 4, kGreen, kGreen),
             [dc](HDC memory) { StretchBlt(dc, 55, 5, 40, 40, memory, 0, 0, 4, 4, SRCCOPY); });
    StretchDib(dc, SolidDib(2, 2, 24, BI_RGB, kBlue), 5, 55, 40, 40);
    PackedDib yellow = SolidDib(8, 8, 8, BI_RGB, kYellow);
    FillBox(dc, CreateDIBPatternBrushPt(yellow.bytes.data(), DIB_RGB_COLORS), 55, 55, 95, 95);
}

// A monochrome mask: 1 (white) where the source is to show, on the given side.
HBITMAP Mask(bool leftHalf) {
    HBITMAP mask = CreateBitmap(40, 40, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mask);
    PatBlt(dc, 0, 0, 40, 40, BLACKNESS);
    if (leftHalf)
        PatBlt(dc, 0, 0, 20, 40, WHITENESS);
    else
        PatBlt(dc, 0, 0, 40, 20, WHITENESS);  // the top half
    SelectObject(dc, old);
    DeleteDC(dc);
    return mask;
}

void MaskedBlits(HDC dc) {
    constexpr DWORD kKeep = 0x00AA0029;  // the destination as it is
    HBITMAP left = Mask(true), top = Mask(false);
    BlitFrom(Halves(40, 40, kRed, kRed), [&](HDC memory) {
        MaskBlt(dc, 5, 5, 40, 40, memory, 0, 0, left, 0, 0, MAKEROP4(SRCCOPY, kKeep));
    });
    BlitFrom(Halves(40, 40, kGreen, kGreen), [&](HDC memory) {
        const POINT corners[] = {{55, 5}, {95, 5}, {55, 45}};
        PlgBlt(dc, corners, memory, 0, 0, 40, 40, top, 0, 0);
    });
    DeleteObject(left);
    DeleteObject(top);
    BlitFrom(Halves(40, 40, kBlue, kMagenta), [dc](HDC memory) {
        GdiTransparentBlt(dc, 5, 55, 40, 40, memory, 0, 0, 40, 40, kMagenta);
    });
}

struct DibCell {
    WORD bits;
    DWORD compression;
    COLORREF colour;
};

// Eight cells in two rows of four, one pixel format each.
constexpr DibCell kDibCells[] = {
    {1, BI_RGB, kRed},     {4, BI_RGB, kGreen},     {8, BI_RGB, kBlue},     {16, BI_RGB, kYellow},
    {16, BI_BITFIELDS, kMagenta}, {32, BI_BITFIELDS, kCyan}, {8, BI_RLE8, kOrange}, {4, BI_RLE4, kPurple},
};

void DibFormats(HDC dc) {
    for (size_t i = 0; i < std::size(kDibCells); ++i) {
        const DibCell& cell = kDibCells[i];
        StretchDib(dc, SolidDib(6, 6, cell.bits, cell.compression, cell.colour), 2 + 25 * int(i % 4),
                   2 + 50 * int(i / 4), 21, 46);
    }
}

std::vector<Sample> DibFormatSamples() {
    std::vector<Sample> samples;
    for (size_t i = 0; i < std::size(kDibCells); ++i)
        samples.push_back({(12.5 + 25 * double(i % 4)) / 100, (25 + 50 * double(i / 4)) / 100, kDibCells[i].colour});
    return samples;
}

void Clipping(HDC dc) {
    SaveDC(dc);
    IntersectClipRect(dc, 10, 10, 90, 50);
    ExcludeClipRect(dc, 40, 20, 60, 40);
    FillBox(dc, CreateSolidBrush(kRed), 0, 0, 100, 55);
    RestoreDC(dc, -1);

    HRGN region = CreateRectRgn(10, 60, 40, 95);
    HRGN right = CreateRectRgn(60, 60, 90, 95);
    CombineRgn(region, region, right, RGN_OR);
    SelectClipRgn(dc, region);
    DeleteObject(right);
    DeleteObject(region);
    FillBox(dc, CreateSolidBrush(kBlue), 0, 55, 100, 100);
    SelectClipRgn(dc, nullptr);
}

void WorldTransforms(HDC dc) {
    SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM doubled{2, 0, 0, 2, 50, 50};
    SetWorldTransform(dc, &doubled);
    FillBox(dc, CreateSolidBrush(kGreen), 0, 0, 20, 20);  // lands on 50..90

    // An eighth of a turn about (25, 25): the square stands on a corner.
    const float c = float(std::sqrt(0.5));
    const XFORM turned{c, c, -c, c, 25, 25 - 50 * c};
    SetWorldTransform(dc, &turned);
    FillBox(dc, CreateSolidBrush(kRed), 15, 15, 35, 35);

    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    FillBox(dc, CreateSolidBrush(kBlue), 5, 55, 45, 95);
}

void PathsGradientsBlending(HDC dc) {
    BeginPath(dc);
    MoveToEx(dc, 5, 5, nullptr);
    LineTo(dc, 45, 5);
    LineTo(dc, 25, 45);
    CloseFigure(dc);
    EndPath(dc);
    {
        Selected red(dc, CreateSolidBrush(kRed));
        FillPath(dc);
    }

    TRIVERTEX corners[] = {{55, 5, 0, 0, 0xFF00, 0}, {96, 46, 0, 0xFF00, 0, 0}};  // blue to green
    GRADIENT_RECT rect{0, 1};
    GdiGradientFill(dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_H);

    const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    BlitFrom(Halves(4, 4, kBlue, kBlue),
             [&](HDC memory) { GdiAlphaBlend(dc, 5, 55, 40, 40, memory, 0, 0, 4, 4, half); });
}

}  // namespace

const std::vector<MetafileDrawing>& MetafileDrawings() {
    static const std::vector<MetafileDrawing> drawings = {
        {"lines_and_polygons", LinesAndPolygons, false,
         {{0.15, 0.15, kRed}, {0.38, 0.38, kWhite}, {0.62, 0.25, kGreen}, {0.75, 0.25, kWhite},
          {0.88, 0.25, kGreen}, {0.25, 0.75, kBlue}, {0.25, 0.65, kWhite}, {0.75, 0.75, kYellow},
          {0.57, 0.57, kWhite}}},
        {"text", Text, false, {{0.25, 0.25, kBlue}, {0.25, 0.75, kWhite}, {0.88, 0.88, kYellow}}},
        {"pattern_and_hatch_brushes", PatternAndHatchBrushes, false,
         {{0.25, 0.25, kGreen}, {0.75, 0.25, kBlack}, {0.25, 0.75, kYellow, kBlue}, {0.75, 0.75, kWhite}}},
        {"bitmaps", Bitmaps, false, {kQuadrantSamples[0], kQuadrantSamples[1], kQuadrantSamples[2],
                                     kQuadrantSamples[3], {0.5, 0.5, kWhite}}},
        {"dib_formats", DibFormats, false, DibFormatSamples()},
        {"clipping", Clipping, false,
         {{0.05, 0.05, kWhite}, {0.25, 0.3, kRed}, {0.5, 0.3, kWhite}, {0.85, 0.45, kRed},
          {0.25, 0.77, kBlue}, {0.5, 0.77, kWhite}, {0.75, 0.77, kBlue}}},
        {"world_transforms", WorldTransforms, true,
         {{0.7, 0.7, kGreen}, {0.25, 0.25, kRed}, {0.25, 0.13, kRed}, {0.17, 0.17, kWhite},
          {0.25, 0.75, kBlue}, {0.75, 0.25, kWhite}}},
        // Wine 8 plays these three records without drawing their pixels, with
        // a mask or without; Windows shows the source colours.
        {"masked_blits", MaskedBlits, true,
         {{0.15, 0.25, kRed, kWhite}, {0.35, 0.25, kWhite}, {0.75, 0.15, kGreen, kWhite}, {0.75, 0.38, kWhite},
          {0.15, 0.75, kBlue, kWhite}, {0.35, 0.75, kWhite}}},
        {"paths_gradients_blending", PathsGradientsBlending, true,
         {{0.25, 0.15, kRed}, {0.08, 0.4, kWhite}, {0.75, 0.25, RGB(0, 128, 128)},
          {0.25, 0.75, RGB(128, 128, 255)}, {0.75, 0.75, kWhite}}},
    };
    return drawings;
}

}  // namespace testsupport
