// PNG pictures through libpng's row interface: every colour type, bit depth
// and palette transparency turned into blue, green, red and alpha, each row
// brought down to the drawn size as it is decoded, so that a large picture is
// never held whole (but for an interlaced one, whose rows are only whole
// after the last pass). libpng reports errors by longjmp to the setjmp in
// ReadRows(): no object with a destructor lives there.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <memory>
#include <vector>

#include "picture/AreaReducer.h"
#include "picture/RgbaReaders.h"

namespace picture {
namespace {

// The file as libpng reads it. Once the picture is whole, libpng reads on
// through the end chunk; a file that ends where a chunk would begin is
// whole without one.
struct Source {
    ByteSource* bytes;
    uint64_t at;
    bool pictureWhole = false;
    bool endedBetweenChunks = false;
};

void ReadBytes(png_structp png, png_bytep into, size_t wanted) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (!source->bytes->ReadAt(source->at, into, wanted)) {
        source->endedBetweenChunks = source->pictureWhole && (png_get_io_state(png) & PNG_IO_CHUNK_HDR) &&
                                     source->bytes->Size() - source->at < wanted;
        png_error(png, "cut short");
    }
    source->at += wanted;
}

void Quiet(png_structp, png_const_charp) {}

// What ReadRows() needs beyond the file, made before it and freed after it.
struct Decoding {
    RgbaCanvas& canvas;
    const RgbaLimits& limits;
    DrawnSize drawn;
    std::unique_ptr<AreaReducer> reducer;
    std::vector<unsigned char> row;    // one row, or the whole of an interlaced picture
    Source source;
};

bool ReadRows(ByteSource& file, Decoding& d) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, Quiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    unsigned char signature[8];
    if (!file.ReadAt(0, signature, 8) || png_sig_cmp(signature, 0, 8)) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return d.source.endedBetweenChunks;
    }
    png_set_read_fn(png, &d.source, ReadBytes);
    png_set_sig_bytes(png, 8);
    // libpng allocates a chunk's length, as its header gives it, before it
    // reads the chunk: none can be longer than the file.
    png_set_chunk_malloc_max(png, size_t(std::min<uint64_t>(file.Size(), png_get_chunk_malloc_max(png))));
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (!Fits(width, height, d.limits)) png_error(png, "too large");
    png_set_expand(png);  // palettes and transparency to RGBA, small greys to 8 bits
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const DrawnSize size = ReducedSize(int(width), int(height), d.drawn);
    unsigned char* target = d.canvas.Rows(size.width, size.height);
    if (!target) png_error(png, "no room");
    d.reducer = std::make_unique<AreaReducer>(int(width), int(height), size.width, size.height, target);
    const size_t stride = size_t(width) * 4;
    d.row.resize(passes > 1 ? stride * height : stride);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y) {
            unsigned char* row = d.row.data() + (passes > 1 ? stride * y : 0);
            png_read_row(png, row, nullptr);
            if (passes == 1) d.reducer->AddRow(row, 4);
        }
    if (passes > 1)
        for (png_uint_32 y = 0; y < height; ++y) d.reducer->AddRow(d.row.data() + stride * y, 4);
    d.source.pictureWhole = true;
    png_read_end(png, nullptr);  // every chunk after the picture lies inside the file
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

bool ReadPng(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    MemorySource bytes(file);
    return ReadPng(bytes, canvas, limits, drawn);
}

bool ReadPng(ByteSource& file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    Decoding decoding{canvas, limits, drawn, nullptr, {}, {&file, 8}};
    return ReadRows(file, decoding);
}

}  // namespace picture
