// Brings a picture down to a smaller size as its rows arrive, each target
// pixel the average of the source area it covers (edges by their fraction):
// a photo brought down twenty times shows its colours, not stair steps or
// moiré. Alpha weighs the colours it averages. Besides the result only one
// row of sums is held. Portable.
#pragma once
#include <cstdint>
#include <vector>

#include "picture/DrawnSize.h"

namespace picture {

class AreaReducer {
public:
    // target: room for targetWidth x targetHeight pixels of blue, green, red
    // and alpha, the top row first. The target is no larger than the source
    // either way, and neither is empty.
    AreaReducer(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight, unsigned char* target);

    // The next source row, the top one first: pixels of `channels` bytes,
    // blue, green, red and, with four, alpha.
    void AddRow(const unsigned char* row, int channels);

private:
    void Emit();

    const int sourceWidth_, sourceHeight_, targetWidth_, targetHeight_;
    unsigned char* target_;
    int sourceY_ = 0;   // rows added so far
    int targetY_ = 0;   // rows written so far
    std::vector<uint64_t> sums_;     // the target row being gathered: alpha-weighted blue, green, red, then alpha
    std::vector<uint32_t> rowSums_;  // the source row across the target's columns: at most 16 384 x 255 x 255
    std::vector<uint32_t> firstColumn_, inFirst_;  // each source column's first target column, and its share of it
};

}  // namespace picture
