#include "base/Paths.h"

#include "base/ShiftJis.h"

namespace base {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

}  // namespace

size_t LastSeparator(std::string_view path) {
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < path.size(); i += CharSizeAt(path, i))
        if (CharSizeAt(path, i) == 1 && IsSeparator(path[i])) found = i;
    return found;
}

std::string FolderPart(std::string_view path) {
    const size_t separator = LastSeparator(path);
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

std::string FileNamePart(std::string_view path) {
    const size_t separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

size_t ExtensionDot(std::string_view path) {
    const size_t separator = LastSeparator(path);
    size_t found = std::string_view::npos;
    for (size_t i = separator == std::string_view::npos ? 0 : separator + 1; i < path.size(); i += CharSizeAt(path, i))
        if (path[i] == '.') found = i;  // 0x2E is never a trail byte
    return found;
}

std::string ExtensionOf(std::string_view path) {
    const size_t dot = ExtensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string WithExtension(std::string_view path, std::string_view extension) {
    return std::string(path.substr(0, ExtensionDot(path))) + std::string(extension);  // npos keeps it all
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    if (!folder.empty() && !(CharSizeAt(folder, LastCharOffset(folder)) == 1 && IsSeparator(folder.back())))
        joined += '\\';
    return joined += name;
}

bool IsFullName(std::string_view name) {
    if (!name.empty() && (name[0] == '\\' || name[0] == '/')) return true;
    return name.size() >= 2 && name[1] == ':' && !IsLeadByte(name[0]);
}

}  // namespace base
