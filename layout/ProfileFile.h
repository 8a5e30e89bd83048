// The profile file object: every read and write of a layout file goes through
// it, one key at a time, on top of the platform's profile-file services.
// It holds only the path; each read sees the file on disk at that moment.
// Sections, keys and values are code page 932 text, and the file stays a
// code page 932 file; its path may hold any name.
#pragma once
#include <cstdint>
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

class ProfileFile {
public:
    // Values longer than this are cut to it when read.
    static constexpr size_t kMaxValueBytes = 2047;

    // Binds the object to the path; touches no file.
    explicit ProfileFile(base::Path path);
    // Flushes pending writes, if it wrote; the result is ignored.
    ~ProfileFile();
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
    base::Path path_;
    std::wstring fileName_;  // the path as the profile calls take it
    bool wrote_ = false;  // a flush is due: reads alone leave nothing pending
    bool writeRefused_ = false;
};

}  // namespace layout
