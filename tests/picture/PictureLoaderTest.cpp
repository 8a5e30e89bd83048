#include "picture/Picture.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>
#include <zlib.h>

#include "support/Pictures.h"
#include "support/Scratch.h"
#include "support/SlowMount.h"
#include "support/TestFolders.h"
#include "support/Wide.h"

namespace {

using testsupport::W;

using namespace testsupport;
using ui::Graphic;
using picture::LoadPicture;
using picture::PictureError;

const char kBitmapMessage[] = "ビットマップイメージが不正です";
const char kIconMessage[] = "アイコンイメージが不正です";
const char kMetafileMessage[] = "メタファイルが不正です";

std::string DataBytes(const std::string& name) { return testsupport::ReadWholeFile(PicturePath(name)); }

std::string JpegMessage(int code) { return "JPEG エラー #" + std::to_string(code); }

// The message LoadPicture fails with, or "(loaded)".
std::string FailureOf(const std::string& path) {
    try {
        LoadPicture(W(path));
    } catch (const PictureError& e) {
        return e.what();
    }
    return "(loaded)";
}

std::string Truncated(const std::string& bytes, size_t keep) { return bytes.substr(0, keep); }

// Metafiles are made by GDI itself: a red rectangle over the whole picture,
// a short line and a little text in its left part.
void DrawSample(HDC dc, int width, int height) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, red);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, width + 1, height + 1);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    POINT line[] = {{2, 2}, {6, 6}, {10, 2}};
    Polyline(dc, line, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(red);
}

std::string EnhancedMetafileBytes() {
    return RecordEnhanced(
        [](HDC dc) {
            DrawSample(dc, 96, 48);
            TextOutW(dc, 2, 30, L"ab", 2);
        },
        RECT{0, 0, 2540, 1270});  // one inch by half an inch, in hundredths of a millimetre
}

std::string WindowsMetafileBytes() {
    return RecordWindows(
        [](HDC dc) {
            DrawSample(dc, 100, 50);
            ExtTextOutA(dc, 2, 30, 0, nullptr, "ab", 2, nullptr);
        },
        SIZE{100, 50});
}

// Offset of the first record of a kind; walks only metafiles GDI made.
size_t EnhancedRecordAt(const std::string& emf, std::initializer_list<uint32_t> types) {
    for (size_t at = 0, size; at + 8 <= emf.size() && (size = U32At(emf, at + 4)) != 0; at += size)
        for (uint32_t type : types)
            if (U32At(emf, at) == type) return at;
    ADD_FAILURE() << "no such record";
    return 0;
}

size_t WindowsRecordAt(const std::string& wmf, uint16_t function) {
    for (size_t at = 18, size; at + 6 <= wmf.size() && (size = 2 * U32At(wmf, at)) != 0; at += size)
        if (U16At(wmf, at + 4) == function) return at;
    ADD_FAILURE() << "no such record";
    return 0;
}

// --- What loads, as what ---------------------------------------------------

