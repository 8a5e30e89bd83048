#include "picture/BitmapFile.h"

namespace picture {
namespace {

constexpr size_t kFileHeaderSize = 14;

}  // namespace

std::optional<BitmapFile> ReadBitmapFile(const ByteReader& in) {
    if (!in.Has(0, kFileHeaderSize) || in.U8(0) != 'B' || in.U8(1) != 'M') return std::nullopt;
    const uint32_t bitsOffset = in.U32(10);
    if (bitsOffset <= kFileHeaderSize || bitsOffset >= in.Size()) return std::nullopt;
    std::optional<DibHeader> dib = ReadDibHeader(in, kFileHeaderSize, bitsOffset - kFileHeaderSize);
    if (!dib || !DibPixelsFit(*dib, in.Size() - bitsOffset)) return std::nullopt;  // truncated

    const uint64_t bitsSize = dib->IsRunLength() ? dib->compressedSize : dib->stride * dib->rows;
    return BitmapFile{*dib, PlainInfo(in, kFileHeaderSize, *dib), bitsOffset, size_t(bitsSize)};
}

}  // namespace picture
