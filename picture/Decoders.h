// The decoders behind LoadPicture and DecodePicture. Each takes a whole
// file's bytes and throws PictureError with its own message when they are not
// a picture of its kind.
#pragma once
#include <span>

#include "picture/AreaReducer.h"
#include "picture/ByteSource.h"
#include "picture/DibHeader.h"
#include "picture/Picture.h"
#include "ui/Graphic.h"

namespace picture {

using Bytes = std::span<const unsigned char>;

// Bitmaps, icons and metafiles are kept as they are; the others, where they
// are larger than drawn, at the drawn size.
ui::Graphic DecodeBitmap(Bytes file, DrawnSize drawn);
ui::Graphic DecodeIcon(Bytes file, DrawnSize drawn);
ui::Graphic DecodeMetafile(Bytes file, DrawnSize drawn);  // a Windows metafile (placeable or not) or an enhanced one
// JPEG, PNG and WebP files are read a block at a time.
ui::Graphic DecodeJpeg(ByteSource& file, DrawnSize drawn);
ui::Graphic DecodePng(ByteSource& file, DrawnSize drawn);
ui::Graphic DecodeWebp(ByteSource& file, DrawnSize drawn);
ui::Graphic DecodeGif(Bytes file, DrawnSize drawn);  // its first frame

PictureError InvalidBitmap();
PictureError InvalidIcon();
PictureError InvalidMetafile();
PictureError JpegError(int messageCode);  // libjpeg's message number
PictureError JpegTooBig();
PictureError InvalidPng();
PictureError InvalidWebp();
PictureError InvalidGif();

// A plain header with its masks or colours, as GDI takes a BITMAPINFO.
inline const BITMAPINFO* AsBitmapInfo(const PlainDibInfo& info) {
    return reinterpret_cast<const BITMAPINFO*>(&info);
}

}  // namespace picture
