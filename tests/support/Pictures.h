// Helpers of the picture tests: a surface to draw on and read back, colour
// comparison with JPEG's tolerance, the sample pictures, metafiles recorded
// by GDI itself, and the little-endian fields of picture bytes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace testsupport {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

// A white 32-bit surface to draw on, read back pixel by pixel.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const;

private:
    int width_;
    uint32_t* bits_ = nullptr;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

// For EXPECT_PRED_FORMAT2: each channel within 40, as JPEG coding and
// halftone stretching shift colours a little.
testing::AssertionResult ColourNear(const char*, const char*, COLORREF actual, COLORREF expected);

// A sample picture of tests\data\pictures.
std::string PicturePath(const std::string& name);
int ScreenDpi();

using Drawing = std::function<void(HDC)>;
// An enhanced metafile as GDI records the drawing; frame in hundredths of a
// millimetre.
std::string RecordEnhanced(const Drawing& draw, const RECT& frame);
// A Windows metafile as GDI records the drawing, preceded, as drawing
// programs do, by the anisotropic mapping mode and this window extent.
std::string RecordWindows(const Drawing& draw, std::optional<SIZE> windowExtent);
// A 33 x 30 picture of quadrants (red, green above, blue, yellow below) that
// GDI draws into a DIB section of the format given, saved the way programs
// save one: BITMAPFILEHEADER, the section's BITMAPINFOHEADER with its masks
// or colour table, its pixels.
std::string SavedBitmap(WORD bitCount, DWORD compression);

// The metafile behind a placeable header: bounding box 0,0 to width,height
// in units of which unitsPerInch make an inch.
std::string Placeable(const std::string& metafile, int width, int height, int unitsPerInch);

// Little-endian fields, as every picture format here stores them: the
// value's low `size` bytes, the bytes with one field changed, a field read.
std::string LittleEndian(uint32_t value, int size = 4);
std::string Patched(std::string bytes, size_t offset, uint32_t value, int size = 4);
uint32_t U32At(const std::string& bytes, size_t offset);
uint16_t U16At(const std::string& bytes, size_t offset);

}  // namespace testsupport
