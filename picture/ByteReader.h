// Bounds-checked little-endian reads from a file held in memory, for the
// decoders that validate headers before handing data to the platform.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace picture {

class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    size_t Size() const { return bytes_.size(); }
    const unsigned char* At(size_t offset) const { return bytes_.data() + offset; }
    // True when [offset, offset + count) lies inside the bytes; no overflow.
    bool Has(uint64_t offset, uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    // Reads outside the bytes give 0; callers check Has() first, this only
    // keeps a missed check from reading foreign memory.
    uint8_t U8(size_t offset) const { return Has(offset, 1) ? bytes_[offset] : 0; }
    uint16_t U16(size_t offset) const {
        return Has(offset, 2) ? uint16_t(bytes_[offset] | bytes_[offset + 1] << 8) : 0;
    }
    uint32_t U32(size_t offset) const {
        return Has(offset, 4) ? uint32_t(U16(offset)) | uint32_t(U16(offset + 2)) << 16 : 0;
    }
    int16_t I16(size_t offset) const { return int16_t(U16(offset)); }
    int32_t I32(size_t offset) const { return int32_t(U32(offset)); }

private:
    std::span<const unsigned char> bytes_;
};

}  // namespace picture
