// JPEG pictures through libjpeg, into a 24-bit bottom-up DIB section.
//
// libjpeg reports fatal errors through error_exit, which must not return: it
// leaves with longjmp to the setjmp in Decode(). No object with a destructor
// lives in Decode(); whatever it allocates is released after the jump.
#include <windows.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include <jpeglib.h>
#include <jerror.h>

#include "picture/Decoders.h"

namespace picture {

PictureError JpegError(int messageCode) {
    return PictureError("JPEG エラー #" + std::to_string(messageCode));
}

PictureError JpegTooBig() { return JpegError(JERR_IMAGE_TOO_BIG); }

namespace {

constexpr uint64_t kMaxPixels = 16384ull * 16384;
constexpr uint64_t kMaxDibBytes = 200ull << 20;
// Working memory libjpeg may take (whole-image buffers of progressive files).
constexpr long kMaxWorkingMemory = 512l << 20;
// Real progressive files have around ten scans; thousands of empty ones only burn time.
constexpr int kMaxScans = 500;

struct ErrorTrap {
    jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the trap
    jmp_buf jump;
    int code;
};

[[noreturn]] void LeaveWithError(j_common_ptr cinfo) {
    auto* trap = reinterpret_cast<ErrorTrap*>(cinfo->err);
    trap->code = cinfo->err->msg_code;
    longjmp(trap->jump, 1);
}

// Warnings are no failures: a file without its end marker is whole, and a
// file cut inside its scan data shows what libjpeg makes of it, as image
// viewers show it. Only error_exit refuses a file.
void Silent(j_common_ptr) {}
void SilentMessage(j_common_ptr, int) {}

void LimitScans(j_common_ptr cinfo) {
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
        ERREXIT1(cinfo, JERR_BAD_SCAN_SCRIPT, kMaxScans);
}

struct Decoded {
    HBITMAP bitmap;
    int width;
    int height;
};

// Four-ink pixels to blue, green, red. Adobe's files store the inks inverted.
void CmykToBgr(const JSAMPLE* cmyk, unsigned char* bgr, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        bgr[0] = JSAMPLE(y * k / 255);
        bgr[1] = JSAMPLE(m * k / 255);
        bgr[2] = JSAMPLE(c * k / 255);
    }
}

// Returns 0 with out->bitmap set, or libjpeg's message number.
int Decode(Bytes file, Decoded* out) {
    jpeg_decompress_struct cinfo{};
    ErrorTrap trap;
    jpeg_progress_mgr progress{};
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = LeaveWithError;
    trap.manager.emit_message = SilentMessage;
    trap.manager.output_message = Silent;
    trap.code = 0;
    out->bitmap = nullptr;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&cinfo);
        if (out->bitmap) DeleteObject(out->bitmap);
        out->bitmap = nullptr;
        return trap.code;
    }

    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxWorkingMemory;
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);

    const uint64_t pixels = uint64_t(cinfo.image_width) * cinfo.image_height;
    if (pixels > kMaxPixels || pixels * 3 > kMaxDibBytes) ERREXIT1(&cinfo, JERR_IMAGE_TOO_BIG, 0);
    const bool fourInks = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = fourInks ? JCS_CMYK : JCS_EXT_BGR;  // libjpeg cannot turn inks into RGB itself
    jpeg_start_decompress(&cinfo);

    out->width = int(cinfo.output_width);
    out->height = int(cinfo.output_height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = out->width;
    info.bmiHeader.biHeight = out->height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    out->bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!out->bitmap || !bits) ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);

    const size_t stride = (size_t(out->width) * 3 + 3) & ~size_t(3);
    JSAMPARRAY inks = fourInks ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                             cinfo.output_width * 4, 1)
                               : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        auto* row = static_cast<unsigned char*>(bits) + stride * (cinfo.output_height - 1 - cinfo.output_scanline);
        JSAMPROW target = fourInks ? inks[0] : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) ERREXIT(&cinfo, JERR_INPUT_EOF);
        if (fourInks) CmykToBgr(inks[0], row, cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

}  // namespace

ui::Graphic DecodeJpeg(Bytes file) {
    Decoded decoded{};
    if (int code = Decode(file, &decoded)) throw JpegError(code);
    return ui::Graphic::FromBitmap(ui::BitmapHandle(decoded.bitmap), decoded.width, decoded.height);
}

}  // namespace picture
