#include "designer/Placeholders.h"

#include <windows.h>

#include "designer/ResourceIds.h"
#include "picture/Picture.h"

namespace designer {

ui::Graphic LoadPlaceholder(Placeholder which) {
    int id = which == Placeholder::Header ? IDR_PLACEHOLDER1 : IDR_PLACEHOLDER2;
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw picture::PictureError("画像リソースが見つかりません");
    return picture::DecodePicture({static_cast<const unsigned char*>(bytes), size_t(SizeofResource(nullptr, found))},
                                  picture::FileFormat::Jpeg);
}

}  // namespace designer
