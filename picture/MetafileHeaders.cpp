#include "picture/MetafileHeaders.h"

#include <cstdlib>

#include "picture/MetafileDecoderRecords.h"

namespace picture {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kWindowsHeaderSize = 18;  // METAHEADER
constexpr size_t kEnhancedHeaderMinimum = 88;

}  // namespace

bool IsEnhancedMetafile(const ByteReader& in) {
    return in.Has(0, kEnhancedHeaderMinimum) && in.U32(0) == EMR_HEADER && in.U32(40) == ENHMETA_SIGNATURE;
}

std::optional<uint32_t> EnhancedMetafileBytes(const ByteReader& in) {
    const uint32_t headerSize = in.U32(4);
    const uint32_t total = in.U32(48);  // nBytes
    if (headerSize < kEnhancedHeaderMinimum || headerSize % 4 || total < headerSize || !in.Has(0, total))
        return std::nullopt;
    // Playback scales by the reference device's pixels per millimetre and by the frame.
    const bool referenceKnown = in.I32(72) > 0 && in.I32(76) > 0 && in.I32(80) > 0 && in.I32(84) > 0;
    const bool frameUpright = in.I32(32) >= in.I32(24) && in.I32(36) >= in.I32(28);
    if (!referenceKnown || !frameUpright) return std::nullopt;
    if (!EnhancedRecordsAreSound(in, headerSize, total, in.U16(56))) return std::nullopt;  // nHandles
    return total;
}

std::optional<WindowsMetafile> ReadWindowsMetafile(const ByteReader& in) {
    WindowsMetafile metafile{0, 0, std::nullopt, 0, std::nullopt};
    if (in.Has(0, kPlaceableSize) && in.U32(0) == kPlaceableKey) {
        // Bounding box in metafile units and how many of them make an inch.
        const int width = std::abs(in.I16(10) - in.I16(6));
        const int height = std::abs(in.I16(12) - in.I16(8));
        metafile.unitsPerInch = in.U16(14);
        if (metafile.unitsPerInch == 0 || width == 0 || height == 0) return std::nullopt;
        metafile.placedSize = SIZE{width, height};
        metafile.start = kPlaceableSize;
    }
    const size_t start = metafile.start;
    const uint16_t type = in.U16(start);
    const uint16_t version = in.U16(start + 4);
    const uint64_t bytes = uint64_t(in.U32(start + 6)) * 2;
    if (!in.Has(start, kWindowsHeaderSize) || (type != 1 && type != 2) || in.U16(start + 2) != 9 ||
        (version != 0x0100 && version != 0x0300) || bytes < kWindowsHeaderSize || !in.Has(start, bytes))
        return std::nullopt;
    const unsigned objects = in.U16(start + 10);  // mtNoObjects: the size of the handle table
    WindowsRecordScan records = ScanWindowsRecords(in, start + kWindowsHeaderSize, start + size_t(bytes), objects);
    if (!records.sound) return std::nullopt;
    metafile.bytes = size_t(bytes);
    metafile.windowExtent = records.windowExtent;
    return metafile;
}

}  // namespace picture