TEST(LoadPicture, MetafilesLoadWithTheSizeTheyWereMadeFor) {
    ScratchFolder scratch;
    const int dpi = ScreenDpi();
    const std::string windows = WindowsMetafileBytes();
    struct {
        const char* name;
        std::string bytes;
        int width, height;
    } const cases[] = {
        {"frame.emf", EnhancedMetafileBytes(), dpi, dpi / 2},             // from the frame
        {"window.wmf", windows, 100, 50},                                 // from its window extent
        {"placed.WMF", Placeable(windows, 300, 150, 300), dpi, dpi / 2},  // from the placeable header
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            Graphic graphic = LoadPicture(W(scratch.WriteFile(c.name, c.bytes)));
            EXPECT_EQ(graphic.Format(), ui::PictureFormat::Metafile);
            EXPECT_NEAR(graphic.Width(), c.width, 1);
            EXPECT_NEAR(graphic.Height(), c.height, 1);
            Canvas canvas(60, 40);
            graphic.Draw(canvas.Dc(), RECT{10, 10, 50, 30});
            EXPECT_PRED_FORMAT2(ColourNear, canvas.At(30, 20), kRed);
            EXPECT_PRED_FORMAT2(ColourNear, canvas.At(5, 5), kWhite);
            EXPECT_PRED_FORMAT2(ColourNear, canvas.At(55, 35), kWhite);
        } catch (const PictureError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

// --- Drawing ----------------------------------------------------------------

// The quadrant samples are red, green / blue, yellow (top row / bottom row).
TEST(GraphicDraw, PicturesStretchOverTheWholePaneTheRightWayUp) {
    for (const char* file : {"quadrants24.bmp", "quadrants_topdown.bmp", "Logo.JPG"}) {
        SCOPED_TRACE(file);
        Graphic graphic = LoadPicture(W(PicturePath(file)));
        Canvas canvas(100, 60);
        graphic.Draw(canvas.Dc(), RECT{10, 10, 90, 50});  // 80 x 40, squeezed both ways
        EXPECT_PRED_FORMAT2(ColourNear, canvas.At(25, 18), kRed);
        EXPECT_PRED_FORMAT2(ColourNear, canvas.At(75, 42), kYellow);
        EXPECT_PRED_FORMAT2(ColourNear, canvas.At(11, 11), kRed);  // the pane's corners are covered
        EXPECT_PRED_FORMAT2(ColourNear, canvas.At(88, 48), kYellow);
        EXPECT_PRED_FORMAT2(ColourNear, canvas.At(5, 5), kWhite);  // and nothing outside it
        EXPECT_PRED_FORMAT2(ColourNear, canvas.At(95, 55), kWhite);
    }
}

TEST(GraphicDraw, IconSitsAtItsOwnSizeInThePaneTopLeft) {
    Graphic icon = LoadPicture(W(PicturePath("sizes16-32-48.ico")));  // the 32 x 32 image is green
    Canvas canvas(120, 120);
    icon.Draw(canvas.Dc(), RECT{10, 10, 110, 110});
    EXPECT_PRED_FORMAT2(ColourNear, canvas.At(10, 10), kGreen);
    EXPECT_PRED_FORMAT2(ColourNear, canvas.At(41, 41), kGreen);
    EXPECT_PRED_FORMAT2(ColourNear, canvas.At(43, 43), kWhite);  // not stretched
    EXPECT_PRED_FORMAT2(ColourNear, canvas.At(9, 9), kWhite);

    Canvas small(60, 60);
    icon.Draw(small.Dc(), RECT{10, 10, 30, 30});  // a pane smaller than the icon clips it
    EXPECT_PRED_FORMAT2(ColourNear, small.At(29, 29), kGreen);
    EXPECT_PRED_FORMAT2(ColourNear, small.At(31, 31), kWhite);
}

TEST(GraphicDraw, EmptyPaneDrawsNothing) {
    Graphic graphic = LoadPicture(W(PicturePath("quadrants24.bmp")));
    Canvas canvas(40, 40);
    graphic.Draw(canvas.Dc(), RECT{30, 30, 10, 10});  // negative size would mirror
    graphic.Draw(canvas.Dc(), RECT{10, 10, 10, 30});
    for (int y = 0; y < 40; y += 3)
        for (int x = 0; x < 40; x += 3) ASSERT_EQ(canvas.At(x, y), kWhite) << x << "," << y;
}

// --- Failures ---------------------------------------------------------------

TEST(LoadPicture, UnknownExtensionIsRefusedBeforeTheFileIsTouched) {
    ScratchFolder scratch;
    scratch.WriteFile("real.tif", DataBytes("Logo.JPG"));  // a JPEG in disguise is still refused
    struct {
        std::string path;
        std::string extension;
    } const cases[] = {
        {scratch / "real.tif", "tif"},
        {scratch / "missing.TIFF", "TIFF"},
        {scratch / "no_extension", ""},
        {scratch / "dotted.folder\\no_extension", ""},
        {scratch / "dotted.folder/no_extension", ""},
        {scratch / "archive.jpg.gz", "gz"},
        {scratch / "写真.表", "表"},  // 表 ends in byte 0x5C, which is not a separator
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FailureOf(c.path), "拡張子 ." + c.extension + " の画像形式は処理できません");
    }
}

TEST(LoadPicture, FileThatCannotBeOpenedIsNamedAsPassed) {
    ScratchFolder scratch;
    scratch.MakeFolder("folder.bmp");
    std::string busy = scratch.WriteFile("busy.jpg", DataBytes("Logo.JPG"));
    HANDLE writer = CreateFileA(busy.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const std::string cases[] = {
        scratch / "missing.bmp",
        "no_such_picture_here.jpeg",  // relative, reported as written
        scratch / "folder.bmp",
        busy,  // another program is writing it
    };
    for (const std::string& path : cases) EXPECT_EQ(FailureOf(path), "ファイル " + path + " は開けません");
    CloseHandle(writer);
    EXPECT_EQ(FailureOf(busy), "(loaded)");  // only while it is being written

    HANDLE reader = CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(FailureOf(busy), "(loaded)");  // readers are welcome
    CloseHandle(reader);
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    std::string message;
};

void ExpectFailures(const std::vector<DamagedCase>& cases) {
    ScratchFolder scratch;
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailureOf(scratch.WriteFile(c.name, c.bytes)), c.message);
    }
}

