// WebP pictures, lossy, lossless or with alpha, through libwebp's incremental
// decoder. An animation is refused: the still decoder takes none.
#include <webp/decode.h>

#include <algorithm>
#include <cstdint>

#include "picture/RgbaReaders.h"

namespace picture {

namespace {

constexpr size_t kBlock = 65536;

// The file fed to libwebp's incremental decoder a block at a time, which
// keeps only what it has yet to decode.
bool Decode(ByteSource& file, WebPDecoderConfig& config) {
    WebPIDecoder* decoder = WebPIDecode(nullptr, 0, &config);
    if (!decoder) return false;
    unsigned char block[kBlock];
    VP8StatusCode status = VP8_STATUS_NOT_ENOUGH_DATA;
    for (uint64_t at = 0; at < file.Size();) {
        const size_t n = size_t(std::min<uint64_t>(kBlock, file.Size() - at));
        if (!file.ReadAt(at, block, n)) break;
        at += n;
        status = WebPIAppend(decoder, block, n);
        if (status != VP8_STATUS_SUSPENDED) break;
    }
    WebPIDelete(decoder);
    return status == VP8_STATUS_OK;
}

}  // namespace

bool ReadWebp(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    MemorySource bytes(file);
    return ReadWebp(bytes, canvas, limits, drawn);
}

bool ReadWebp(ByteSource& file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config)) return false;
    WebPBitstreamFeatures& features = config.input;
    // The header and the chunks that say what the picture is come first.
    unsigned char head[4096];
    const size_t headSize = size_t(std::min<uint64_t>(sizeof head, file.Size()));
    if (!file.ReadAt(0, head, headSize)) return false;
    if (WebPGetFeatures(head, headSize, &features) != VP8_STATUS_OK || features.has_animation) return false;
    if (!Fits(uint64_t(features.width), uint64_t(features.height), limits)) return false;
    const DrawnSize size = ReducedSize(features.width, features.height, drawn);
    unsigned char* rows = canvas.Rows(size.width, size.height);
    if (!rows) return false;
    if (size.width != features.width || size.height != features.height) {
        config.options.use_scaling = 1;  // libwebp's rescaler averages as it brings a picture down
        config.options.scaled_width = size.width;
        config.options.scaled_height = size.height;
    }
    // No filtering thread: start-up decodes on a worker of its own beside
    // the window thread, and the thread's second set of rows costs a
    // megabyte of private memory for a phone photograph.
    config.options.use_threads = 0;
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = rows;
    config.output.u.RGBA.stride = size.width * 4;
    config.output.u.RGBA.size = size_t(size.width) * 4 * size_t(size.height);
    const bool decoded = Decode(file, config);
    WebPFreeDecBuffer(&config.output);
    return decoded;
}

}  // namespace picture
