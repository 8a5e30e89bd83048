// Pictures for a picture pane: a picture file loaded by its extension, or
// bytes of a known format decoded. The one header of the picture module;
// everything else in picture/ is private to it.
#pragma once
#include <span>
#include <string>

#include "base/FileSystemPath.h"
#include "base/ShownError.h"
#include "picture/DrawnSize.h"
#include "ui/Graphic.h"

namespace picture {

// The picture-loading failure; its text is shown to the user as it is.
class PictureError : public base::ShownError {
public:
    explicit PictureError(const std::string& text);  // code page 932
    explicit PictureError(std::wstring text);
};

// path is absolute or relative to the current directory. The
// decoder is chosen by the file name's extension, case-insensitively, before
// the file is touched. Throws PictureError for an unknown extension, a file
// that cannot be opened (or that another program has open for writing), and
// a file its decoder rejects. A JPEG, PNG, WebP or GIF picture larger than
// the size it is drawn at (given) is kept at that size alone; the picture
// remembers its file, so that a pane of another size can load it again.
ui::Graphic LoadPicture(const base::Path& path, DrawnSize drawn = {});

// What a picture file holds: .bmp, .ico, .wmf or .emf (told apart by
// content), .jpg or .jpeg, .png, .webp, .gif.
enum class FileFormat { Bitmap, Icon, Metafile, Jpeg, Png, Webp, Gif };

// The whole bytes of a picture file of that format, decoded as LoadPicture
// decodes the file. Throws PictureError with the format's message when they
// are not such a picture.
ui::Graphic DecodePicture(std::span<const unsigned char> bytes, FileFormat format, DrawnSize drawn = {});

}  // namespace picture
