// Pictures kept at the size they are drawn at: 32-bit top-down DIB sections,
// and a decoded picture brought down into one by area averaging.
#pragma once
#include <functional>
#include <optional>

#include "picture/AreaReducer.h"
#include "ui/Graphic.h"

namespace picture {

// A 32-bit top-down section of that size, its pixels in bits; null when refused.
ui::BitmapHandle TopDownSection(int width, int height, unsigned char*& bits);

// The picture of width x height pixels, whose row y (the top one 0) row()
// gives in pixels of `channels` bytes, brought down to `size`; nothing when
// the platform refuses the section.
std::optional<ui::Graphic> ReducedPicture(int width, int height, DrawnSize size, int channels,
                                          const std::function<const unsigned char*(int y)>& row, ui::Alpha alpha);

}  // namespace picture
