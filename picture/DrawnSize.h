// The size a picture pane draws its picture at, which a large picture is
// decoded at: portable, and part of the picture module's public header.
#pragma once

namespace picture {

// The size a picture is drawn at, in device pixels; zero: its own.
struct DrawnSize {
    int width = 0;
    int height = 0;
};

// The size to decode a picture of this size at for that: its own, brought
// down to the drawn size where it is larger (each way on its own).
inline DrawnSize ReducedSize(int width, int height, DrawnSize drawn) {
    if (drawn.width <= 0 || drawn.height <= 0) return {width, height};
    return {width < drawn.width ? width : drawn.width, height < drawn.height ? height : drawn.height};
}

}  // namespace picture