TEST(LoadPicture, DamagedBitmapsAreRefused) {
    const std::string good = DataBytes("quadrants24.bmp");
    const std::string palette = DataBytes("quadrants4.bmp");
    ExpectFailures({
        {"empty.bmp", "", kBitmapMessage},
        {"text.bmp", "this is not a picture at all, only some text", kBitmapMessage},
        {"header_only.bmp", Truncated(good, 30), kBitmapMessage},
        {"short_pixels.bmp", Truncated(good, good.size() - 4), kBitmapMessage},
        {"huge.bmp", Patched(Patched(good, 18, 100000), 22, 100000), kBitmapMessage},
        {"huge_top_down.bmp", Patched(Patched(good, 18, 100000), 22, uint32_t(-100000)), kBitmapMessage},
        {"zero_width.bmp", Patched(good, 18, 0), kBitmapMessage},
        {"seven_bits.bmp", Patched(good, 28, 7, 2), kBitmapMessage},
        {"unknown_header.bmp", Patched(good, 14, 64), kBitmapMessage},
        {"pixels_past_end.bmp", Patched(good, 10, 0x7FFFFFF0), kBitmapMessage},
        {"pixels_in_header.bmp", Patched(good, 10, 20), kBitmapMessage},
        {"palette_cut.bmp", Truncated(palette, 60), kBitmapMessage},
        {"png_inside.bmp", Patched(good, 30, BI_PNG), kBitmapMessage},
        {"rle_top_down.bmp", Patched(DataBytes("quadrants_rle8.bmp"), 22, uint32_t(-4)), kBitmapMessage},
    });
}

TEST(LoadPicture, DamagedIconsAreRefused) {
    const std::string good = DataBytes("size16.ico");
    ExpectFailures({
        {"empty.ico", "", kIconMessage},
        {"text.ico", "this is not an icon, only text", kIconMessage},
        {"cursor.ico", Patched(good, 2, 2, 2), kIconMessage},
        {"no_images.ico", Patched(good, 4, 0, 2), kIconMessage},
        {"many_images.ico", Patched(good, 4, 60000, 2), kIconMessage},
        {"image_past_end.ico", Patched(good, 18, 0x7FFFFFF0), kIconMessage},
        {"image_too_long.ico", Patched(good, 14, 0xFFFFFFFF), kIconMessage},
        {"cut.ico", Truncated(good, good.size() - 40), kIconMessage},
        {"image_garbage.ico", Patched(good, 22, 0), kIconMessage},
        {"image_huge.ico", Patched(Patched(good, 26, 30000), 30, 60000), kIconMessage},
    });
}

