// Icon files (.ico): the platform builds the icon from the one image chosen.
#include <windows.h>

#include <optional>
#include <utility>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/IconFile.h"

namespace picture {

PictureError InvalidIcon() { return PictureError("アイコンイメージが不正です"); }

ui::Graphic DecodeIcon(Bytes file, DrawnSize) {
    std::optional<IconImage> image = ChooseIconImage(ByteReader(file));
    if (!image) throw InvalidIcon();
    std::vector<unsigned char>& resource = image->resource;
    ui::IconHandle icon(CreateIconFromResourceEx(resource.data(), DWORD(resource.size()), TRUE, 0x00030000,
                                                 image->width, image->height, LR_DEFAULTCOLOR));
    if (!icon) throw InvalidIcon();
    return ui::Graphic::FromIcon(std::move(icon), image->width, image->height);
}

}  // namespace picture
