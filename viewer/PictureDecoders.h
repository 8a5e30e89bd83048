// The decoders behind LoadPicture. Each takes a whole file's bytes and throws
// PictureError with its own message when they are not a picture of its kind.
#pragma once
#include <cstddef>
#include <span>

#include "ui/Graphic.h"
#include "viewer/PictureLoader.h"

namespace viewer {

using Bytes = std::span<const unsigned char>;

ui::Graphic DecodeBitmap(Bytes file);
ui::Graphic DecodeIcon(Bytes file);
ui::Graphic DecodeMetafile(Bytes file);  // a Windows metafile (placeable or not) or an enhanced one
ui::Graphic DecodeJpeg(Bytes file);

PictureError InvalidBitmap();
PictureError InvalidIcon();
PictureError InvalidMetafile();
PictureError JpegError(int messageCode);  // libjpeg's message number
PictureError JpegTooBig();

}  // namespace viewer
