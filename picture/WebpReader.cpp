// WebP pictures, lossy, lossless or with alpha, through libwebp's decoder. An
// animation is refused: the still decoder takes none.
#include <webp/decode.h>

#include "picture/RgbaReaders.h"

namespace picture {

bool ReadWebp(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits) {
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(file.data(), file.size(), &features) != VP8_STATUS_OK || features.has_animation) return false;
    if (!Fits(uint64_t(features.width), uint64_t(features.height), limits)) return false;
    unsigned char* rows = canvas.Rows(features.width, features.height);
    const size_t stride = size_t(features.width) * 4;
    return rows && WebPDecodeBGRAInto(file.data(), file.size(), rows, stride * size_t(features.height), int(stride));
}

}  // namespace picture