TEST(LoadPicture, DamagedMetafilesAreRefused) {
    const std::string windows = WindowsMetafileBytes();
    const std::string enhanced = EnhancedMetafileBytes();
    const uint32_t words = uint32_t(windows.size() / 2);
    ExpectFailures({
        {"empty.wmf", "", kMetafileMessage},
        {"text.wmf", "this is not a metafile, only a line of text", kMetafileMessage},
        {"size_lies.wmf", Patched(windows, 6, words + 100), kMetafileMessage},
        {"record_of_no_size.wmf", Patched(windows, 18, 0), kMetafileMessage},  // would loop for ever
        {"record_too_long.wmf", Patched(windows, 18, words), kMetafileMessage},
        {"no_end.wmf", Truncated(Patched(windows, 6, words - 3), windows.size() - 6), kMetafileMessage},
        {"placed_no_inch.wmf", Placeable(windows, 100, 50, 0), kMetafileMessage},
        {"placed_empty_box.wmf", Placeable(windows, 0, 50, 96), kMetafileMessage},
        {"placed_cut.wmf", Truncated(Placeable(windows, 100, 50, 96), 40), kMetafileMessage},
        {"empty.emf", "", kMetafileMessage},
        {"size_lies.emf", Patched(enhanced, 48, uint32_t(enhanced.size() + 100)), kMetafileMessage},
        {"cut.emf", Truncated(enhanced, enhanced.size() - 20), kMetafileMessage},
        {"header_too_small.emf", Patched(enhanced, 4, 8), kMetafileMessage},
        {"record_of_no_size.emf", Patched(enhanced, U32At(enhanced, 4) + 4, 0), kMetafileMessage},
        {"no_reference_size.emf", Patched(enhanced, 80, 0), kMetafileMessage},
    });
}

// What a record names must lie inside it and inside the handle table.
TEST(LoadPicture, MetafileRecordsThatReachOutsideThemselvesAreRefused) {
    const std::string windows = WindowsMetafileBytes();
    const std::string enhanced = EnhancedMetafileBytes();
    const size_t wideText = EnhancedRecordAt(enhanced, {EMR_EXTTEXTOUTW});
    const size_t line = EnhancedRecordAt(enhanced, {EMR_POLYLINE, EMR_POLYLINE16});
    const size_t select = EnhancedRecordAt(enhanced, {EMR_SELECTOBJECT});
    ExpectFailures({
        {"long_text.emf", Patched(enhanced, wideText + 44, 0x10000), kMetafileMessage},  // nChars
        {"text_elsewhere.emf", Patched(enhanced, wideText + 48, 0x7FFFFFF0), kMetafileMessage},  // offString
        {"long_line.emf", Patched(enhanced, line + 24, 0x1000000), kMetafileMessage},
        {"handle_outside.emf", Patched(enhanced, select + 8, 500), kMetafileMessage},
        {"unknown_record.emf", Patched(enhanced, line, 69), kMetafileMessage},
        {"long_text.wmf", Patched(windows, WindowsRecordAt(windows, META_EXTTEXTOUT) + 10, 30000, 2), kMetafileMessage},
        {"long_line.wmf", Patched(windows, WindowsRecordAt(windows, META_POLYLINE) + 6, 30000, 2), kMetafileMessage},
        {"object_outside.wmf", Patched(windows, WindowsRecordAt(windows, META_SELECTOBJECT) + 6, 100, 2),
         kMetafileMessage},
        {"unknown_record.wmf", Patched(windows, WindowsRecordAt(windows, META_POLYLINE) + 4, 0x0999, 2),
         kMetafileMessage},
    });
}

// GDI records monochrome brushes and blit masks without a colour table
// (DIB_PAL_INDICES): such bitmaps load while they are one bit deep, the only
// depth that can be painted without a table.
TEST(LoadPicture, TablelessBitmapsLoadOnlyWhenMonochrome) {
    const std::string enhanced = RecordEnhanced(
        [](HDC dc) {
            const WORD zeros[8] = {};
            HBITMAP pattern = CreateBitmap(8, 8, 1, 1, zeros);
            HBRUSH brush = CreatePatternBrush(pattern);
            RECT box{0, 0, 20, 20};
            FillRect(dc, &box, brush);
            DeleteObject(brush);
            DeleteObject(pattern);
            HDC memory = CreateCompatibleDC(nullptr);
            HBITMAP source = CreateBitmap(16, 16, 1, 32, nullptr), mask = CreateBitmap(16, 16, 1, 1, nullptr);
            HGDIOBJ old = SelectObject(memory, source);
            MaskBlt(dc, 20, 0, 16, 16, memory, 0, 0, mask, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029));
            SelectObject(memory, old);
            DeleteDC(memory);
            DeleteObject(source);
            DeleteObject(mask);
        },
        RECT{0, 0, 1000, 500});
    const size_t brush = EnhancedRecordAt(enhanced, {EMR_CREATEMONOBRUSH});
    const size_t blit = EnhancedRecordAt(enhanced, {EMR_MASKBLT});
    ASSERT_EQ(U32At(enhanced, brush + 12), 2u);  // iUsage
    ASSERT_EQ(U32At(enhanced, blit + 108), 2u);  // iUsageMask
    // Deeper bitmaps of the same row size, so that only the missing table is wrong.
    const size_t brushInfo = brush + U32At(enhanced, brush + 16), maskInfo = blit + U32At(enhanced, blit + 112);
    ExpectFailures({
        {"monochrome.emf", enhanced, "(loaded)"},
        {"brush_of_8_bits.emf", Patched(Patched(enhanced, brushInfo + 4, 2), brushInfo + 14, 8, 2), kMetafileMessage},
        {"mask_of_4_bits.emf", Patched(Patched(enhanced, maskInfo + 4, 8), maskInfo + 14, 4, 2), kMetafileMessage},
    });
}

