// Loading a picture file: its extension chooses the decoder, which reads the
// file a block at a time or, for the formats that need it, whole.
#include "picture/Picture.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "base/Paths.h"
#include "picture/Decoders.h"
#include "ui/Handles.h"

namespace picture {
namespace {

// No picture meant for a pane comes near this; larger files are refused unread.
constexpr uint64_t kMaxFileSize = 256ull << 20;

// A decoder takes the whole file's bytes, or reads the file a block at a time.
struct Decoder {
    FileFormat format;
    ui::Graphic (*fromBytes)(Bytes file, DrawnSize drawn);
    ui::Graphic (*fromFile)(ByteSource& file, DrawnSize drawn);
    PictureError (*tooLarge)();
    bool reducible;  // kept at the size drawn where larger
};

const Decoder kDecoders[] = {
    {FileFormat::Bitmap, DecodeBitmap, nullptr, InvalidBitmap, false},
    {FileFormat::Icon, DecodeIcon, nullptr, InvalidIcon, false},
    {FileFormat::Metafile, DecodeMetafile, nullptr, InvalidMetafile, false},
    {FileFormat::Jpeg, nullptr, DecodeJpeg, JpegTooBig, true},
    {FileFormat::Png, nullptr, DecodePng, InvalidPng, true},
    {FileFormat::Webp, nullptr, DecodeWebp, InvalidWebp, true},
    {FileFormat::Gif, DecodeGif, nullptr, InvalidGif, true},
};

const Decoder& DecoderOf(FileFormat format) {
    for (const Decoder& decoder : kDecoders)
        if (decoder.format == format) return decoder;
    throw std::invalid_argument("no decoder for that picture format");
}

struct ExtensionFormat {
    std::string_view extension;
    FileFormat format;
};

const ExtensionFormat kExtensions[] = {
    {"bmp", FileFormat::Bitmap},   {"ico", FileFormat::Icon}, {"wmf", FileFormat::Metafile},
    {"emf", FileFormat::Metafile}, {"jpg", FileFormat::Jpeg}, {"jpeg", FileFormat::Jpeg},
    {"png", FileFormat::Png},      {"webp", FileFormat::Webp}, {"gif", FileFormat::Gif},
};

// The text after the last "." of the file name, as written; "" when there is none.
std::wstring Extension(const base::Path& path) {
    std::wstring extension = base::ExtensionOf(path);
    return extension.empty() ? extension : extension.substr(1);
}

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

// Only ASCII letters are folded: no other character can stand for one.
bool EqualsIgnoringCase(std::wstring_view text, std::string_view lowerAscii) {
    if (text.size() != lowerAscii.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != wchar_t(lowerAscii[i])) return false;
    return true;
}

const Decoder& DecoderFor(const base::Path& path) {
    std::wstring extension = Extension(path);
    for (const ExtensionFormat& known : kExtensions)
        if (EqualsIgnoringCase(extension, known.extension)) return DecoderOf(known.format);
    throw PictureError(base::ToWide("拡張子 .") + extension + base::ToWide(" の画像形式は処理できません"));
}

PictureError CannotOpen(const base::Path& path) {
    return PictureError(base::ToWide("ファイル ") + path + base::ToWide(" は開けません"));
}

// An open picture file, read where a decoder asks, through a block of its
// own. Others may read the file meanwhile but not write it: a file another
// program has open for writing is refused.
class FileSource final : public ByteSource {
public:
    FileSource(const base::Path& path, const Decoder& decoder)
        : file_(ui::AdoptFile(CreateFileW(base::ForFileSystem(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
        LARGE_INTEGER size;
        if (!file_ || !GetFileSizeEx(file_.Get(), &size)) throw CannotOpen(path);
        if (uint64_t(size.QuadPart) > kMaxFileSize) throw decoder.tooLarge();
        size_ = uint64_t(size.QuadPart);
    }
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, unsigned char* buffer, size_t n) override {
        if (offset < blockAt_ || offset - blockAt_ > block_.size() || n > block_.size() - (offset - blockAt_)) {
            if (n >= kBlock) return ReadFileAt(offset, buffer, n) == n;
            block_.resize(kBlock);
            block_.resize(ReadFileAt(offset, block_.data(), kBlock));
            blockAt_ = offset;
            if (n > block_.size()) return false;  // past the end of the file, or a failed read
        }
        std::memcpy(buffer, block_.data() + (offset - blockAt_), n);
        return true;
    }
    // Whether a read failed (the volume went away, say): the file could not be read.
    bool Failed() const { return failed_; }
    // The whole file, for the decoders that take it so: as far as it could be read.
    std::vector<unsigned char> All() {
        std::vector<unsigned char> bytes(static_cast<size_t>(size_));
        bytes.resize(ReadFileAt(0, bytes.data(), bytes.size()));
        return bytes;
    }

private:
    static constexpr size_t kBlock = 65536;
    // Up to n bytes at offset; fewer where the file ends or a read fails.
    size_t ReadFileAt(uint64_t offset, unsigned char* buffer, size_t n) {
        size_t filled = 0;
        while (filled < n) {
            OVERLAPPED at{};
            at.Offset = DWORD(offset + filled);
            at.OffsetHigh = DWORD((offset + filled) >> 32);
            DWORD got = 0;
            if (!ReadFile(file_.Get(), buffer + filled, DWORD(std::min<size_t>(n - filled, 1 << 20)), &got, &at)) {
                failed_ = failed_ || GetLastError() != ERROR_HANDLE_EOF;
                break;
            }
            if (got == 0) break;
            filled += got;
        }
        return filled;
    }

    ui::FileHandle file_;
    uint64_t size_ = 0;
    std::vector<unsigned char> block_;
    uint64_t blockAt_ = 0;
    bool failed_ = false;
};

}  // namespace

PictureError::PictureError(const std::string& text) : base::ShownError(base::ToWide(text)) {}
PictureError::PictureError(std::wstring text) : base::ShownError(std::move(text)) {}

ui::Graphic LoadPicture(const base::Path& path, DrawnSize drawn) {
    const Decoder& decoder = DecoderFor(path);
    FileSource file(path, decoder);
    std::optional<ui::Graphic> decoded;
    try {
        decoded = decoder.fromFile ? decoder.fromFile(file, drawn) : decoder.fromBytes(file.All(), drawn);
    } catch (const PictureError&) {
        if (file.Failed()) throw CannotOpen(path);
        throw;
    }
    if (file.Failed()) throw CannotOpen(path);
    ui::Graphic picture = *std::move(decoded);
    if (decoder.reducible)
        picture.SetReload([path](SIZE size) { return LoadPicture(path, {int(size.cx), int(size.cy)}); },
                          SIZE{drawn.width, drawn.height});
    return picture;
}

ui::Graphic DecodePicture(std::span<const unsigned char> bytes, FileFormat format, DrawnSize drawn) {
    const Decoder& decoder = DecoderOf(format);
    if (bytes.size() > kMaxFileSize) throw decoder.tooLarge();
    MemorySource memory(bytes);
    return decoder.fromFile ? decoder.fromFile(memory, drawn) : decoder.fromBytes(bytes, drawn);
}

}  // namespace picture
