#include "base/Paths.h"

#include "base/ShiftJis.h"

namespace base {
namespace {

// The size of the whole character at offset: code page 932 by its lead
// bytes; a UTF-16 unit is whole for these tests, as no surrogate is a
// separator, a colon or a dot.
size_t SizeAt(std::string_view text, size_t offset) { return CharSizeAt(text, offset); }
size_t SizeAt(std::wstring_view, size_t) { return 1; }

template <class Char>
bool IsSeparator(Char c) {
    return c == Char('\\') || c == Char('/') || c == Char(':');
}

template <class Char>
bool EndsWithSeparator(std::basic_string_view<Char> path) {
    size_t last = 0;
    for (size_t i = 0; i < path.size(); i += SizeAt(path, i)) last = i;
    return !path.empty() && SizeAt(path, last) == 1 && IsSeparator(path.back());
}

template <class Char>
size_t LastSeparatorOf(std::basic_string_view<Char> path) {
    size_t found = std::basic_string_view<Char>::npos;
    for (size_t i = 0; i < path.size(); i += SizeAt(path, i))
        if (SizeAt(path, i) == 1 && IsSeparator(path[i])) found = i;
    return found;
}

template <class Char>
std::basic_string<Char> FolderOf(std::basic_string_view<Char> path) {
    const size_t separator = LastSeparatorOf(path);
    return separator == path.npos ? std::basic_string<Char>() : std::basic_string<Char>(path.substr(0, separator + 1));
}

template <class Char>
std::basic_string<Char> FileNameOf(std::basic_string_view<Char> path) {
    const size_t separator = LastSeparatorOf(path);
    return std::basic_string<Char>(separator == path.npos ? path : path.substr(separator + 1));
}

template <class Char>
size_t DotOf(std::basic_string_view<Char> path) {
    const size_t separator = LastSeparatorOf(path);
    size_t found = path.npos;
    for (size_t i = separator == path.npos ? 0 : separator + 1; i < path.size(); i += SizeAt(path, i))
        if (path[i] == Char('.')) found = i;  // 0x2E is never a trail byte
    return found;
}

template <class Char>
std::basic_string<Char> ExtensionIn(std::basic_string_view<Char> path) {
    const size_t dot = DotOf(path);
    return dot == path.npos ? std::basic_string<Char>() : std::basic_string<Char>(path.substr(dot));
}

template <class Char>
std::basic_string<Char> Replaced(std::basic_string_view<Char> path, std::basic_string_view<Char> extension) {
    return std::basic_string<Char>(path.substr(0, DotOf(path))) + std::basic_string<Char>(extension);  // npos keeps it all
}

template <class Char>
std::basic_string<Char> Joined(std::basic_string_view<Char> folder, std::basic_string_view<Char> name) {
    std::basic_string<Char> joined(folder);
    if (!folder.empty() && !EndsWithSeparator(folder)) joined += Char('\\');
    return joined += name;
}

template <class Char>
bool StartsFull(std::basic_string_view<Char> name) {
    if (!name.empty() && (name[0] == Char('\\') || name[0] == Char('/'))) return true;
    return name.size() >= 2 && name[1] == Char(':') && SizeAt(name, 0) == 1;
}

}  // namespace

size_t LastSeparator(std::string_view path) { return LastSeparatorOf(path); }
size_t LastSeparator(std::wstring_view path) { return LastSeparatorOf(path); }
std::string FolderPart(std::string_view path) { return FolderOf(path); }
std::wstring FolderPart(std::wstring_view path) { return FolderOf(path); }
std::string FileNamePart(std::string_view path) { return FileNameOf(path); }
std::wstring FileNamePart(std::wstring_view path) { return FileNameOf(path); }
size_t ExtensionDot(std::string_view path) { return DotOf(path); }
size_t ExtensionDot(std::wstring_view path) { return DotOf(path); }
std::string ExtensionOf(std::string_view path) { return ExtensionIn(path); }
std::wstring ExtensionOf(std::wstring_view path) { return ExtensionIn(path); }
std::string WithExtension(std::string_view path, std::string_view extension) { return Replaced(path, extension); }
std::wstring WithExtension(std::wstring_view path, std::wstring_view extension) { return Replaced(path, extension); }
std::string JoinPath(std::string_view folder, std::string_view name) { return Joined(folder, name); }
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) { return Joined(folder, name); }
bool EndsWithBackslash(std::wstring_view path) { return !path.empty() && path.back() == L'\\'; }
bool IsFullName(std::string_view name) { return StartsFull(name); }
bool IsFullName(std::wstring_view name) { return StartsFull(name); }

}  // namespace base
