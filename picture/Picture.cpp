// Loading a picture file: its extension chooses the decoder, and the whole
// file is read into memory for it.
#include "picture/Picture.h"

#include <windows.h>

#include <cstdint>
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

struct Decoder {
    FileFormat format;
    ui::Graphic (*decode)(Bytes file);
    PictureError (*tooLarge)();
};

const Decoder kDecoders[] = {
    {FileFormat::Bitmap, DecodeBitmap, InvalidBitmap},
    {FileFormat::Icon, DecodeIcon, InvalidIcon},
    {FileFormat::Metafile, DecodeMetafile, InvalidMetafile},
    {FileFormat::Jpeg, DecodeJpeg, JpegTooBig},
    {FileFormat::Png, DecodePng, InvalidPng},
    {FileFormat::Webp, DecodeWebp, InvalidWebp},
    {FileFormat::Gif, DecodeGif, InvalidGif},
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

// Others may read the file meanwhile but not write it; a file another program
// has open for writing is refused.
std::vector<unsigned char> ReadWholeFile(const base::Path& path, const Decoder& decoder) {
    ui::FileHandle file = ui::AdoptFile(CreateFileW(base::ForFileSystem(path).c_str(), GENERIC_READ,
                                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                    nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.Get(), &size)) throw CannotOpen(path);
    if (uint64_t(size.QuadPart) > kMaxFileSize) throw decoder.tooLarge();

    std::vector<unsigned char> bytes(size_t(size.QuadPart));
    size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + filled, DWORD(bytes.size() - filled), &got, nullptr))
            throw CannotOpen(path);
        if (got == 0) break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace

PictureError::PictureError(const std::string& text) : base::ShownError(base::ToWide(text)) {}
PictureError::PictureError(std::wstring text) : base::ShownError(std::move(text)) {}

ui::Graphic LoadPicture(const base::Path& path) {
    const Decoder& decoder = DecoderFor(path);
    std::vector<unsigned char> bytes = ReadWholeFile(path, decoder);
    return decoder.decode(bytes);
}

ui::Graphic DecodePicture(std::span<const unsigned char> bytes, FileFormat format) {
    const Decoder& decoder = DecoderOf(format);
    if (bytes.size() > kMaxFileSize) throw decoder.tooLarge();
    return decoder.decode(bytes);
}

}  // namespace picture
