#include "layout/ProfileFile.h"

#include <windows.h>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "base/ShiftJis.h"
#include "layout/ProfileInteger.h"
#include "layout/ProfileText.h"

namespace layout {
namespace {

// A value cut at kMaxValueBytes ends with whole characters: a lead byte
// whose trail byte was cut off goes too.
std::string CutToWholeCharacters(std::string text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    size_t end = 0;
    while (end < text.size()) {
        const size_t next = end + base::CharSizeAt(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    text.resize(end);
    return text;
}

std::u16string AsUtf16(const std::wstring& wide) { return std::u16string(wide.begin(), wide.end()); }
std::wstring AsWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// The file's text by its byte-order mark: code page 932 without one, on
// every PC, whatever code page the PC runs.
std::u16string Decoded(std::string_view bytes, ProfileEncoding encoding) {
    switch (encoding) {
    case ProfileEncoding::ShiftJis: return AsUtf16(base::ToWide(bytes));
    case ProfileEncoding::Utf8: return AsUtf16(base::ToWide(bytes, CP_UTF8));
    case ProfileEncoding::Utf16LE:
    case ProfileEncoding::Utf16BE: break;
    }
    // An odd last byte is a unit of its own, as the platform reads it.
    std::u16string text((bytes.size() + 1) / 2, u'\0');
    const bool little = encoding == ProfileEncoding::Utf16LE;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool low = (i % 2 == 0) == little || i + 1 == bytes.size();
        text[i / 2] |= char16_t(uint8_t(bytes[i]) << (low ? 0 : 8));
    }
    return text;
}

std::string Encoded(std::u16string_view text, ProfileEncoding encoding) {
    std::string bytes(ByteOrderMarkFor(encoding));
    switch (encoding) {
    case ProfileEncoding::ShiftJis: return bytes + base::FromWide(AsWide(text));
    case ProfileEncoding::Utf8: return bytes + base::FromWide(AsWide(text), CP_UTF8);
    case ProfileEncoding::Utf16LE:
    case ProfileEncoding::Utf16BE: break;
    }
    const bool little = encoding == ProfileEncoding::Utf16LE;
    for (char16_t c : text) {
        const char lo = char(c & 0xFF), hi = char(c >> 8);
        bytes += little ? lo : hi;
        bytes += little ? hi : lo;
    }
    return bytes;
}

struct FileText {
    ProfileEncoding encoding = ProfileEncoding::ShiftJis;
    std::u16string text;
};

FileText TextOf(std::string_view bytes) {
    const ByteOrderMark mark = ByteOrderMarkOf(bytes);
    return {mark.encoding, Decoded(bytes.substr(mark.size), mark.encoding)};
}

std::optional<std::u16string_view> ValueIn(const FileText& file, const char* section, const char* key) {
    return FindValue(file.text, AsUtf16(base::ToWide(section)), AsUtf16(base::ToWide(key)));
}

// The open file's bytes from its start; nothing when they cannot be read.
std::optional<std::string> BytesOf(HANDLE file) {
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    bool ok;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) bytes.append(buffer, read);
    if (!ok) return std::nullopt;
    return bytes;
}

bool Rewritten(HANDLE file, std::string_view bytes) {
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER || !SetEndOfFile(file)) return false;
    DWORD written = 0;
    return WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (Valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes it, saying whether everything written reached the file.
    bool Close() {
        const bool closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

}  // namespace

ProfileWriteError::ProfileWriteError(const base::Path& path)
    : base::ShownError(path + base::ToWide(" に書き込めません")) {}

UnwritableValueError::UnwritableValueError(const std::wstring& value)
    : base::ShownError(value + base::ToWide(" にはレイアウトファイルに書き込めない文字があります")) {}

std::string LayoutValueText(const std::wstring& value) {
    std::optional<std::string> text = base::FromWideExactly(value);
    if (!text) throw UnwritableValueError(value);
    return *std::move(text);
}

std::optional<std::string> StoredValue(std::string_view fileBytes, const char* section, const char* key) {
    const FileText file = TextOf(fileBytes);
    const std::optional<std::u16string_view> value = ValueIn(file, section, key);
    if (!value) return std::nullopt;
    return base::FromWide(AsWide(*value));
}

std::string AsStored(std::string_view value) {
    ProfileDocument document;
    document.Set(u"s", u"k", AsUtf16(base::ToWide(value)));
    const std::u16string text = document.Text();
    return base::FromWide(AsWide(*FindValue(text, u"s", u"k")));
}

ProfileFile::ProfileFile(base::Path path) : path_(std::move(path)), fileName_(base::ForFileSystem(path_)) {}

// The profile functions' rules: the default loses its trailing spaces; a
// file that cannot be opened gives it as it stands, a missing file or key
// as a value (without matching quotes).
std::string ProfileFile::ReadString(const char* section, const char* key, const std::string& def) const {
    std::u16string fallback = AsUtf16(base::ToWide(def));
    while (!fallback.empty() && fallback.back() == u' ') fallback.pop_back();
    std::u16string value;
    FileHandle file(CreateFileW(fileName_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    const bool missing = !file.Valid() && GetLastError() == ERROR_FILE_NOT_FOUND;
    const std::optional<std::string> bytes = file.Valid() ? BytesOf(file.Get()) : std::nullopt;
    if (!bytes && !missing) {
        value = fallback.substr(0, kMaxValueBytes);
    } else {
        const FileText text = TextOf(bytes ? *bytes : std::string());
        const std::optional<std::u16string_view> stored = ValueIn(text, section, key);
        value = ReadableValue(stored ? *stored : fallback, kMaxValueBytes);
    }
    return CutToWholeCharacters(base::FromWide(AsWide(value)), kMaxValueBytes);
}

int32_t ProfileFile::ReadInteger(const char* section, const char* key, int32_t def) const {
    return ParseProfileInteger(ReadString(section, key, "")).value_or(def);
}

bool ProfileFile::ReadBool(const char* section, const char* key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

// As the profile functions write: the file is read afresh, the key set and,
// where that changed anything, the whole file written again in its own
// encoding. Unlike them, a write that did not reach the file fails.
void ProfileFile::WriteString(const char* section, const char* key, const std::string& value) {
    if (writeRefused_ || !Written(section, key, value)) {
        writeRefused_ = true;
        throw ProfileWriteError(path_);
    }
}

bool ProfileFile::Written(const char* section, const char* key, const std::string& value) const {
    FileHandle file(CreateFileW(fileName_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    std::optional<std::string> bytes;
    if (file.Valid()) {
        if (!(bytes = BytesOf(file.Get()))) return false;
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;  // a missing folder, a read-only file: nothing is made
    }
    const FileText text = TextOf(bytes ? *bytes : std::string());
    ProfileDocument document(text.text);
    if (!document.Set(AsUtf16(base::ToWide(section)), AsUtf16(base::ToWide(key)), AsUtf16(base::ToWide(value))))
        return true;
    const std::string written = Encoded(document.Text(), text.encoding);
    if (file.Valid()) return Rewritten(file.Get(), written) && file.Close();
    FileHandle made(CreateFileW(fileName_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return made.Valid() && Rewritten(made.Get(), written) && made.Close();
}

void ProfileFile::WriteInteger(const char* section, const char* key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(const char* section, const char* key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace layout
