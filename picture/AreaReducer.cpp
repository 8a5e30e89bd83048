#include "picture/AreaReducer.h"

#include <algorithm>

namespace picture {

// In units where a source pixel is targetWidth wide and a target pixel
// sourceWidth wide (so too downwards), every overlap is a whole number, a
// source pixel falls into at most two target pixels, and each target pixel
// gathers sourceWidth x sourceHeight units in all.
AreaReducer::AreaReducer(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight, unsigned char* target)
    : sourceWidth_(sourceWidth),
      sourceHeight_(sourceHeight),
      targetWidth_(targetWidth),
      targetHeight_(targetHeight),
      target_(target),
      sums_(size_t(targetWidth) * 4),
      rowSums_(size_t(targetWidth) * 4),
      firstColumn_(size_t(sourceWidth)),
      inFirst_(size_t(sourceWidth)) {
    const uint64_t s = uint64_t(sourceWidth), t = uint64_t(targetWidth);
    for (uint64_t x = 0; x < s; ++x) {
        firstColumn_[x] = uint32_t(x * t / s);
        inFirst_[x] = uint32_t(std::min((x + 1) * t, (firstColumn_[x] + 1) * s) - x * t);
    }
}

void AreaReducer::AddRow(const unsigned char* row, int channels) {
    if (sourceY_ >= sourceHeight_) return;
    const uint32_t t = uint32_t(targetWidth_);
    std::fill(rowSums_.begin(), rowSums_.end(), 0);
    for (size_t x = 0; x < size_t(sourceWidth_); ++x, row += channels) {
        const uint32_t alpha = channels == 4 ? row[3] : 255, first = inFirst_[x];
        const uint32_t b = alpha * row[0], g = alpha * row[1], r = alpha * row[2];
        uint32_t* sum = &rowSums_[size_t(firstColumn_[x]) * 4];
        sum[0] += first * b, sum[1] += first * g, sum[2] += first * r, sum[3] += first * alpha;
        if (first < t) {  // the rest of the column falls into the next target column
            const uint32_t rest = t - first;
            sum[4] += rest * b, sum[5] += rest * g, sum[6] += rest * r, sum[7] += rest * alpha;
        }
    }
    // The same split downwards: the row to the target row being gathered,
    // and what is left of it, if anything, to the next.
    const uint64_t sh = uint64_t(sourceHeight_), th = uint64_t(targetHeight_), y = uint64_t(sourceY_++);
    const uint64_t end = uint64_t(targetY_ + 1) * sh, inCurrent = std::min((y + 1) * th, end) - y * th;
    for (size_t i = 0; i < sums_.size(); ++i) sums_[i] += inCurrent * rowSums_[i];
    if ((y + 1) * th < end) return;
    Emit();
    if (inCurrent < th)
        for (size_t i = 0; i < sums_.size(); ++i) sums_[i] = (th - inCurrent) * rowSums_[i];
}

void AreaReducer::Emit() {
    if (targetY_ >= targetHeight_) return;
    const uint64_t area = uint64_t(sourceWidth_) * uint64_t(sourceHeight_);
    unsigned char* out = target_ + size_t(targetY_++) * size_t(targetWidth_) * 4;
    for (size_t i = 0; i < sums_.size(); i += 4, out += 4) {
        const uint64_t alpha = sums_[i + 3];
        for (int c = 0; c < 3; ++c) out[c] = alpha ? (unsigned char)((sums_[i + c] + alpha / 2) / alpha) : 0;
        out[3] = (unsigned char)((alpha + area / 2) / area);
    }
    std::fill(sums_.begin(), sums_.end(), 0);
}

}  // namespace picture
