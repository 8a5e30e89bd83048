// Pixels as the screen shows them, taken from windows of any process, compared
// pixel by pixel and written as bitmap files for a person to look at.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A rectangle of screen pixels, 0x00RRGGBB, row by row from the top.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// The client area of a window of any process, read back from the screen
// once two captures in a row agree outside `ignored` (client coordinates:
// a caret blinks there), or the last capture after `ms`.
ScreenPixels CaptureClientArea(HWND window, const RECT& ignored = {}, DWORD ms = 5000);

// Where two captures differ, outside `ignored`.
struct PixelDifference {
    int count = 0;      // differing pixels; sizes that differ count every pixel
    POINT first{};      // the first one, row by row
    ScreenPixels image; // black where they agree, the first capture's pixel where not, grey where ignored
};
PixelDifference ComparePixels(const ScreenPixels& a, const ScreenPixels& b, const RECT& ignored = {});

// Writes a 24-bit bitmap file; false when it cannot.
bool SaveBitmapFile(const ScreenPixels& capture, const std::string& path);

}  // namespace testsupport
