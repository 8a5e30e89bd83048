#include "picture/MetafileDecoderRecords.h"

#include <cstdlib>
#include <iterator>
#include <optional>

#include "picture/DibHeader.h"

namespace picture {
namespace {

// One record: offsets are from the record's start.
class Record {
public:
    Record(const ByteReader& in, size_t at, size_t size) : in_(in), at_(at), size_(size) {}
    size_t Size() const { return size_; }
    uint16_t U16(size_t offset) const { return offset + 2 <= size_ ? in_.U16(at_ + offset) : 0; }
    uint32_t U32(size_t offset) const { return offset + 4 <= size_ ? in_.U32(at_ + offset) : 0; }
    bool Fits(uint64_t offset, uint64_t count) const { return offset <= size_ && count <= size_ - offset; }
    const ByteReader& Bytes() const { return in_; }
    size_t At() const { return at_; }

private:
    const ByteReader& in_;
    size_t at_;
    size_t size_;
};

// DIB_PAL_INDICES: the usage of a bitmap that comes without a colour table.
constexpr uint32_t kDibPaletteIndices = 2;

// What a record's usage field says of the colour table after a BITMAPINFO:
// colours, or two-byte indices into the selected palette (DIB_PAL_COLORS).
// A monochrome brush has none: the text and background colours paint it.
DibColours TableFor(uint32_t usage) {
    return usage == DIB_PAL_COLORS ? DibColours::PaletteIndices : DibColours::Rgb;
}

// GDI records monochrome brushes and blit masks with DIB_PAL_INDICES and no
// colour table; any other usage keeps the table the record would have had.
DibColours MonochromeTable(uint32_t usage, DibColours otherwise) {
    return usage == kDibPaletteIndices ? DibColours::None : otherwise;
}

// A record's bitmap at info within `available` bytes; without a colour table
// only one bit deep, the only depth that can be painted without one.
std::optional<DibHeader> ReadRecordBitmap(const ByteReader& in, size_t info, uint64_t available, DibColours table) {
    std::optional<DibHeader> dib = ReadDibHeader(in, info, available, table);
    if (dib && table == DibColours::None && dib->bitCount != 1) return std::nullopt;
    return dib;
}

// --- Enhanced metafiles -----------------------------------------------------

// Smallest size of each record kind, by type; 0 for kinds that are refused.
constexpr uint16_t kEnhancedMinimum[] = {
    0,   0,   28,  28,  28,  28,  28,  32,  32,  16,   // 0-9
    16,  16,  16,  16,  20,  20,  12,  12,  12,  12,   // 10-19
    12,  12,  12,  32,  12,  12,  16,  16,  8,   24,   // 20-29
    24,  24,  24,  8,   12,  32,  36,  12,  28,  24,   // 30-39
    12,  28,  24,  24,  32,  40,  40,  40,  12,  16,   // 40-49
    20,  16,  8,   24,  16,  40,  28,  12,  12,  8,    // 50-59
    8,   8,   24,  24,  24,  8,   8,   12,  8,   0,    // 60-69
    12,  32,  40,  28,  28,  16,  100, 108, 128, 140,  // 70-79
    76,  80,  104, 76,  76,  28,  28,  28,  28,  28,   // 80-89
    32,  32,  28,  32,  32,  52,  40,  40,  12,  0,    // 90-99
    0,   0,   0,   0,   48,  0,   0,   0,   0,   0,    // 100-109
    0,   24,  0,   0,   108, 12,  108, 0,   36,  0,    // 110-119
    16,                                                // 120
};

class EnhancedRecord : public Record {
public:
    EnhancedRecord(const ByteReader& in, size_t at, size_t size, unsigned handles)
        : Record(in, at, size), handles_(handles) {}

