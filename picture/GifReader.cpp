// GIF pictures through giflib, record by record up to the first frame, so
// that an animation's later frames are never read: the logical screen, fully
// transparent, with the frame's rows set into it (de-interlaced) in its colour
// table, the graphic control block's transparent colour left out, each row of
// the screen brought down to the drawn size as it is made.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "picture/AreaReducer.h"
#include "picture/RgbaReaders.h"

namespace picture {
namespace {

struct Source {
    std::span<const unsigned char> bytes;
    size_t at = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* into, int wanted) {
    auto* source = static_cast<Source*>(gif->UserData);
    const size_t n = std::min(size_t(wanted), source->bytes.size() - source->at);
    std::memcpy(into, source->bytes.data() + source->at, n);
    source->at += n;
    return int(n);
}

class GifFile {
public:
    explicit GifFile(Source& source) : gif_(DGifOpen(&source, ReadBytes, nullptr)) {}
    ~GifFile() {
        if (gif_) DGifCloseFile(gif_, nullptr);
    }
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;
    GifFileType* operator->() const { return gif_; }
    GifFileType* Get() const { return gif_; }  // null when the file is no GIF

private:
    GifFileType* gif_;
};

// The transparent colour a graphic control extension gives, or -1; the
// extension's other blocks are read past.
bool ReadExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    for (bool first = true; block; first = false) {
        GraphicsControlBlock control;
        if (first && code == GRAPHICS_EXT_FUNC_CODE && DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    }
    return true;
}

// The frame's rows, in the order interlacing stores them.
std::vector<int> RowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
    return rows;
}

}  // namespace

bool ReadGif(std::span<const unsigned char> file, RgbaCanvas& canvas, const RgbaLimits& limits, DrawnSize drawn) {
    Source source{file};
    GifFile gif(source);
    if (!gif.Get() || !Fits(uint64_t(gif->SWidth), uint64_t(gif->SHeight), limits)) return false;
    int transparent = NO_TRANSPARENT_COLOR;
    for (GifRecordType record;;) {
        if (DGifGetRecordType(gif.Get(), &record) != GIF_OK || record == TERMINATE_RECORD_TYPE) return false;
        if (record == IMAGE_DESC_RECORD_TYPE) break;
        if (record == EXTENSION_RECORD_TYPE && !ReadExtension(gif.Get(), transparent)) return false;
    }
    if (DGifGetImageDesc(gif.Get()) != GIF_OK) return false;
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colours || !Fits(uint64_t(std::max(frame.Width, 0)), uint64_t(std::max(frame.Height, 0)), limits)) return false;

    const int width = gif->SWidth, height = gif->SHeight;
    const DrawnSize size = ReducedSize(width, height, drawn);
    unsigned char* target = canvas.Rows(size.width, size.height);
    if (!target) return false;
    AreaReducer reducer(width, height, size.width, size.height, target);
    // An interlaced frame's rows come in passes: they are gathered first.
    const size_t frameWidth = size_t(frame.Width);
    std::vector<GifPixelType> indices(frameWidth * (frame.Interlace ? size_t(frame.Height) : 1));
    if (frame.Interlace)
        for (int y : RowOrder(frame.Height, true))
            if (DGifGetLine(gif.Get(), &indices[frameWidth * size_t(y)], frame.Width) != GIF_OK) return false;
    std::vector<unsigned char> row(size_t(width) * 4);
    for (int y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), 0);
        const int frameY = y - frame.Top;
        if (frameY >= 0 && frameY < frame.Height) {
            const GifPixelType* line = &indices[frame.Interlace ? frameWidth * size_t(frameY) : 0];
            if (!frame.Interlace && DGifGetLine(gif.Get(), indices.data(), frame.Width) != GIF_OK) return false;
            for (int x = 0; x < frame.Width && frame.Left + x < width; ++x) {
                if (line[x] == transparent || line[x] >= colours->ColorCount) continue;
                const GifColorType& c = colours->Colors[line[x]];
                unsigned char* pixel = &row[size_t(frame.Left + x) * 4];
                pixel[0] = c.Blue, pixel[1] = c.Green, pixel[2] = c.Red, pixel[3] = 255;
            }
        }
        reducer.AddRow(row.data(), 4);
    }
    return true;
}

}  // namespace picture
