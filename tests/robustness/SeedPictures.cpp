// The valid pictures mutation starts from: the sample files of the test data,
// and metafiles recorded here through GDI, so that their records are the
// ones the platform itself writes.
#include <iterator>
#include <stdexcept>

#include "robustness/Robustness.h"
#include "support/Scratch.h"

namespace robustness {
namespace {

using Format = Mutator::Format;

// The drawing every metafile holds: pens, brushes, a font, shapes, text and a
// small bitmap, so that records with handles, points, strings and pixels occur.
void Draw(HDC dc) {
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(200, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 120, 200));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 5, 5, 150, 60);
    Ellipse(dc, 20, 10, 120, 50);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 159, 79);
    const POINT triangle[] = {{10, 70}, {80, 20}, {150, 70}};
    Polygon(dc, triangle, int(std::size(triangle)));
    HFONT font = CreateFontA(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(dc, font);
    TextOutA(dc, 10, 30, "rokabina", 8);
    SelectObject(dc, oldFont);
    DeleteObject(font);

    struct {
        BITMAPINFOHEADER header;
        DWORD pixels[4];
    } dib{{sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 16, 0, 0, 0, 0}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}};
    StretchDIBits(dc, 100, 40, 40, 30, 0, 0, 2, 2, dib.pixels, reinterpret_cast<BITMAPINFO*>(&dib),
                  DIB_RGB_COLORS, SRCCOPY);

    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

std::string Enhanced() {
    RECT frame{0, 0, 4000, 2000};  // hundredths of a millimetre
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
    if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
    Draw(dc);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    std::string bytes(GetEnhMetaFileBits(metafile, 0, nullptr), '\0');
    GetEnhMetaFileBits(metafile, UINT(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
    DeleteEnhMetaFile(metafile);
    return bytes;
}

std::string Windows() {
    HDC dc = CreateMetaFileA(nullptr);
    if (!dc) throw std::runtime_error("CreateMetaFileA failed");
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, 160, 80, nullptr);
    Draw(dc);
    HMETAFILE metafile = CloseMetaFile(dc);
    std::string bytes(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
    GetMetaFileBitsEx(metafile, UINT(bytes.size()), bytes.data());
    DeleteMetaFile(metafile);
    return bytes;
}

// The 22-byte header of placeable metafiles: key, handle, bounding box,
// units per inch, reserved, and the checksum of the ten words before it.
std::string Placeable(const std::string& windows) {
    const uint16_t words[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 160, 80, 1440, 0, 0};
    std::string header;
    uint16_t checksum = 0;
    for (uint16_t w : words) {
        header += char(w & 0xFF);
        header += char(w >> 8);
        checksum ^= w;
    }
    header += char(checksum & 0xFF);
    header += char(checksum >> 8);
    return header + windows;
}

}  // namespace

std::vector<SeedPicture> SeedPictures() {
    std::vector<SeedPicture> seeds;
    const std::pair<const char*, Format> samples[] = {
        {"quadrants24.bmp", Format::Bitmap},        {"quadrants4.bmp", Format::Bitmap},
        {"quadrants_rle8.bmp", Format::Bitmap},     {"quadrants_core.bmp", Format::Bitmap},
        {"size16.ico", Format::Icon},               {"sizes16-32-48.ico", Format::Icon},
        {"quadrants.jpeg", Format::Jpeg},           {"quadrants_progressive.jpg", Format::Jpeg},
    };
    for (auto [name, format] : samples)
        seeds.push_back({name, format, testsupport::ReadWholeFile(testsupport::TestDataPath(std::string("pictures\\") + name))});
    std::string windows = Windows();
    seeds.push_back({"drawing.emf", Format::Enhanced, Enhanced()});
    seeds.push_back({"drawing.wmf", Format::Windows, windows});
    seeds.push_back({"placed.wmf", Format::Placeable, Placeable(windows)});
    return seeds;
}

}  // namespace robustness
