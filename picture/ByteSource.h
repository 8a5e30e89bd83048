// A picture file's bytes as a decoder reads them: bytes in memory, or a file
// read a block at a time (the platform's part), so that a large JPEG or PNG
// file is never held whole. Portable.
#pragma once
#include <cstdint>
#include <cstring>
#include <span>

namespace picture {

class ByteSource {
public:
    virtual uint64_t Size() const = 0;
    // The n bytes at offset into buffer; false when they cannot all be read.
    virtual bool ReadAt(uint64_t offset, unsigned char* buffer, size_t n) = 0;

protected:
    ~ByteSource() = default;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(uint64_t offset, unsigned char* buffer, size_t n) override {
        if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
        std::memcpy(buffer, bytes_.data() + offset, n);
        return true;
    }

private:
    std::span<const unsigned char> bytes_;
};

}  // namespace picture
