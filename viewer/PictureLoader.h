// Loads a picture file (bmp, ico, wmf, emf, jpg, jpeg) for a picture pane.
#pragma once
#include <stdexcept>
#include <string>

#include "ui/Graphic.h"

namespace viewer {

// The picture-loading failure; its text is shown to the user as it is.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// path is code page 932, absolute or relative to the current directory. The
// decoder is chosen by the file name's extension, case-insensitively, before
// the file is touched. Throws PictureError for an unknown extension, a file
// that cannot be opened (or that another program has open for writing), and
// a file its decoder rejects.
ui::Graphic LoadPicture(const std::string& path);

}  // namespace viewer
