// The directory and images of an icon file (.ico), checked against the file,
// and the image a picture pane shows. Portable: the platform part is the
// decoder, which builds the icon from the image chosen here.
#pragma once
#include <optional>
#include <vector>

#include "picture/ByteReader.h"

namespace picture {

struct IconImage {
    int width;   // from the directory: 1 to 256
    int height;
    // What the platform builds the icon from: a PNG image as it is; a DIB
    // image as a plain BITMAPINFOHEADER with its masks or colours, whichever
    // header the file gave it, followed by its colour and mask rows.
    std::vector<unsigned char> resource;
};

// 32 x 32 first; otherwise the size nearest to it, the larger on a tie; then
// the most colours. nullopt when the directory or any image is not sound.
std::optional<IconImage> ChooseIconImage(const ByteReader& in);

}  // namespace picture