TEST(LoadPicture, DamagedJpegsGiveLibjpegsMessageNumber) {
    const std::string good = DataBytes("Logo.JPG");
    const size_t frame = good.find("\xFF\xC0");  // baseline frame header: length, precision, height, width
    ASSERT_NE(frame, std::string::npos);
    auto bigEndian = [](uint32_t v) { return ((v & 0xFF) << 8) | (v >> 8); };
    const std::string huge = Patched(Patched(good, frame + 5, bigEndian(60000), 2), frame + 7, bigEndian(60000), 2);
    ExpectFailures({
        {"empty.jpg", "", JpegMessage(JERR_INPUT_EMPTY)},
        {"text.jpg", "this is not a JPEG, only text", JpegMessage(JERR_NO_SOI)},
        {"start_only.jpg", "\xFF\xD8", JpegMessage(JERR_NO_IMAGE)},
        {"huge.jpg", huge, JpegMessage(JERR_IMAGE_TOO_BIG)},
        {"no_size.jpg", Patched(good, frame + 7, 0, 2), JpegMessage(JERR_EMPTY_IMAGE)},
    });
}

// Damaged, cut short, mislabelled, or claiming an absurd size (refused before
// any pixel memory is taken): each with its decoder's message.
TEST(LoadPicture, DamagedPngWebpAndGifAreRefused) {
    auto corpus = [](const char* name) { return ReadWholeFile(PictureCorpusPath(name)); };
    const std::string png = corpus("png_truecolour.png"), webp = corpus("webp_lossless.webp"),
                      gif = corpus("gif_palette.gif");
    // 100 000 pixels each way in the header, under its checksum.
    std::string hugePng = Patched(Patched(png, 16, 0xA0860100), 20, 0xA0860100);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(hugePng.data() + 12), 17);
    hugePng = Patched(hugePng, 29, (crc >> 24) | ((crc >> 8) & 0xFF00) | ((crc << 8) & 0xFF0000) | (crc << 24));
    // 16 384 pixels each way: within a side, but a gigabyte of pixels.
    const std::string hugeWebp = Patched(webp, 21, 0x0FFFFFFF | (uint32_t(uint8_t(webp[24])) & 0xF0) << 24);
    const std::string png_ = "PNG イメージが不正です", webp_ = "WebP イメージが不正です", gif_ = "GIF イメージが不正です";
    ExpectFailures({
        {"empty.png", "", png_}, {"text.png", "not a picture", png_}, {"jpeg.png", DataBytes("Logo.JPG"), png_},
        {"cut.png", Truncated(png, png.size() / 2), png_}, {"huge.png", hugePng, png_},
        // After the picture's rows: a file may end where a chunk would begin, but no chunk lies past its end.
        {"no_end_chunk.png", Truncated(png, png.size() - 12), "(loaded)"},
        {"end_chunk_cut.png", Truncated(png, png.size() - 2), png_},
        {"end_chunk_past_file.png", Patched(png, png.size() - 12, 0x1000), png_},
        {"empty.webp", "", webp_}, {"png.webp", png, webp_}, {"cut.webp", Truncated(webp, webp.size() - 8), webp_},
        {"huge.webp", hugeWebp, webp_},
        {"empty.gif", "", gif_}, {"png.gif", png, gif_}, {"cut.gif", Truncated(gif, gif.size() / 2), gif_},
        {"huge.gif", Patched(Patched(gif, 6, 0xFFFF, 2), 8, 0xFFFF, 2), gif_},
    });
}

