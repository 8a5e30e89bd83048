// Icon files (.ico): the directory and the chosen image are checked against
// the file; the platform then builds the icon from that one image.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"

namespace picture {

PictureError InvalidIcon() { return PictureError("アイコンイメージが不正です"); }

namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr int kPreferredSize = 32;
constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct IconEntry {
    int width;
    int height;
    unsigned bitCount;
    uint32_t offset;
    uint32_t size;
};

bool IsPng(const ByteReader& in, const IconEntry& entry) {
    if (entry.size < sizeof kPngSignature) return false;
    for (size_t i = 0; i < sizeof kPngSignature; ++i)
        if (in.U8(entry.offset + i) != kPngSignature[i]) return false;
    return true;
}

// A DIB image: BITMAPINFOHEADER (height counts colour and mask rows), palette,
// colour rows, then the one-bit mask rows, all inside the entry's bytes.
std::optional<unsigned> DibBitCount(const ByteReader& in, const IconEntry& entry) {
    const size_t at = entry.offset;
    if (entry.size < sizeof(BITMAPINFOHEADER) || in.U32(at) < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    const int32_t width = in.I32(at + 4);
    const int32_t doubledHeight = in.I32(at + 8);
    const unsigned bits = in.U16(at + 14);
    if (width <= 0 || doubledHeight <= 0 || in.U16(at + 12) != 1 || in.U32(at + 16) != BI_RGB) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
    uint64_t colors = 0;
    if (bits <= 8) {
        const uint32_t used = in.U32(at + 32);
        colors = used == 0 || used > (1u << bits) ? (1u << bits) : used;
    }
    const uint64_t rows = uint64_t(doubledHeight) / 2;
    const uint64_t colorStride = (uint64_t(width) * bits + 31) / 32 * 4;
    const uint64_t maskStride = (uint64_t(width) + 31) / 32 * 4;
    const uint64_t needed = in.U32(at) + colors * 4 + (colorStride + maskStride) * rows;
    if (needed > entry.size) return std::nullopt;
    return bits;
}

std::vector<IconEntry> ReadDirectory(const ByteReader& in) {
    if (!in.Has(0, kDirectorySize) || in.U16(0) != 0 || in.U16(2) != 1) throw InvalidIcon();
    const unsigned count = in.U16(4);
    if (count == 0 || !in.Has(kDirectorySize, uint64_t(count) * kEntrySize)) throw InvalidIcon();
    std::vector<IconEntry> entries;
    for (unsigned i = 0; i < count; ++i) {
        const size_t e = kDirectorySize + i * kEntrySize;
        IconEntry entry{in.U8(e) ? in.U8(e) : 256, in.U8(e + 1) ? in.U8(e + 1) : 256, in.U16(e + 6),
                        in.U32(e + 12), in.U32(e + 8)};
        if (!in.Has(entry.offset, entry.size)) throw InvalidIcon();
        if (IsPng(in, entry)) {
            entry.bitCount = 32;
        } else {
            std::optional<unsigned> bits = DibBitCount(in, entry);
            if (!bits) throw InvalidIcon();
            if (entry.bitCount == 0) entry.bitCount = *bits;  // many writers leave it 0
        }
        entries.push_back(entry);
    }
    return entries;
}

// 32 x 32 first; otherwise the size nearest to it, the larger on a tie; then
// the most colours.
bool Better(const IconEntry& a, const IconEntry& b) {
    const int distanceA = std::abs(a.width - kPreferredSize) + std::abs(a.height - kPreferredSize);
    const int distanceB = std::abs(b.width - kPreferredSize) + std::abs(b.height - kPreferredSize);
    if (distanceA != distanceB) return distanceA < distanceB;
    if (a.width * a.height != b.width * b.height) return a.width * a.height > b.width * b.height;
    return a.bitCount > b.bitCount;
}

}  // namespace

ui::Graphic DecodeIcon(Bytes file) {
    ByteReader in(file);
    std::vector<IconEntry> entries = ReadDirectory(in);
    const IconEntry* best = &entries.front();
    for (const IconEntry& entry : entries)
        if (Better(entry, *best)) best = &entry;

    // The platform reads only the bytes it is given; it takes a non-const pointer but does not write.
    auto* image = const_cast<unsigned char*>(in.At(best->offset));
    ui::IconHandle icon(CreateIconFromResourceEx(image, best->size, TRUE, 0x00030000, best->width,
                                                 best->height, LR_DEFAULTCOLOR));
    if (!icon) throw InvalidIcon();
    return ui::Graphic::FromIcon(std::move(icon), best->width, best->height);
}

}  // namespace picture
