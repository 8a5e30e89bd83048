// libjpeg reports fatal errors through error_exit, which must not return: it
// leaves with longjmp to the setjmp in ReadJpeg(). No object with a
// destructor lives in ReadJpeg(); libjpeg's memory is released after the jump.
#include "picture/JpegReader.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace picture {
namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the trap
    jmp_buf jump;
    int code;
};

struct ScanLimit {
    jpeg_progress_mgr progress;  // first, so libjpeg's pointer to it is a pointer to the limit
    int scans;
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
    const int most = reinterpret_cast<ScanLimit*>(cinfo->progress)->scans;
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > most)
        ERREXIT1(cinfo, JERR_BAD_SCAN_SCRIPT, most);
}

// The file a block at a time, as libjpeg's own sources read: at its end (or
// where it cannot be read) a warning and an end marker.
struct BlockSource {
    jpeg_source_mgr manager;  // first, so libjpeg's pointer to it is a pointer to the source
    ByteSource* bytes;
    uint64_t at;
    JOCTET block[65536];
};

void StartReading(j_decompress_ptr) {}
void StopReading(j_decompress_ptr) {}

boolean ReadBlock(j_decompress_ptr cinfo) {
    auto* source = reinterpret_cast<BlockSource*>(cinfo->src);
    const uint64_t left = source->at < source->bytes->Size() ? source->bytes->Size() - source->at : 0;
    size_t n = size_t(std::min<uint64_t>(left, sizeof source->block));
    if (n == 0 || !source->bytes->ReadAt(source->at, source->block, n)) {
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source->block[0] = 0xFF, source->block[1] = JPEG_EOI, n = 2;
    } else {
        source->at += n;
    }
    source->manager.next_input_byte = source->block;
    source->manager.bytes_in_buffer = n;
    return TRUE;
}

void SkipBytes(j_decompress_ptr cinfo, long count) {
    auto* source = reinterpret_cast<BlockSource*>(cinfo->src);
    if (count <= 0) return;
    if (size_t(count) <= source->manager.bytes_in_buffer) {
        source->manager.next_input_byte += count;
        source->manager.bytes_in_buffer -= size_t(count);
        return;
    }
    source->at += uint64_t(count) - source->manager.bytes_in_buffer;
    source->manager.bytes_in_buffer = 0;
}

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

}  // namespace

int ReadJpeg(std::span<const unsigned char> file, JpegCanvas& canvas, const JpegLimits& limits, DrawnSize drawn) {
    MemorySource bytes(file);
    return ReadJpeg(bytes, canvas, limits, drawn);
}

int ReadJpeg(ByteSource& file, JpegCanvas& canvas, const JpegLimits& limits, DrawnSize drawn) {
    jpeg_decompress_struct cinfo{};
    BlockSource source{{}, &file, 0, {}};
    ErrorTrap trap;
    ScanLimit progress{{}, limits.scans};
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = LeaveWithError;
    trap.manager.emit_message = SilentMessage;
    trap.manager.output_message = Silent;
    trap.code = 0;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return trap.code;
    }

    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = limits.workingMemory;
    progress.progress.progress_monitor = LimitScans;
    cinfo.progress = &progress.progress;
    if (file.Size() == 0) ERREXIT(&cinfo, JERR_INPUT_EMPTY);
    source.manager.init_source = StartReading;
    source.manager.fill_input_buffer = ReadBlock;
    source.manager.skip_input_data = SkipBytes;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = StopReading;
    cinfo.src = &source.manager;
    jpeg_read_header(&cinfo, TRUE);

    const uint64_t pixels = uint64_t(cinfo.image_width) * cinfo.image_height;
    if (pixels > limits.pixels || pixels * 3 > limits.pixelBytes) ERREXIT1(&cinfo, JERR_IMAGE_TOO_BIG, 0);
    const bool fourInks = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = fourInks ? JCS_CMYK : JCS_EXT_BGR;  // libjpeg cannot turn inks into RGB itself
    const DrawnSize reduced = ReducedSize(int(cinfo.image_width), int(cinfo.image_height), drawn);
    cinfo.scale_denom = 8;
    cinfo.scale_num = 8;
    while (cinfo.scale_num > 1 && uint64_t(cinfo.image_width) * (cinfo.scale_num - 1) >= uint64_t(reduced.width) * 8 &&
           uint64_t(cinfo.image_height) * (cinfo.scale_num - 1) >= uint64_t(reduced.height) * 8)
        --cinfo.scale_num;
    jpeg_start_decompress(&cinfo);

    unsigned char* rows = canvas.Rows(int(cinfo.output_width), int(cinfo.output_height));
    if (!rows) ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);
    const size_t stride = (size_t(cinfo.output_width) * 3 + 3) & ~size_t(3);
    JSAMPARRAY inks = fourInks ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                             cinfo.output_width * 4, 1)
                               : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        unsigned char* row = rows + stride * (cinfo.output_height - 1 - cinfo.output_scanline);
        JSAMPROW target = fourInks ? inks[0] : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) ERREXIT(&cinfo, JERR_INPUT_EOF);
        if (fourInks) CmykToBgr(inks[0], row, cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

}  // namespace picture
