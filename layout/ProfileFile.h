// The profile file object: every read and write of a layout file goes through
// it, one key at a time, by the profile functions' rules (ProfileText.h) but
// on the file's own bytes, so that the file is code page 932 text on every
// PC, whatever code page the PC runs. It holds only the path; each read sees
// the file on disk at that moment, and each write reaches it before it
// returns. Sections, keys and values are code page 932 text; the path may
// hold any name and be of any length.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "base/FileSystemPath.h"
#include "base/ShownError.h"

namespace layout {

// A write that the platform refused. The text is "<path> に書き込めません".
class ProfileWriteError : public base::ShownError {
public:
    explicit ProfileWriteError(const base::Path& path);
};

// A value the layout file cannot hold: a character that code page 932 lacks.
// The text is "<value> にはレイアウトファイルに書き込めない文字があります".
class UnwritableValueError : public base::ShownError {
public:
    explicit UnwritableValueError(const std::wstring& value);
};

// The value as layout file text (code page 932), never another name for it:
// throws UnwritableValueError when a character does not fit.
std::string LayoutValueText(const std::wstring& value);

// The value a profile file's bytes hold for the key, as stored (no quotes
// taken away, no cut); nothing when the key or its value is missing. For
// checking what reached the disk.
std::optional<std::string> StoredValue(std::string_view fileBytes, const char* section, const char* key);
// A value as a write stores it: without the blanks before it.
std::string AsStored(std::string_view value);

class ProfileFile {
public:
    // Values longer than this are cut to it when read.
    static constexpr size_t kMaxValueBytes = 2047;

    // Binds the object to the path; touches no file.
    explicit ProfileFile(base::Path path);
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    const base::Path& Path() const { return path_; }

    // Reads never fail: a missing file, section or key gives the default; a
    // key present with an empty value gives "".
    std::string ReadString(const char* section, const char* key, const std::string& def) const;
    // The default also when the value is empty or not an integer.
    int32_t ReadInteger(const char* section, const char* key, int32_t def) const;
    // True when the value reads as a non-zero integer.
    bool ReadBool(const char* section, const char* key, bool def) const;

    // Creates the file, section or key as needed and writes key=value. Throws
    // ProfileWriteError when refused; after that every write throws it again
    // without touching the file.
    void WriteString(const char* section, const char* key, const std::string& value);
    void WriteInteger(const char* section, const char* key, int32_t value);
    void WriteBool(const char* section, const char* key, bool value);

private:
    bool Written(const char* section, const char* key, const std::string& value) const;

    base::Path path_;
    std::wstring fileName_;  // the path as the file calls take it
    bool writeRefused_ = false;
};

}  // namespace layout
