// Paths and names in code page 932, taken apart whole character by whole
// character: a trail byte 0x5C is never a separator. A separator is "\" or
// "/", and a drive colon ends the drive part, as the platform's own path
// functions read them. Portable: no platform call.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Offset of the last separator or drive colon, or npos.
size_t LastSeparator(std::string_view path);
// Everything up to and including the last separator or drive colon; empty when there is none.
std::string FolderPart(std::string_view path);
// What follows the last separator or drive colon.
std::string FileNamePart(std::string_view path);
// Offset of the last "." of the file name part, or npos.
size_t ExtensionDot(std::string_view path);
// The file name part's extension from its last ".", dot included; empty when there is none.
std::string ExtensionOf(std::string_view path);
// The path with its extension (from the last dot of its name) replaced; a
// name without one gets the extension appended.
std::string WithExtension(std::string_view path, std::string_view extension);
// folder and name with one "\" between them, unless folder is empty or
// already ends with a separator or drive colon.
std::string JoinPath(std::string_view folder, std::string_view name);
// A name that starts at a drive ("C:...") or at a separator, rather than
// relative to a current directory.
bool IsFullName(std::string_view name);

}  // namespace base
