// The decoders behind LoadPicture and DecodePicture. Each takes a whole
// file's bytes and throws PictureError with its own message when they are not
// a picture of its kind.
#pragma once
#include <span>

#include "picture/DibHeader.h"
#include "picture/Picture.h"
#include "ui/Graphic.h"

namespace picture {

using Bytes = std::span<const unsigned char>;

ui::Graphic DecodeBitmap(Bytes file);
ui::Graphic DecodeIcon(Bytes file);
ui::Graphic DecodeMetafile(Bytes file);  // a Windows metafile (placeable or not) or an enhanced one
ui::Graphic DecodeJpeg(Bytes file);
ui::Graphic DecodePng(Bytes file);
ui::Graphic DecodeWebp(Bytes file);
ui::Graphic DecodeGif(Bytes file);  // its first frame

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
