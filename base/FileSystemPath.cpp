#include "base/FileSystemPath.h"

#include <windows.h>

namespace base {
namespace {

constexpr size_t kFolderLimit = kPathLimit - 12;
// The longest path the wide calls take, its terminator included.
constexpr size_t kLongPathLimit = 32768;

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// "\\?\" and "\\.\" paths go to the file system as they are.
bool IsDevicePath(const std::wstring& path) { return StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\"); }

}  // namespace

Path FilledPath(const PathFill& fill) {
    Path path(kPathLimit, L'\0');
    for (;;) {
        const size_t length = fill(path.data(), static_cast<unsigned long>(path.size()));
        if (length < path.size()) {  // it fits, or the call failed (0)
            path.resize(length);
            return path;
        }
        if (path.size() >= kLongPathLimit) return {};
        // A call that cuts the path short tells no size: twice the room then.
        path.resize(length > path.size() ? length : path.size() * 2);
    }
}

Path FullPathName(const Path& path) {
    if (path.empty()) return {};
    return FilledPath(
        [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); });
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
