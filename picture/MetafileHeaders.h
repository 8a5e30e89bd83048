// The headers of metafiles (.wmf, .emf), with every record after them
// checked: an enhanced metafile, or a Windows metafile with or without the
// placeable header, told apart by content. Portable: the platform part is
// the decoder, which hands the checked bytes to GDI.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "picture/ByteReader.h"
#include "picture/WindowsFormats.h"

namespace picture {

bool IsEnhancedMetafile(const ByteReader& in);

// The bytes of a sound enhanced metafile, from the file's start; nullopt for
// an unsound one.
std::optional<uint32_t> EnhancedMetafileBytes(const ByteReader& in);

struct WindowsMetafile {
    size_t start;  // of the METAHEADER: past the placeable header, if any
    size_t bytes;  // of the METAHEADER and the records
    // The placeable header's bounding box, in units of which unitsPerInch make an inch.
    std::optional<SIZE> placedSize;
    int unitsPerInch;
    std::optional<SIZE> windowExtent;  // from the first SetWindowExt record
};

// nullopt for a Windows metafile that is not sound.
std::optional<WindowsMetafile> ReadWindowsMetafile(const ByteReader& in);

}  // namespace picture
