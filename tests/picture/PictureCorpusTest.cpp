// The picture compatibility corpus: pictures as real tools write them, each
// of which must load as its kind, at its size, and show its colours where
// sampled. Bitmaps, icons, PNG, WebP, GIF and JPEG files are made at build time by
// tests/data/make-picture-corpus.sh (ImageMagick, cjpeg, and small writers of
// ours where no tool writes the variant) into ROKABINA_PICTURE_CORPUS;
// metafiles, and bitmaps GDI draws into DIB sections, are made here.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/Files.h"
#include "picture/Picture.h"
#include "support/PictureDrawings.h"
#include "support/Pictures.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"
#include "support/Wide.h"

namespace {

using namespace testsupport;
using ui::Graphic;
using Format = ui::PictureFormat;

std::string CorpusBytes(const std::string& name) {
    const std::string path = PictureCorpusPath(name);
    if (!base::IsExistingFile(W(path))) ADD_FAILURE() << path << " was not made";
    return ReadWholeFile(path);
}

struct CorpusCase {
    std::string name;  // the file name the loader is given
    std::function<std::string()> bytes;
    Format format;
    int width;
    int height;
    std::vector<Sample> samples;
};

// The two-colour pictures: red left, blue right.
const std::vector<Sample> kHalves = {{0.25, 0.5, kRed}, {0.75, 0.5, kBlue}};
// Greyscale JPEG keeps the quadrants' luma.
const std::vector<Sample> kGreyQuadrants = {{0.25, 0.25, RGB(76, 76, 76)}, {0.75, 0.25, RGB(150, 150, 150)},
                                            {0.25, 0.75, RGB(29, 29, 29)}, {0.75, 0.75, RGB(226, 226, 226)}};
// The 32-bit icon's top-left 8 x 8 pixels are transparent.
const std::vector<Sample> kClearCorner = {{0.1, 0.1, kWhite}, {0.4, 0.4, kRed}, {0.75, 0.25, kGreen},
                                          {0.25, 0.75, kBlue}, {0.75, 0.75, kYellow}};

// Alpha over the pane's background, as a browser shows it over its page.
COLORREF Over(COLORREF colour, int alpha) {
    const COLORREF back = GetSysColor(COLOR_BTNFACE);
    auto mix = [&](int c, int b) { return (c * alpha + b * (255 - alpha)) / 255; };
    return RGB(mix(GetRValue(colour), GetRValue(back)), mix(GetGValue(colour), GetGValue(back)),
               mix(GetBValue(colour), GetBValue(back)));
}
// The red quadrant transparent.
const std::vector<Sample> kClearRed = {{0.25, 0.25, Over(kRed, 0)}, {0.75, 0.25, kGreen}, {0.25, 0.75, kBlue},
                                       {0.75, 0.75, kYellow}};

CorpusCase File(const char* name, Format format, int width, int height,
                const std::vector<Sample>& samples = kQuadrantSamples) {
    return {name, [name] { return CorpusBytes(name); }, format, width, height, samples};
}

// The sample pictures of the test data, which other tests use too.
CorpusCase DataFile(const char* name, Format format, int width, int height,
                    const std::vector<Sample>& samples = kQuadrantSamples) {
    return {name, [name] { return ReadWholeFile(PicturePath(name)); }, format, width, height, samples};
}

CorpusCase Saved(const char* name, WORD bitCount, DWORD compression) {
    return {name, [=] { return SavedBitmap(bitCount, compression); }, Format::Bitmap, 33, 30, kQuadrantSamples};
}

// The frame, in hundredths of a millimetre, of that many screen pixels: the
// reference device of a metafile DC made without one.
RECT FrameOfPixels(int width, int height) {
    HDC screen = GetDC(nullptr);
    RECT frame{0, 0, MulDiv(width, 100 * GetDeviceCaps(screen, HORZSIZE), GetDeviceCaps(screen, HORZRES)),
               MulDiv(height, 100 * GetDeviceCaps(screen, VERTSIZE), GetDeviceCaps(screen, VERTRES))};
    ReleaseDC(nullptr, screen);
    return frame;
}

std::vector<CorpusCase> Corpus() {
    const std::vector<Sample> whiteAboveBlack = {{0.5, 0.25, kWhite}, {0.5, 0.75, kBlack}};
    const std::vector<Sample> checker = {{0.25, 0.25, kBlack}, {0.75, 0.25, kWhite}, {0.25, 0.75, kWhite},
                                         {0.75, 0.75, kBlack}};
    std::vector<CorpusCase> cases = {
        DataFile("quadrants24.bmp", Format::Bitmap, 4, 4),
        DataFile("quadrants4.bmp", Format::Bitmap, 4, 4),
        DataFile("quadrants565.bmp", Format::Bitmap, 4, 4),
        DataFile("quadrants_v5.bmp", Format::Bitmap, 4, 4),
        DataFile("quadrants_core.bmp", Format::Bitmap, 4, 4),
        DataFile("quadrants_rle8.bmp", Format::Bitmap, 4, 4),
        DataFile("quadrants_topdown.bmp", Format::Bitmap, 4, 4),
        DataFile("checker1.bmp", Format::Bitmap, 4, 4, checker),
        DataFile("sizes16-32-48.ico", Format::Icon, 32, 32, {{0.5, 0.5, kGreen}}),  // 32 x 32 preferred
        DataFile("size16.ico", Format::Icon, 16, 16, {{0.5, 0.5, kRed}}),
        DataFile("Logo.JPG", Format::Bitmap, 16, 16),  // extension case does not matter
        DataFile("quadrants.jpeg", Format::Bitmap, 16, 16),
        DataFile("quadrants_progressive.jpg", Format::Bitmap, 16, 16),
        DataFile("quadrants_cmyk.jpg", Format::Bitmap, 16, 16),
        DataFile("halves_gray.jpg", Format::Bitmap, 16, 16, whiteAboveBlack),

        File("bmp_core_1.bmp", Format::Bitmap, 33, 30, kHalves),
        File("bmp_core_4.bmp", Format::Bitmap, 33, 30),
        File("bmp_core_8.bmp", Format::Bitmap, 33, 30),
        File("bmp_core_24.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_1.bmp", Format::Bitmap, 33, 30, kHalves),
        File("bmp_v3_4.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_4_topdown.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_rle4.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_8.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_rle8.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_24.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_24_topdown.bmp", Format::Bitmap, 33, 30),
        File("bmp_v3_32.bmp", Format::Bitmap, 33, 30),
        File("bmp_v4_24.bmp", Format::Bitmap, 33, 30),
        File("bmp_v4_32.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_8.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_rle8.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_555.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_565.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_4444.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_24.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_32.bmp", Format::Bitmap, 33, 30),
        File("bmp_v5_32_topdown.bmp", Format::Bitmap, 33, 30),
        Saved("saved_4.bmp", 4, BI_RGB),
        Saved("saved_8.bmp", 8, BI_RGB),
        Saved("saved_555.bmp", 16, BI_RGB),
        Saved("saved_565.bmp", 16, BI_BITFIELDS),  // masks after the 40-byte header
        Saved("saved_24.bmp", 24, BI_RGB),
        Saved("saved_32.bmp", 32, BI_BITFIELDS),

        File("ico_1.ico", Format::Icon, 32, 32, kHalves),
        File("ico_4.ico", Format::Icon, 32, 32),
        File("ico_8.ico", Format::Icon, 32, 32),
        File("ico_24.ico", Format::Icon, 32, 32),
        File("ico_32.ico", Format::Icon, 32, 32, kClearCorner),
        File("ico_sizes.ico", Format::Icon, 32, 32, {{0.5, 0.5, kGreen}}),  // 16, 32, 48 and 256: 32 is shown
        File("ico_depths.ico", Format::Icon, 32, 32),                      // 1 and 32 bits: the more colours
        File("ico_png256.ico", Format::Icon, 256, 256, {{0.05, 0.05, kWhite}, {0.25, 0.25, kRed}, {0.75, 0.25, kGreen},
                                                       {0.25, 0.75, kBlue}, {0.75, 0.75, kYellow}}),
        File("ico_png256_palette.ico", Format::Icon, 256, 256,
             {{0.25, 0.25, RGB(255, 0, 255)}, {0.75, 0.25, kGreen}, {0.25, 0.75, kBlack}, {0.75, 0.75, RGB(127, 127, 127)}}),

        File("png_truecolour.png", Format::Bitmap, 33, 30),
        File("png_palette.png", Format::Bitmap, 33, 30),
        File("png_grey.png", Format::Bitmap, 33, 30, whiteAboveBlack),
        File("png_16bit.png", Format::Bitmap, 33, 30),
        File("png_interlaced.png", Format::Bitmap, 33, 30),
        File("png_alpha.png", Format::Bitmap, 33, 30, kClearRed),
        File("png_palette_alpha.png", Format::Bitmap, 33, 30, kClearRed),
        File("png_half_alpha.png", Format::Bitmap, 33, 30,
             {{0.25, 0.25, Over(kRed, 128)}, {0.75, 0.25, Over(kGreen, 128)}, {0.25, 0.75, Over(kBlue, 128)},
              {0.75, 0.75, Over(kYellow, 128)}}),
        File("png_twice.png", Format::Bitmap, 560, 520),
        {"LOGO.PNG", [] { return CorpusBytes("png_truecolour.png"); }, Format::Bitmap, 33, 30, kQuadrantSamples},
        {"見出し.png", [] { return CorpusBytes("png_truecolour.png"); }, Format::Bitmap, 33, 30, kQuadrantSamples},
        File("webp_lossy.webp", Format::Bitmap, 33, 30),
        File("webp_lossless.webp", Format::Bitmap, 33, 30),
        File("webp_alpha.webp", Format::Bitmap, 33, 30, kClearRed),
        File("gif_palette.gif", Format::Bitmap, 33, 30),
        File("gif_transparent.gif", Format::Bitmap, 33, 30, kClearRed),
        File("gif_animated.gif", Format::Bitmap, 33, 30),  // its first frame

        File("jpeg_420.jpg", Format::Bitmap, 64, 48),
        File("jpeg_422.jpg", Format::Bitmap, 64, 48),
        File("jpeg_444.jpg", Format::Bitmap, 64, 48),
        File("jpeg_420_odd.jpg", Format::Bitmap, 61, 45),
        File("jpeg_optimized.jpg", Format::Bitmap, 64, 48),
        File("jpeg_progressive.jpg", Format::Bitmap, 64, 48),
        File("jpeg_grey.jpg", Format::Bitmap, 64, 48, kGreyQuadrants),
        File("jpeg_restart_rows.jpg", Format::Bitmap, 64, 48),
        File("jpeg_restart_blocks.jpg", Format::Bitmap, 64, 48),
        File("jpeg_progressive_restart.jpg", Format::Bitmap, 64, 48),
        File("jpeg_arithmetic.jpg", Format::Bitmap, 64, 48),
        File("jpeg_cmyk.jpg", Format::Bitmap, 64, 48),
        File("jpeg_exif.jpg", Format::Bitmap, 64, 48),  // not its magenta thumbnail
        File("jpeg_no_end.jpg", Format::Bitmap, 64, 48),
        File("jpeg_progressive_no_end.jpg", Format::Bitmap, 64, 48),
    };
    // Each drawing recorded on 100 x 100 units: an enhanced metafile of 100 x
    // 100 screen pixels, a Windows one whose window extent is 100 x 100, and
    // that one behind a placeable header of 96 units per inch.
    const int placed = MulDiv(100, ScreenDpi(), 96);
    for (const MetafileDrawing& drawing : MetafileDrawings()) {
        const std::string name = drawing.name;
        auto draw = drawing.draw;
        cases.push_back({name + ".emf", [=] { return RecordEnhanced(draw, FrameOfPixels(100, 100)); },
                         Format::Metafile, 100, 100, drawing.samples});
        if (drawing.enhancedOnly) continue;
        cases.push_back({name + ".wmf", [=] { return RecordWindows(draw, SIZE{100, 100}); }, Format::Metafile, 100,
                         100, drawing.samples});
        cases.push_back({name + "_placeable.wmf",
                         [=] { return Placeable(RecordWindows(draw, SIZE{100, 100}), 100, 100, 96); },
                         Format::Metafile, placed, placed, drawing.samples});
    }
    return cases;
}

// Bitmaps and metafiles stretch over the pane, squeezed both ways; icons sit
// at its top-left at their own size.
constexpr RECT kPane{10, 10, 290, 270};

void ExpectColours(const Graphic& picture, const std::vector<Sample>& samples) {
    Canvas canvas(300, 300);
    picture.Draw(canvas.Dc(), kPane);
    const bool icon = picture.Format() == Format::Icon;
    const int width = icon ? picture.Width() : kPane.right - kPane.left;
    const int height = icon ? picture.Height() : kPane.bottom - kPane.top;
    for (const Sample& sample : samples) {
        const COLORREF got =
            canvas.At(kPane.left + int(sample.x * width), kPane.top + int(sample.y * height));
        if (sample.orColour != CLR_INVALID && ColourNear("", "", got, sample.orColour)) continue;
        EXPECT_PRED_FORMAT2(ColourNear, got, sample.colour) << "at " << sample.x << ", " << sample.y;
    }
}

// A photograph's size kept at its pane's size alone, in its colours; one-pixel
// stripes come down to their average, not to stripes or moiré.
TEST(PictureCorpus, LargePicturesAreKeptAtTheirPanesSizeAveraged) {
    ScratchFolder scratch;
    for (const char* name : {"large.jpg", "large.png", "large.webp"}) {
        SCOPED_TRACE(name);
        const Graphic large = picture::LoadPicture(W(scratch.WriteFile(name, CorpusBytes(name))), {177, 73});
        EXPECT_EQ(large.Width() * 1000 + large.Height(), 177073);
        ExpectColours(large, kQuadrantSamples);
    }
    const Graphic stripes =
        picture::LoadPicture(W(scratch.WriteFile("stripes.png", CorpusBytes("stripes.png"))), {90, 6});
    Canvas canvas(90, 6);
    stripes.Draw(canvas.Dc(), {0, 0, 90, 6});
    for (int x = 0; x < 90; ++x) EXPECT_NEAR(GetGValue(canvas.At(x, 3)), 128, 2) << x;
}

TEST(PictureCorpus, EveryPictureLoadsAtItsSizeAndShowsItsColours) {
    ScratchFolder scratch;
    for (const CorpusCase& c : Corpus()) {
        SCOPED_TRACE(c.name);
        try {
            Graphic loaded = picture::LoadPicture(W(scratch.WriteFile(c.name, c.bytes())));
            EXPECT_EQ(loaded.Format(), c.format);
            const int slack = c.format == Format::Metafile ? 1 : 0;  // sizes through millimetres round
            EXPECT_NEAR(loaded.Width(), c.width, slack);
            EXPECT_NEAR(loaded.Height(), c.height, slack);
            ExpectColours(loaded, c.samples);
        } catch (const picture::PictureError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

}  // namespace