    bool Handle(size_t offset, bool stockAllowed) const {
        const uint32_t slot = U32(offset);
        return (stockAllowed && (slot & 0x80000000u)) || slot < handles_;
    }
    // count points of pointSize bytes at offset.
    bool Points(size_t countOffset, size_t pointsOffset, uint64_t pointSize, uint64_t extraPerPoint = 0) const {
        return Fits(pointsOffset, uint64_t(U32(countOffset)) * (pointSize + extraPerPoint));
    }
    bool PolyPoints(uint64_t pointSize) const {
        const uint64_t polygons = U32(24), points = U32(28);
        if (!Fits(32, polygons * 4 + points * pointSize)) return false;
        uint64_t sum = 0;
        for (uint64_t i = 0; i < polygons; ++i) sum += U32(32 + size_t(i) * 4);
        return sum == points;
    }
    // RGNDATA: a 32-byte header and its rectangles.
    bool Region(size_t sizeOffset, size_t dataOffset, bool mayBeEmpty) const {
        const uint32_t size = U32(sizeOffset);
        if (size == 0) return mayBeEmpty;
        return Fits(dataOffset, size) && size >= 32 && U32(dataOffset) == 32 &&
               32 + uint64_t(U32(dataOffset + 8)) * 16 <= size;
    }
    // The offsets and sizes of a BITMAPINFO and its pixels, at four consecutive fields.
    bool Bitmap(size_t fields, DibColours table, bool required, uint64_t rows = UINT64_MAX) const {
        const uint32_t infoOffset = U32(fields), infoSize = U32(fields + 4);
        const uint32_t bitsOffset = U32(fields + 8), bitsSize = U32(fields + 12);
        if (infoSize == 0) return !required;
        if (!Fits(infoOffset, infoSize) || !Fits(bitsOffset, bitsSize)) return false;
        std::optional<DibHeader> dib = ReadRecordBitmap(Bytes(), At() + infoOffset, infoSize, table);
        return dib && DibPixelsFit(*dib, bitsSize, rows);
    }
    // EMRTEXT at offset: the string and the character spacings it points to.
    bool Text(size_t offset, bool wide) const {
        const uint64_t chars = U32(offset + 8);
        const uint64_t spacing = U32(offset + 16) & ETO_PDY ? 8 : 4;
        return Fits(U32(offset + 12), chars * (wide ? 2 : 1)) && Fits(U32(offset + 36), chars * spacing);
    }
    bool Gradient() const {
        const uint64_t vertices = U32(24), items = U32(28);
        const uint32_t mode = U32(32);
        if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V && mode != GRADIENT_FILL_TRIANGLE)
            return false;
        const uint64_t corners = mode == GRADIENT_FILL_TRIANGLE ? 3 : 2;
        if (!Fits(36, vertices * 16 + items * corners * 4)) return false;
        for (uint64_t i = 0; i < items * corners; ++i)
            if (U32(size_t(36 + vertices * 16 + i * 4)) >= vertices) return false;
        return true;
    }

private:
    unsigned handles_;
};

bool EnhancedRecordIsSound(const EnhancedRecord& r, uint32_t type) {
    if (type >= std::size(kEnhancedMinimum) || kEnhancedMinimum[type] == 0 || r.Size() < kEnhancedMinimum[type])
        return false;
    const DibColours blitTable = TableFor(r.U32(80));  // iUsageSrc of the blit records
    switch (type) {
    case EMR_POLYBEZIER: case EMR_POLYGON: case EMR_POLYLINE: case EMR_POLYBEZIERTO: case EMR_POLYLINETO:
        return r.Points(24, 28, 8);
    case EMR_POLYBEZIER16: case EMR_POLYGON16: case EMR_POLYLINE16: case EMR_POLYBEZIERTO16: case EMR_POLYLINETO16:
        return r.Points(24, 28, 4);
    case EMR_POLYPOLYLINE: case EMR_POLYPOLYGON: return r.PolyPoints(8);
    case EMR_POLYPOLYLINE16: case EMR_POLYPOLYGON16: return r.PolyPoints(4);
    case EMR_POLYDRAW: return r.Points(24, 28, 8, 1);
    case EMR_POLYDRAW16: return r.Points(24, 28, 4, 1);
    case EMR_EOF: return r.U32(8) == 0 || r.Fits(r.U32(12), uint64_t(r.U32(8)) * 4);
    case EMR_SELECTOBJECT: case EMR_SELECTPALETTE: return r.Handle(8, true);
    case EMR_DELETEOBJECT: case EMR_CREATEPEN: case EMR_CREATEBRUSHINDIRECT: case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_RESIZEPALETTE:
        return r.Handle(8, false);
    case EMR_CREATEPALETTE: return r.Handle(8, false) && r.Fits(16, uint64_t(r.U16(14)) * 4);
    case EMR_SETPALETTEENTRIES: return r.Handle(8, false) && r.Points(16, 20, 4);
    case EMR_GDICOMMENT: return r.Fits(12, r.U32(8));
    case EMR_FILLRGN: return r.Handle(28, true) && r.Region(24, 32, false);
    case EMR_FRAMERGN: return r.Handle(28, true) && r.Region(24, 40, false);
    case EMR_INVERTRGN: case EMR_PAINTRGN: return r.Region(24, 28, false);
    case EMR_EXTSELECTCLIPRGN: return r.Region(8, 16, true);
    case EMR_BITBLT: case EMR_STRETCHBLT: return r.Bitmap(84, blitTable, false);
    case EMR_ALPHABLEND: case EMR_TRANSPARENTBLT: return r.Bitmap(84, blitTable, true);
    case EMR_MASKBLT:
        return r.Bitmap(84, blitTable, false) && r.Bitmap(112, MonochromeTable(r.U32(108), DibColours::Rgb), false);
    case EMR_PLGBLT:
        return r.Bitmap(96, TableFor(r.U32(92)), false) &&
               r.Bitmap(124, MonochromeTable(r.U32(120), DibColours::Rgb), false);
    case EMR_SETDIBITSTODEVICE: return r.Bitmap(48, TableFor(r.U32(64)), true, r.U32(72));
    case EMR_STRETCHDIBITS: return r.Bitmap(48, TableFor(r.U32(64)), true);
    case EMR_CREATEDIBPATTERNBRUSHPT: return r.Handle(8, false) && r.Bitmap(16, TableFor(r.U32(12)), true);
    case EMR_CREATEMONOBRUSH:
        return r.Handle(8, false) && r.Bitmap(16, MonochromeTable(r.U32(12), TableFor(r.U32(12))), true);
    case EMR_EXTCREATEPEN:
        return r.Handle(8, false) && r.Points(48, 52, 4) && r.Bitmap(12, DibColours::Rgb, false);
    case EMR_EXTTEXTOUTA: return r.Text(36, false);
    case EMR_EXTTEXTOUTW: return r.Text(36, true);
    case EMR_POLYTEXTOUTA: case EMR_POLYTEXTOUTW: {
        const uint64_t strings = r.U32(36);
        if (!r.Fits(40, strings * 40)) return false;
        for (uint64_t i = 0; i < strings; ++i)
            if (!r.Text(size_t(40 + i * 40), type == EMR_POLYTEXTOUTW)) return false;
        return true;
    }
    case EMR_GRADIENTFILL: return r.Gradient();
    default: return true;  // fixed size, checked above
    }
}

// --- Windows metafiles ------------------------------------------------------

// Sizes and handle slots are counted in 16-bit parameters after the six-byte
// record head (size in words, function).
class WindowsRecord : public Record {
public:
    WindowsRecord(const ByteReader& in, size_t at, size_t size, unsigned objects)
        : Record(in, at, size), objects_(objects) {}
    uint64_t Params() const { return (Size() - 6) / 2; }
    uint16_t P(uint64_t i) const { return U16(size_t(6 + i * 2)); }
    bool Slot(uint64_t i) const { return i < Params() && P(i) < objects_; }
    // A BITMAPINFO followed directly by its pixels, from parameter i to the record's end.
    bool PackedBitmap(uint64_t i, DibColours table, uint64_t rows = UINT64_MAX) const {
        if (i >= Params()) return false;
        const size_t offset = size_t(6 + i * 2);
        const uint64_t rest = Size() - offset;
        std::optional<DibHeader> dib = ReadRecordBitmap(Bytes(), At() + offset, rest, table);
        return dib && DibPixelsFit(*dib, rest - dib->infoSize, rows);
    }
    // A LOGFONT16's face name is read up to its terminating zero or 32 bytes.
    bool FaceName(uint64_t i) const {
        const size_t start = size_t(6 + i * 2);
        if (start > Size()) return false;
        if (Size() - start >= LF_FACESIZE) return true;
        for (size_t at = start; at < Size(); ++at)
            if (Bytes().U8(At() + at) == 0) return true;
        return false;
    }
    bool RegionScans() const {
        if (Params() < 11) return false;
        uint64_t i = 11;
        for (unsigned scan = 0; scan < P(5); ++scan) {
            if (i >= Params()) return false;
            const uint64_t coordinates = P(i);
            if (i + coordinates + 3 >= Params()) return false;
            i += coordinates + 4;  // count, top, bottom, coordinates, count again
        }
        return true;
    }

private:
    unsigned objects_;
};

// Records whose parameters are all fixed: the high byte of the function
// number is their count.
constexpr uint16_t kFixedWindowsRecords[] = {
    0x001E, 0x0035, 0x0102, 0x0103, 0x0104, 0x0105, 0x0106, 0x0107, 0x0108, 0x0127, 0x012E, 0x0139,
    0x0149, 0x0201, 0x0209, 0x020A, 0x020B, 0x020C, 0x020D, 0x020E, 0x020F, 0x0211, 0x0213, 0x0214,
    0x0220, 0x0231, 0x0410, 0x0412, 0x0415, 0x0416, 0x0418, 0x0419, 0x041B, 0x041F, 0x0548, 0x061C,
    0x061D, 0x0817, 0x081A, 0x0830,
};

bool WindowsRecordIsSound(const WindowsRecord& r, uint16_t function) {
    const uint64_t n = r.Params();
    for (uint16_t fixed : kFixedWindowsRecords)
        if (function == fixed) return n >= uint64_t(function >> 8);
    switch (function) {
    case 0x0324: case 0x0325:  // POLYGON, POLYLINE
        return n >= 1 + 2 * uint64_t(r.P(0));
    case 0x0538: {  // POLYPOLYGON
        const uint64_t polygons = r.P(0);
        if (n < 1 + polygons) return false;
        uint64_t points = 0;
        for (uint64_t i = 0; i < polygons; ++i) points += r.P(1 + i);
        return n >= 1 + polygons + 2 * points;
    }
    case 0x0521:  // TEXTOUT: length, string, y, x
        return n >= 1 + (uint64_t(r.P(0)) + 1) / 2 + 2;
    case 0x0A32: {  // EXTTEXTOUT: y, x, length, options, [rectangle], string, [spacings]
        if (n < 4) return false;
        const uint64_t rectangle = r.P(3) & (ETO_OPAQUE | ETO_CLIPPED) ? 4 : 0;
        return n >= 4 + rectangle + (uint64_t(r.P(2)) + 1) / 2;
    }
    case 0x0626:  // ESCAPE: function, byte count, data
        return n >= 2 && n >= 2 + (uint64_t(r.P(1)) + 1) / 2;
    case 0x0940:  // DIBBITBLT, with a bitmap after eight parameters or none after nine
        return n > 9 ? r.PackedBitmap(8, DibColours::Rgb) : n == 9;
    case 0x0B41:  // DIBSTRETCHBLT, likewise after ten or none after eleven
        return n > 11 ? r.PackedBitmap(10, DibColours::Rgb) : n == 11;
    case 0x0F43:  // STRETCHDIB
        return n > 11 && r.PackedBitmap(11, TableFor(r.P(2)));
    case 0x0D33:  // SETDIBTODEV, scan count second
        return n > 9 && r.PackedBitmap(9, TableFor(r.P(0)), r.P(1));
    case 0x0142:  // DIBCREATEPATTERNBRUSH
        return n > 2 && r.PackedBitmap(2, TableFor(r.P(1)));
    case 0x02FA:  // CREATEPENINDIRECT
        return n >= 5;
    case 0x02FC:  // CREATEBRUSHINDIRECT: only styles that need no bitmap handle
        return n >= 4 && (r.P(0) == BS_SOLID || r.P(0) == BS_NULL || r.P(0) == BS_HATCHED);
    case 0x02FB:  // CREATEFONTINDIRECT
        return n >= 9 && r.FaceName(9);
    case 0x00F7:  // CREATEPALETTE: version, count, entries
        return n >= 2 && n >= 2 + 2 * uint64_t(r.P(1));
    case 0x0037: case 0x0436:  // SETPALENTRIES, ANIMATEPALETTE: start, count, entries
        return n >= 2 && n >= 2 + 2 * uint64_t(r.P(1));
    case 0x06FF:  // CREATEREGION
        return r.RegionScans();
    case 0x012D: case 0x01F0: case 0x012C: case 0x012A: case 0x012B:  // select, delete, regions
        return r.Slot(0);
    case 0x0234:  // SELECTPALETTE
        return r.Slot(0) && (n < 2 || r.Slot(1));
    case 0x0228:  // FILLREGION
        return r.Slot(0) && r.Slot(1);
    case 0x0429:  // FRAMEREGION
        return n >= 4 && r.Slot(0) && r.Slot(1);
    default:
        return false;
    }
}

constexpr uint16_t kWindowsEndOfFile = 0x0000;
constexpr uint16_t kSetWindowExtent = 0x020C;

}  // namespace

