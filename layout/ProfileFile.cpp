#include "layout/ProfileFile.h"

#include <windows.h>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "base/ShiftJis.h"
#include "layout/ProfileInteger.h"

namespace layout {
namespace {

// The profile calls take no path of the platform's limit or longer, not even
// behind "\\?\" under Wine: a long path's folder is given by its short (8.3)
// form where the volume keeps one and that is short enough.
std::wstring ProfileFileName(const base::Path& path) {
    if (path.size() < base::kPathLimit) return path;
    base::Path shortFolder = base::ShortPathName(base::ForFileSystem(base::FolderPart(path)));
    if (!shortFolder.empty() && shortFolder.size() < base::kPathLimit) {
        if (shortFolder.rfind(L"\\\\?\\", 0) == 0 && shortFolder.rfind(L"\\\\?\\UNC\\", 0) != 0)
            shortFolder.erase(0, 4);
        std::wstring shortPath = base::JoinPath(shortFolder, base::FileNamePart(path));
        if (shortPath.size() < base::kPathLimit) return shortPath;
    }
    return base::ForFileSystem(path);
}

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

ProfileFile::ProfileFile(base::Path path) : path_(std::move(path)), fileName_(ProfileFileName(path_)) {}

ProfileFile::~ProfileFile() {
    // The platform's flush request: no section, key or value.
    if (wrote_) WritePrivateProfileStringW(nullptr, nullptr, nullptr, fileName_.c_str());
}

// The wide calls read and write the file in the system's code page, which
// for these programs is 932: the same bytes as the code page 932 calls.
std::string ProfileFile::ReadString(const char* section, const char* key, const std::string& def) const {
    // No value cut at kMaxValueBytes bytes holds more characters than that.
    wchar_t buffer[kMaxValueBytes + 1];
    const DWORD length = GetPrivateProfileStringW(base::ToWide(section).c_str(), base::ToWide(key).c_str(),
                                                  base::ToWide(def).c_str(), buffer, DWORD(std::size(buffer)),
                                                  fileName_.c_str());
    return CutToWholeCharacters(base::FromWide(std::wstring_view(buffer, length)), kMaxValueBytes);
}

int32_t ProfileFile::ReadInteger(const char* section, const char* key, int32_t def) const {
    return ParseProfileInteger(ReadString(section, key, "")).value_or(def);
}

bool ProfileFile::ReadBool(const char* section, const char* key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void ProfileFile::WriteString(const char* section, const char* key, const std::string& value) {
    wrote_ = true;
    if (writeRefused_ || !WritePrivateProfileStringW(base::ToWide(section).c_str(), base::ToWide(key).c_str(),
                                                     base::ToWide(value).c_str(), fileName_.c_str())) {
        writeRefused_ = true;
        throw ProfileWriteError(path_);
    }
}

void ProfileFile::WriteInteger(const char* section, const char* key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(const char* section, const char* key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace layout
