#include "picture/IconFile.h"

#include <cstdint>
#include <cstdlib>

#include "picture/DibHeader.h"

namespace picture {
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
    std::optional<DibHeader> dib;  // none for a PNG image
};

bool IsPng(const ByteReader& in, const IconEntry& entry) {
    if (entry.size < sizeof kPngSignature) return false;
    for (size_t i = 0; i < sizeof kPngSignature; ++i)
        if (in.U8(entry.offset + i) != kPngSignature[i]) return false;
    return true;
}

// The colour rows, then as many rows of the one-bit mask.
uint64_t RowBytes(const DibHeader& dib) {
    const uint64_t maskStride = (uint64_t(dib.width) + 31) / 32 * 4;
    return (dib.stride + maskStride) * (dib.rows / 2);
}

// A DIB image: its header's height counts the colour rows and the mask rows.
// The colour rows are plain pixels, so that the mask's place is known, and
// all of it lies inside the entry's bytes.
std::optional<DibHeader> ReadImageDib(const ByteReader& in, const IconEntry& entry) {
    std::optional<DibHeader> dib = ReadDibHeader(in, entry.offset, entry.size);
    if (!dib || dib->height <= 0 || dib->IsRunLength()) return std::nullopt;
    if (dib->infoSize + RowBytes(*dib) > entry.size) return std::nullopt;
    return dib;
}

std::optional<std::vector<IconEntry>> ReadDirectory(const ByteReader& in) {
    if (!in.Has(0, kDirectorySize) || in.U16(0) != 0 || in.U16(2) != 1) return std::nullopt;
    const unsigned count = in.U16(4);
    if (count == 0 || !in.Has(kDirectorySize, uint64_t(count) * kEntrySize)) return std::nullopt;
    std::vector<IconEntry> entries;
    for (unsigned i = 0; i < count; ++i) {
        const size_t e = kDirectorySize + i * kEntrySize;
        IconEntry entry{in.U8(e) ? in.U8(e) : 256, in.U8(e + 1) ? in.U8(e + 1) : 256, in.U16(e + 6),
                        in.U32(e + 12), in.U32(e + 8), std::nullopt};
        if (!in.Has(entry.offset, entry.size)) return std::nullopt;
        if (IsPng(in, entry)) {
            entry.bitCount = 32;
        } else {
            entry.dib = ReadImageDib(in, entry);
            if (!entry.dib) return std::nullopt;
            if (entry.bitCount == 0) entry.bitCount = entry.dib->bitCount;  // many writers leave it 0
        }
        entries.push_back(entry);
    }
    return entries;
}

bool Better(const IconEntry& a, const IconEntry& b) {
    const int distanceA = std::abs(a.width - kPreferredSize) + std::abs(a.height - kPreferredSize);
    const int distanceB = std::abs(b.width - kPreferredSize) + std::abs(b.height - kPreferredSize);
    if (distanceA != distanceB) return distanceA < distanceB;
    if (a.width * a.height != b.width * b.height) return a.width * a.height > b.width * b.height;
    return a.bitCount > b.bitCount;
}

std::vector<unsigned char> PlatformImage(const ByteReader& in, const IconEntry& entry) {
    const unsigned char* start = in.At(entry.offset);
    if (!entry.dib) return {start, start + entry.size};
    const PlainDibInfo info = PlainInfo(in, entry.offset, *entry.dib);
    const auto* head = reinterpret_cast<const unsigned char*>(&info);
    const unsigned char* rows = start + entry.dib->infoSize;
    std::vector<unsigned char> image(head, head + info.Size());
    image.insert(image.end(), rows, rows + RowBytes(*entry.dib));
    return image;
}

}  // namespace

std::optional<IconImage> ChooseIconImage(const ByteReader& in) {
    std::optional<std::vector<IconEntry>> entries = ReadDirectory(in);
    if (!entries) return std::nullopt;
    const IconEntry* best = &entries->front();
    for (const IconEntry& entry : *entries)
        if (Better(entry, *best)) best = &entry;
    return IconImage{best->width, best->height, PlatformImage(in, *best)};
}

}  // namespace picture
