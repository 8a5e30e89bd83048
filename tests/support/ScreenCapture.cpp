#include "support/ScreenCapture.h"

#include <algorithm>
#include <fstream>

#include "ui/Handles.h"
#include "ui/ScopedGdi.h"

namespace testsupport {
namespace {

constexpr uint32_t kIgnoredShade = 0x808080;

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// What the screen shows in this rectangle of screen coordinates; from the
// screen's own device context, so that what lies over the window is seen too.
ScreenPixels CaptureScreen(const RECT& area) {
    ScreenPixels capture;
    capture.width = std::max(0L, area.right - area.left);
    capture.height = std::max(0L, area.bottom - area.top);
    capture.pixels.assign(size_t(capture.width) * size_t(capture.height), 0);
    if (capture.pixels.empty()) return capture;
    ui::WindowDc screen(nullptr);
    ui::MemoryDc memory(screen.Handle());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    ui::BitmapHandle section(CreateDIBSection(screen.Handle(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section) return capture;
    ui::Selection selected(memory.Handle(), section.Get());
    BitBlt(memory.Handle(), 0, 0, capture.width, capture.height, screen.Handle(), area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < capture.pixels.size(); ++i) capture.pixels[i] = source[i] & 0xFFFFFF;
    return capture;
}

}  // namespace

ScreenPixels CaptureClientArea(HWND window, const RECT& ignored, DWORD ms) {
    ScreenPixels last;
    for (DWORD start = GetTickCount();; Sleep(100)) {
        RECT client;
        GetClientRect(window, &client);
        MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        ScreenPixels now = CaptureScreen(client);
        const bool settled = now.width == last.width && now.height == last.height &&
                             ComparePixels(now, last, ignored).count == 0;
        last = std::move(now);
        if (settled || GetTickCount() - start > ms) return last;
    }
}

PixelDifference ComparePixels(const ScreenPixels& a, const ScreenPixels& b, const RECT& ignored) {
    PixelDifference diff;
    diff.image = a;
    if (a.width != b.width || a.height != b.height) {
        diff.count = std::max(a.width * a.height, b.width * b.height);
        return diff;
    }
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            uint32_t& shown = diff.image.pixels[size_t(y) * size_t(a.width) + size_t(x)];
            if (Inside(ignored, x, y)) {
                shown = kIgnoredShade;
            } else if (a.At(x, y) == b.At(x, y)) {
                shown = 0;
            } else if (diff.count++ == 0) {
                diff.first = {x, y};
            }
        }
    }
    return diff;
}

bool SaveBitmapFile(const ScreenPixels& capture, const std::string& path) {
    const int rowBytes = (capture.width * 3 + 3) & ~3;
    const DWORD imageBytes = DWORD(rowBytes) * DWORD(capture.height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageBytes;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = capture.width;
    header.biHeight = capture.height;  // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = imageBytes;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::string row(size_t(rowBytes), '\0');
    for (int y = capture.height - 1; y >= 0; --y) {
        for (int x = 0; x < capture.width; ++x) {
            const uint32_t pixel = capture.At(x, y);
            row[size_t(x) * 3] = char(pixel & 0xFF);
            row[size_t(x) * 3 + 1] = char((pixel >> 8) & 0xFF);
            row[size_t(x) * 3 + 2] = char((pixel >> 16) & 0xFF);
        }
        out.write(row.data(), std::streamsize(row.size()));
    }
    return bool(out);
}

}  // namespace testsupport
