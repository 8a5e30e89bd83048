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

// The names of a path, between its separators.
template <typename Visit>
bool AnyName(const std::wstring& path, Visit visit) {
    size_t start = 0;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != L'\\' && path[i] != L'/') continue;
        if (visit(std::wstring_view(path).substr(start, i - start), i == path.size())) return true;
        start = i + 1;
    }
    return false;
}

// A name that ends in a dot or a blank, which a share or a Unix volume may
// hold, loses its end when the platform reads the path: only the long form
// keeps it. A search pattern at the end is the platform's to read.
bool HasNameTheRulesCut(const std::wstring& path) {
    return AnyName(path, [](std::wstring_view name, bool last) {
        if (name.empty() || name == L"." || name == L".." || (last && name.find_first_of(L"*?") != name.npos))
            return false;
        return name.back() == L'.' || name.back() == L' ';
    });
}

// A full path with nothing the platform would resolve: a drive or a share at
// its start, no "." or ".." names, no "/", no doubled separator.
bool IsPlainFullPath(const std::wstring& path) {
    const bool drive = path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
    const bool share = StartsWith(path, L"\\\\") && path.size() > 2 && path[2] != L'\\';
    if (!drive && !share) return false;
    const std::wstring rest = path.substr(share ? 2 : 3);
    return !AnyName(rest, [](std::wstring_view name, bool last) {
        return (name.empty() && !last) || name == L"." || name == L"..";
    }) && rest.find(L'/') == rest.npos;
}

std::wstring LongForm(const std::wstring& full) {
    if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

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
    if (IsDevicePath(path)) return path;
    if (path.size() < kFolderLimit)
        return HasNameTheRulesCut(path) && IsPlainFullPath(path) ? LongForm(path) : path;
    // The long form reaches the file system unread: no "." or "..", no "/",
    // no doubled separator. A plain full path has none of them, and keeps
    // the ends of its names; the full path name of another has none either.
    if (IsPlainFullPath(path)) return LongForm(path);
    const Path full = FullPathName(path);
    if (full.empty() || IsDevicePath(full)) return full.empty() ? path : full;
    return LongForm(full);
}

}  // namespace base
