#include "base/FileSystemPath.h"

#include <windows.h>

namespace base {
namespace {

constexpr size_t kFolderLimit = kPathLimit - 12;

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// "\\?\" and "\\.\" paths go to the file system as they are.
bool IsDevicePath(const std::wstring& path) { return StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\"); }

}  // namespace

Path FullPathName(const Path& path) {
    if (path.empty()) return {};
    std::wstring full(kPathLimit, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    if (length >= full.size()) {  // too small: length is the size needed, terminator included
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) return {};
    full.resize(length);
    return full;
}

std::wstring ForFileSystem(const Path& path) {
    if (path.size() < kFolderLimit || IsDevicePath(path)) return path;
    // The long form reaches the file system unread: no "." or "..", no "/",
    // no doubled separator. The full path name has none of them.
    const Path full = FullPathName(path);
    if (full.empty() || IsDevicePath(full)) return full.empty() ? path : full;
    if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace base
