// The valid pictures mutation starts from: the sample files of the test data,
// and metafiles recorded here through GDI, so that their records are the
// ones the platform itself writes.
#include <iterator>

#include "robustness/Robustness.h"
#include "support/Pictures.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"

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
        seeds.push_back({name, format, testsupport::ReadWholeFile(testsupport::PicturePath(name))});
    const std::pair<const char*, Format> corpus[] = {
        {"png_alpha.png", Format::Png},   {"png_interlaced.png", Format::Png}, {"webp_lossy.webp", Format::Webp},
        {"webp_alpha.webp", Format::Webp}, {"gif_animated.gif", Format::Gif},
    };
    for (auto [name, format] : corpus)
        seeds.push_back({name, format, testsupport::ReadWholeFile(testsupport::PictureCorpusPath(name))});
    std::string windows = testsupport::RecordWindows(Draw, SIZE{160, 80});
    seeds.push_back({"drawing.emf", Format::Enhanced, testsupport::RecordEnhanced(Draw, {0, 0, 4000, 2000})});
    seeds.push_back({"drawing.wmf", Format::Windows, windows});
    seeds.push_back({"placed.wmf", Format::Placeable, testsupport::Placeable(windows, 160, 80, 1440)});
    return seeds;
}

}  // namespace robustness