// A volume that fails while the file is read (a stick pulled out, a share
// gone): the picture is a file that cannot be opened, never one shown as far
// as it was read.
TEST(LoadPicture, AReadFailingPartwayIsAFileThatCannotBeOpened) {
    ScratchFolder dir;
    const std::string jpeg = ReadWholeFile(PictureCorpusPath("large.jpg"));
    ASSERT_GT(jpeg.size(), 140000u);
    dir.MakeFolder("volume");
    dir.WriteFile("volume\\large.jpg", jpeg);
    SlowListing failing;
    failing.failReadAt = 140000;  // past the first blocks
    SlowMount mount(dir / "volume", dir.MakeFolder("mounted"), failing);
    ASSERT_TRUE(mount.Mounted());
    const std::string path = dir / "mounted\\large.jpg";
    try {
        LoadPicture(W(path), {177, 73});
        ADD_FAILURE() << "loaded";
    } catch (const PictureError& e) {
        EXPECT_EQ(std::string(e.what()), "ファイル " + path + " は開けません");
    }
}

// Empty copies of a progressive file's first scan only warn: hundreds load,
// but past the scan limit the file is refused rather than read on.
TEST(LoadPicture, JpegOfThousandsOfScansIsRefused) {
    ScratchFolder scratch;
    const std::string good = DataBytes("quadrants_progressive.jpg");
    const size_t scan = good.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::string header = good.substr(scan, 2 + (uint8_t(good[scan + 2]) << 8 | uint8_t(good[scan + 3])));
    auto withEmptyScans = [&](int count) {
        std::string copies;
        for (int i = 0; i < count; ++i) copies += header;
        return good.substr(0, scan) + copies + good.substr(scan);
    };
    EXPECT_NO_THROW(LoadPicture(W(scratch.WriteFile("scans400.jpg", withEmptyScans(400)))));
    EXPECT_EQ(FailureOf(scratch.WriteFile("scans600.jpg", withEmptyScans(600))), JpegMessage(JERR_BAD_SCAN_SCRIPT));
}

// libjpeg only warns about a missing end marker or scan data cut short: such
// files load, whole or with what the decoder makes of the missing part. A
// file cut before its scan has no picture at all.
TEST(LoadPicture, JpegsCutShortLoadAsImageViewersShowThem) {
    ScratchFolder scratch;
    const std::string good = DataBytes("Logo.JPG");
    ASSERT_EQ(good.substr(good.size() - 2), "\xFF\xD9");
    Graphic whole = LoadPicture(W(scratch.WriteFile("no_end.jpg", Truncated(good, good.size() - 2))));
    Canvas canvas(100, 60);
    whole.Draw(canvas.Dc(), RECT{10, 10, 90, 50});
    EXPECT_PRED_FORMAT2(ColourNear, canvas.At(25, 18), kRed);
    EXPECT_PRED_FORMAT2(ColourNear, canvas.At(75, 42), kYellow);

    const size_t scan = good.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const size_t scanData = scan + 2 + (uint8_t(good[scan + 2]) << 8 | uint8_t(good[scan + 3]));
    for (size_t keep : {scanData + 2, good.size() - 8}) {
        SCOPED_TRACE(keep);
        Graphic cut = LoadPicture(W(scratch.WriteFile("cut.jpg", Truncated(good, keep))));
        EXPECT_EQ(cut.Width(), 16);
        EXPECT_EQ(cut.Height(), 16);
    }
    EXPECT_EQ(FailureOf(scratch.WriteFile("tables_only.jpg", Truncated(good, scan))), JpegMessage(JERR_SOF_NO_SOS));
}

TEST(LoadPicture, OversizedFileIsRefusedUnread) {
    // A sound 9000 x 9000 bitmap header in a 300 MB (sparse) file.
    ScratchFolder scratch;
    std::string header = DataBytes("quadrants24.bmp").substr(0, 54);
    header = Patched(Patched(header, 18, 9000), 22, 9000);
    std::string path = scratch.WriteFile("enormous.bmp", header);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 300ll << 20;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    EXPECT_EQ(FailureOf(path), kBitmapMessage);
}

}  // namespace