bool EnhancedRecordsAreSound(const ByteReader& in, size_t headerSize, size_t total, unsigned handles) {
    for (size_t at = headerSize; at < total;) {
        const uint32_t type = in.U32(at);
        const uint32_t size = in.U32(at + 4);
        if (total - at < 8 || size < 8 || size % 4 || size > total - at) return false;
        if (!EnhancedRecordIsSound(EnhancedRecord(in, at, size, handles), type)) return false;
        if (type == EMR_EOF) return true;
        at += size;
    }
    return false;
}

WindowsRecordScan ScanWindowsRecords(const ByteReader& in, size_t start, size_t end, unsigned objects) {
    WindowsRecordScan scan;
    for (size_t at = start; at < end;) {
        if (end - at < 6) return scan;
        const uint64_t size = uint64_t(in.U32(at)) * 2;
        const uint16_t function = in.U16(at + 4);
        if (size < 6 || size > end - at) return scan;
        if (function == kWindowsEndOfFile) {
            scan.sound = true;
            return scan;
        }
        WindowsRecord record(in, at, size_t(size), objects);
        if (!WindowsRecordIsSound(record, function)) return scan;
        if (function == kSetWindowExtent && !scan.windowExtent)
            scan.windowExtent = SIZE{std::abs(int16_t(record.P(1))), std::abs(int16_t(record.P(0)))};  // y first
        at += size_t(size);
    }
    return scan;
}

}  // namespace picture
