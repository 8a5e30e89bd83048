// WebP pictures, lossy, lossless or with alpha, through libwebp's decoder. An
// animation is refused: the still decoder takes none.
#include <webp/decode.h>

#include "picture/RgbaReaders.h"

namespace picture {

bool ReadWebp(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config)) return false;
    WebPBitstreamFeatures& features = config.input;
    if (WebPGetFeatures(file.data(), file.size(), &features) != VP8_STATUS_OK || features.has_animation) return false;
    if (!Fits(uint64_t(features.width), uint64_t(features.height), limits)) return false;
    const DrawnSize size = ReducedSize(features.width, features.height, drawn);
    unsigned char* rows = canvas.Rows(size.width, size.height);
    if (!rows) return false;
    if (size.width != features.width || size.height != features.height) {
        config.options.use_scaling = 1;  // libwebp's rescaler averages as it brings a picture down
        config.options.scaled_width = size.width;
        config.options.scaled_height = size.height;
    }
    config.options.use_threads = 1;  // filtering beside decoding, on a second core
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = rows;
    config.output.u.RGBA.stride = size.width * 4;
    config.output.u.RGBA.size = size_t(size.width) * 4 * size_t(size.height);
    const bool decoded = WebPDecode(file.data(), file.size(), &config) == VP8_STATUS_OK;
    WebPFreeDecBuffer(&config.output);
    return decoded;
}

}  // namespace picture
