// Mutation operators on picture files. Besides blind damage (truncation,
// flipped bytes, moved chunks) they find the size, count and offset fields of
// each format in the file at hand and make them lie, which is what reaches
// a decoder's arithmetic and allocations.
#include <algorithm>
#include <iterator>

#include "robustness/Robustness.h"

namespace robustness {
namespace {

using Format = Mutator::Format;

struct Field {
    size_t offset;
    int size;  // 1, 2 or 4 bytes
    bool bigEndian = false;
};

uint32_t Read(const std::string& b, const Field& f) {
    uint32_t v = 0;
    for (int i = 0; i < f.size; ++i) {
        int shift = f.bigEndian ? 8 * (f.size - 1 - i) : 8 * i;
        v |= uint32_t(static_cast<unsigned char>(b[f.offset + i])) << shift;
    }
    return v;
}

void Write(std::string& b, const Field& f, uint32_t v) {
    for (int i = 0; i < f.size; ++i) {
        int shift = f.bigEndian ? 8 * (f.size - 1 - i) : 8 * i;
        b[f.offset + i] = char(v >> shift);
    }
}

class FieldList {
public:
    explicit FieldList(const std::string& bytes) : bytes_(bytes) {}
    void Add(size_t offset, int size, bool bigEndian = false) {
        if (offset + size <= bytes_.size()) fields.push_back({offset, size, bigEndian});
    }
    uint32_t Get(size_t offset, int size, bool bigEndian = false) const {
        return offset + size <= bytes_.size() ? Read(bytes_, {offset, size, bigEndian}) : 0;
    }
    std::vector<Field> fields;

private:
    const std::string& bytes_;
};

void BitmapFields(FieldList& l) {
    // bfSize, bfOffBits, biSize, width, height, planes, bit count, compression, image size, colours used.
    const std::pair<size_t, int> fixed[] = {{2, 4},  {10, 4}, {14, 4}, {18, 4}, {22, 4},
                                            {26, 2}, {28, 2}, {30, 4}, {34, 4}, {46, 4}};
    for (auto [offset, size] : fixed) l.Add(offset, size);
    l.Add(18, 2), l.Add(20, 2), l.Add(22, 2);  // the 16-bit fields of the small header
}

void IconFields(FieldList& l) {
    l.Add(2, 2), l.Add(4, 2);  // type, count
    uint32_t count = std::min<uint32_t>(l.Get(4, 2), 8);
    for (uint32_t i = 0; i < count; ++i) {
        size_t e = 6 + 16 * i;
        for (size_t o : {0, 1, 2}) l.Add(e + o, 1);
        l.Add(e + 4, 2), l.Add(e + 6, 2), l.Add(e + 8, 4), l.Add(e + 12, 4);
        size_t image = l.Get(e + 12, 4);  // the image's own header
        for (size_t o : {0, 4, 8, 16, 32}) l.Add(image + o, 4);
        l.Add(image + 12, 2), l.Add(image + 14, 2);
    }
}

void JpegFields(FieldList& l, size_t size) {
    for (size_t at = 2; at + 4 <= size;) {
        if (l.Get(at, 1) != 0xFF) break;
        uint32_t marker = l.Get(at + 1, 1);
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        if (marker == 0xD9) break;
        l.Add(at + 2, 2, true);  // segment length
        if ((marker >= 0xC0 && marker <= 0xCF) && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            l.Add(at + 4, 1), l.Add(at + 5, 2, true), l.Add(at + 7, 2, true), l.Add(at + 9, 1);  // precision, height, width, components
            for (size_t c = 0; c < 4; ++c) l.Add(at + 11 + 3 * c, 1), l.Add(at + 12 + 3 * c, 1);
        } else if (marker == 0xDA) {
            l.Add(at + 4, 1);
            uint32_t n = l.Get(at + 4, 1);
            l.Add(at + 5 + 2 * n, 1), l.Add(at + 6 + 2 * n, 1), l.Add(at + 7 + 2 * n, 1);  // spectral range, approximation
            for (uint32_t c = 0; c < n && c < 4; ++c) l.Add(at + 6 + 2 * c, 1);  // table choices
            break;  // entropy-coded data follows
        } else if (marker == 0xC4 || marker == 0xDB || marker == 0xDD) {
            for (size_t o = 4; o < 21; ++o) l.Add(at + o, 1);  // table class, counts, intervals
        }
        at += 2 + l.Get(at + 2, 2, true);
    }
}

void PngFields(FieldList& l, size_t size) {
    for (size_t o : {16, 20}) l.Add(o, 4, true);        // width, height
    for (size_t o = 24; o < 29; ++o) l.Add(o, 1);       // depth, colour type, methods, interlacing
    for (size_t at = 8, chunks = 0; at + 8 <= size && chunks < 16; ++chunks) {
        l.Add(at, 4, true);                             // each chunk's length
        at += 12 + l.Get(at, 4, true);
    }
}

void GifFields(FieldList& l, const std::string& bytes) {
    l.Add(6, 2), l.Add(8, 2), l.Add(10, 1);      // the screen and its colour table
    const size_t image = bytes.find(',', 13);  // the first frame's descriptor, near enough
    if (image == std::string::npos) return;
    for (size_t o : {1, 3, 5, 7}) l.Add(image + o, 2);
    l.Add(image + 9, 1);
}

void EnhancedFields(FieldList& l, size_t size) {
    for (size_t o = 4; o < 88; o += 4) l.Add(o, 4);  // the whole header
    l.Add(56, 2), l.Add(58, 2);
    size_t records = 0;
    for (size_t at = l.Get(4, 4); at + 8 <= size && records < 64; ++records) {
        uint32_t recordSize = l.Get(at + 4, 4);
        for (size_t o = 0; o < 48 && o < recordSize; o += 4) l.Add(at + o, 4);
        if (recordSize < 8) break;
        at += recordSize;
    }
}

void WindowsFields(FieldList& l, size_t start, size_t size) {
    l.Add(start, 2), l.Add(start + 2, 2), l.Add(start + 4, 2), l.Add(start + 6, 4), l.Add(start + 10, 2),
        l.Add(start + 12, 4);
    size_t records = 0;
    for (size_t at = start + 18; at + 6 <= size && records < 64; ++records) {
        uint64_t recordSize = uint64_t(l.Get(at, 4)) * 2;
        l.Add(at, 4), l.Add(at + 4, 2);
        for (size_t o = 6; o < 18 && o < recordSize; o += 2) l.Add(at + o, 2);
        if (recordSize < 6) break;
        at += recordSize;
    }
}

std::vector<Field> FieldsOf(const std::string& bytes, Format format) {
    FieldList l(bytes);
    switch (format) {
    case Format::Bitmap: BitmapFields(l); break;
    case Format::Icon: IconFields(l); break;
    case Format::Jpeg: JpegFields(l, bytes.size()); break;
    case Format::Enhanced: EnhancedFields(l, bytes.size()); break;
    case Format::Windows: WindowsFields(l, 0, bytes.size()); break;
    case Format::Placeable:
        for (size_t o : {6, 8, 10, 12, 14}) l.Add(o, 2);  // bounding box, units per inch
        WindowsFields(l, 22, bytes.size());
        break;
    case Format::Png: PngFields(l, bytes.size()); break;
    case Format::Webp:
        l.Add(4, 4), l.Add(16, 4);  // the RIFF and first chunk sizes, then its header
        for (size_t o = 20; o < 30; ++o) l.Add(o, 1);
        break;
    case Format::Gif: GifFields(l, bytes); break;
    }
    return l.fields;
}

// A lie for a field: zero, one, sign bits, all bits, near the file size, off by one.
uint32_t Lie(Mutator& m, uint32_t old, size_t fileSize) {
    const uint32_t lies[] = {0,          1,          2,          0x7F,       0x80,      0xFF,
                             0x7FFF,     0x8000,     0xFFFF,     0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                             uint32_t(fileSize), uint32_t(fileSize + 1), uint32_t(fileSize - 1), old * 2,
                             old + 1,    old - 1,    old * 1000, uint32_t(m.Random()())};
    return lies[m.Below(std::size(lies))];
}

std::string FieldLies(Mutator& m, std::string& b, Format format) {
    std::vector<Field> fields = FieldsOf(b, format);
    if (fields.empty()) return "(no fields)";
    std::string how;
    size_t n = 1 + m.Below(3);
    for (size_t i = 0; i < n; ++i) {
        const Field& f = fields[m.Below(fields.size())];
        uint32_t value = Lie(m, Read(b, f), b.size());
        Write(b, f, value);
        how += " @" + std::to_string(f.offset) + "=" + std::to_string(Read(b, f));
    }
    return how;
}

std::string RandomChunk(Mutator& m, size_t size) {
    std::string junk(size, '\0');
    for (char& c : junk) c = char(m.Below(256));
    return junk;
}

}  // namespace

Mutant Mutator::Picture(const std::string& base, Format format) {
    Mutant mutant{base, ""};
    std::string& b = mutant.bytes;
    size_t ops = 1 + Below(2);
    for (size_t i = 0; i < ops && !b.empty(); ++i) {
        if (i) mutant.how += "; ";
        switch (Below(7)) {
        case 0:
        case 1:
        case 2:  // the most telling kind gets the most cases
            mutant.how += "fields" + FieldLies(*this, b, format);
            break;
        case 3:
            b.resize(Below(b.size()));
            mutant.how += "truncate " + std::to_string(b.size());
            break;
        case 4: {
            size_t n = 1 + Below(16);
            for (size_t k = 0; k < n; ++k) b[Below(b.size())] = char(Below(256));
            mutant.how += "flip " + std::to_string(n);
            break;
        }
        case 5: {
            size_t at = Below(b.size()), length = std::min(b.size() - at, 1 + Below(64));
            b.replace(at, length, length, Below(2) ? '\0' : '\xFF');
            mutant.how += "fill " + std::to_string(at) + "+" + std::to_string(length);
            break;
        }
        default: {
            size_t at = Below(b.size() + 1);
            std::string chunk = Below(2) ? RandomChunk(*this, 1 + Below(64)) : b.substr(Below(b.size()), 1 + Below(64));
            b.insert(at, chunk);
            mutant.how += "insert " + std::to_string(chunk.size()) + " at " + std::to_string(at);
            break;
        }
        }
    }
    return mutant;
}

}  // namespace robustness
