// One bitmap, three files: the same header, masks, colour table and pixels
// load or are refused alike whether a bitmap file, an icon image or a
// metafile's StretchDIBits record carries them.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "picture/Picture.h"
#include "support/Pictures.h"

namespace {

using namespace testsupport;
using picture::FileFormat;

constexpr uint32_t kCore = 12, kInfo = 40, kV4 = 108, kV5 = 124;  // header sizes
constexpr int kWidth = 5, kRows = 3;

// A device-independent bitmap: its header with the masks and colour table
// after it, and its pixels.
struct Dib {
    std::string info;
    std::string pixels;
};

// A 5 x 3 bitmap with a header of that size: three masks for BI_BITFIELDS,
// a grey colour table up to 8 bits, rows of pixels (or run-length data for
// BI_RLE8, one run a row).
Dib MakeDib(uint32_t headerSize, uint16_t bits, uint32_t compression = BI_RGB) {
    const bool core = headerSize == kCore;
    std::string pixels;
    if (compression == BI_RLE8) {
        for (int row = 0; row < kRows; ++row) pixels += std::string{kWidth, 1, 0, 0};  // run, end of line
        pixels += std::string{0, 1};                                                 // end of bitmap
    } else {
        for (size_t i = 0; i < size_t((kWidth * bits + 31) / 32 * 4 * kRows); ++i) pixels += char(i * 37);
    }
    std::string info = LittleEndian(headerSize);
    if (core) {
        info += LittleEndian(kWidth, 2) + LittleEndian(kRows, 2) + LittleEndian(1, 2) + LittleEndian(bits, 2);
    } else {
        info += LittleEndian(kWidth) + LittleEndian(kRows) + LittleEndian(1, 2) + LittleEndian(bits, 2) +
                LittleEndian(compression) + LittleEndian(uint32_t(pixels.size()));
        info.resize(headerSize, '\0');
    }
    if (compression == BI_BITFIELDS) {
        const bool wide = bits == 32;
        info.resize(std::max<size_t>(info.size(), kInfo + 12), '\0');  // inside the larger headers
        info.replace(kInfo, 12, LittleEndian(wide ? 0xFF0000 : 0xF800) + LittleEndian(wide ? 0x00FF00 : 0x07E0) +
                                    LittleEndian(wide ? 0x0000FF : 0x001F));
    }
    for (uint32_t i = 0; bits <= 8 && i < 1u << bits; ++i)
        info += LittleEndian(i * 255 / ((1u << bits) - 1) * 0x010101u, core ? 3 : 4);
    return {info, pixels};
}

Dib WithInfo(const Dib& dib, std::string info) { return {std::move(info), dib.pixels}; }

std::string AsBitmapFile(const Dib& dib) {
    const uint32_t pixelsAt = uint32_t(14 + dib.info.size());
    return "BM" + LittleEndian(uint32_t(pixelsAt + dib.pixels.size())) + LittleEndian(0) + LittleEndian(pixelsAt) +
           dib.info + dib.pixels;
}

// An icon image's height counts its mask rows too: the header's height
// doubled, and an all-opaque mask after the pixels.
std::string AsIconFile(const Dib& dib) {
    const std::string info = U32At(dib.info, 0) == kCore ? Patched(dib.info, 6, 2 * U16At(dib.info, 6), 2)
                                                          : Patched(dib.info, 8, 2 * U32At(dib.info, 8));
    const std::string image = info + dib.pixels + std::string((kWidth + 31) / 32 * 4 * kRows, '\0');
    const std::string entry = std::string{char(kWidth), char(kRows), 0, 0} + LittleEndian(1, 2) + LittleEndian(0, 2) +
                              LittleEndian(uint32_t(image.size())) + LittleEndian(6 + 16);
    return LittleEndian(0, 2) + LittleEndian(1, 2) + LittleEndian(1, 2) + entry + image;
}

// A metafile GDI recorded with nothing drawn, with one StretchDIBits record
// around the bitmap before its end record.
std::string AsMetafile(const Dib& dib) {
    const uint32_t infoAt = 80, pixelsAt = uint32_t(infoAt + dib.info.size());
    std::string record = LittleEndian(EMR_STRETCHDIBITS) + LittleEndian(0) + std::string(16, '\0');  // size, bounds
    for (uint32_t field : {0, 0, 0, 0, kWidth, kRows})  // destination and source rectangles
        record += LittleEndian(field);
    record += LittleEndian(infoAt) + LittleEndian(uint32_t(dib.info.size())) + LittleEndian(pixelsAt) +
              LittleEndian(uint32_t(dib.pixels.size())) + LittleEndian(DIB_RGB_COLORS) + LittleEndian(SRCCOPY) +
              LittleEndian(kWidth) + LittleEndian(kRows);
    record += dib.info + dib.pixels;
    record.resize((record.size() + 3) / 4 * 4, '\0');
    record = Patched(record, 4, uint32_t(record.size()));

    std::string emf = RecordEnhanced([](HDC) {}, RECT{0, 0, 1000, 1000});
    const uint32_t endRecord = U32At(emf, emf.size() - 4);  // its own size, in its last field
    emf.insert(emf.size() - endRecord, record);
    emf = Patched(emf, 48, uint32_t(emf.size()));  // nBytes
    return Patched(emf, 52, U32At(emf, 52) + 1);   // nRecords
}

std::string Outcome(const std::string& bytes, FileFormat format) {
    try {
        picture::DecodePicture({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, format);
    } catch (const picture::PictureError& e) {
        return e.what();
    }
    return "(loaded)";
}

struct DibCase {
    const char* name;
    Dib dib;
    bool loads;
};

TEST(DibVerdict, TheSameBitmapLoadsOrIsRefusedInEveryFileAlike) {
    const Dib grey = MakeDib(kInfo, 8), colour = MakeDib(kInfo, 24);
    const Dib masked = MakeDib(kInfo, 16, BI_BITFIELDS), runs = MakeDib(kInfo, 8, BI_RLE8);
    const std::vector<DibCase> cases = {
        // Every header size and depth the picture corpus has.
        {"core, 1 bit", MakeDib(kCore, 1), true},
        {"core, 4 bits", MakeDib(kCore, 4), true},
        {"core, 8 bits", MakeDib(kCore, 8), true},
        {"core, 24 bits", MakeDib(kCore, 24), true},
        {"info, 1 bit", MakeDib(kInfo, 1), true},
        {"info, 4 bits", MakeDib(kInfo, 4), true},
        {"info, 8 bits", grey, true},
        {"info, 16 bits", MakeDib(kInfo, 16), true},
        {"info, 16 bits with masks", masked, true},
        {"info, 24 bits", colour, true},
        {"info, 32 bits", MakeDib(kInfo, 32), true},
        {"info, 32 bits with masks", MakeDib(kInfo, 32, BI_BITFIELDS), true},
        {"V4, 24 bits", MakeDib(kV4, 24), true},
        {"V4, 32 bits with masks", MakeDib(kV4, 32, BI_BITFIELDS), true},
        {"V5, 8 bits", MakeDib(kV5, 8), true},
        {"V5, 16 bits with masks", MakeDib(kV5, 16, BI_BITFIELDS), true},
        {"V5, 24 bits", MakeDib(kV5, 24), true},
        {"V5, 32 bits with masks", MakeDib(kV5, 32, BI_BITFIELDS), true},
        // What one kind of file took and another refused, all within their bytes.
        {"core, 32 bits", MakeDib(kCore, 32), true},
        {"header of an unlisted size", MakeDib(64, 24), true},
        {"24 bits counting colours it has no table for", WithInfo(colour, Patched(colour.info, 32, 200)), true},
        {"fewer colours than the depth holds", WithInfo(grey, Patched(grey.info, 32, 16).substr(0, kInfo + 16 * 4)),
         true},
        // Bitmaps no file may carry.
        {"header past the bytes", WithInfo(colour, Patched(colour.info, 0, 0x10000)), false},
        {"header too small", WithInfo(colour, Patched(colour.info, 0, 24)), false},
        {"no width", WithInfo(colour, Patched(colour.info, 4, 0)), false},
        {"no height", WithInfo(colour, Patched(colour.info, 8, 0)), false},
        {"two planes", WithInfo(colour, Patched(colour.info, 12, 2, 2)), false},
        {"7 bits", WithInfo(colour, Patched(colour.info, 14, 7, 2)), false},
        {"run-length data at 24 bits", WithInfo(colour, Patched(colour.info, 16, BI_RLE8)), false},
        {"masks at 8 bits", WithInfo(grey, Patched(grey.info, 16, BI_BITFIELDS)), false},
        {"PNG inside", WithInfo(colour, Patched(colour.info, 16, BI_PNG)), false},
        {"colour table past the end", WithInfo(grey, grey.info.substr(0, kInfo + 16 * 4)), false},
        {"masks past the end", WithInfo(masked, masked.info.substr(0, kInfo)), false},
        {"a colour with no bits", WithInfo(masked, Patched(masked.info, 44, 0)), false},
        {"pixels cut short", {colour.info, colour.pixels.substr(0, colour.pixels.size() - 4)}, false},
        {"run-length data of no stated size", WithInfo(runs, Patched(runs.info, 20, 0)), false},
    };
    const struct {
        const char* file;
        std::string (*wrap)(const Dib&);
        FileFormat format;
        const char* refusal;
    } files[] = {
        {"a bitmap file", AsBitmapFile, FileFormat::Bitmap, "ビットマップイメージが不正です"},
        {"an icon", AsIconFile, FileFormat::Icon, "アイコンイメージが不正です"},
        {"a metafile record", AsMetafile, FileFormat::Metafile, "メタファイルが不正です"},
    };
    for (const DibCase& c : cases) {
        for (const auto& file : files) {
            SCOPED_TRACE(std::string(c.name) + " in " + file.file);
            EXPECT_EQ(Outcome(file.wrap(c.dib), file.format), c.loads ? "(loaded)" : file.refusal);
        }
    }
}

}  // namespace
