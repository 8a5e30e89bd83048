// Metafiles: the bytes handed to GDI lie inside the file, and walking them
// record by record by their own size fields stays inside them and meets the
// end record, so playback never reads past what it was given.
#include <cstddef>
#include <cstdint>

#include "fuzz/Invariant.h"
#include "picture/MetafileHeaders.h"

namespace {

using picture::ByteReader;

void CheckEnhanced(const ByteReader& in, uint32_t total) {
    INVARIANT(total <= in.Size());
    size_t at = in.U32(4);  // past the header record
    for (;;) {
        INVARIANT(at + 8 <= total);
        const uint32_t type = in.U32(at), size = in.U32(at + 4);
        INVARIANT(size >= 8 && size % 4 == 0 && size <= total - at);
        if (type == EMR_EOF) return;
        at += size;
    }
}

void CheckWindows(const ByteReader& in, const picture::WindowsMetafile& metafile) {
    INVARIANT(metafile.start + metafile.bytes <= in.Size());
    if (metafile.placedSize)
        INVARIANT(metafile.placedSize->cx > 0 && metafile.placedSize->cy > 0 && metafile.unitsPerInch > 0);
    const size_t end = metafile.start + metafile.bytes;
    size_t at = metafile.start + 18;  // past the METAHEADER
    for (;;) {
        INVARIANT(at + 6 <= end);
        const uint64_t size = uint64_t(in.U32(at)) * 2;
        INVARIANT(size >= 6 && size <= end - at);
        if (in.U16(at + 4) == 0) return;  // the end record
        at += size_t(size);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteReader in({data, size});
    // The decoder reads a file as one kind or the other; both checks see every input.
    if (picture::IsEnhancedMetafile(in)) {
        if (const std::optional<uint32_t> total = picture::EnhancedMetafileBytes(in)) CheckEnhanced(in, *total);
    }
    if (const std::optional<picture::WindowsMetafile> metafile = picture::ReadWindowsMetafile(in))
        CheckWindows(in, *metafile);
    return 0;
}
