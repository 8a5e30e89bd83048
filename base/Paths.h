// Paths and names, taken apart whole character by whole character: in code
// page 932 text a trail byte 0x5C is never a separator; in UTF-16 text (the
// paths that reach the file system) every character is whole. A separator
// is "\" or "/", and a drive colon ends the drive part, as the platform's own
// path functions read them. Portable: no platform call.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Offset of the last separator or drive colon, or npos.
size_t LastSeparator(std::string_view path);
size_t LastSeparator(std::wstring_view path);
// Everything up to and including the last separator or drive colon; empty when there is none.
std::string FolderPart(std::string_view path);
std::wstring FolderPart(std::wstring_view path);
// What follows the last separator or drive colon.
std::string FileNamePart(std::string_view path);
std::wstring FileNamePart(std::wstring_view path);
// Offset of the last "." of the file name part, or npos.
size_t ExtensionDot(std::string_view path);
size_t ExtensionDot(std::wstring_view path);
// The file name part's extension from its last ".", dot included; empty when there is none.
std::string ExtensionOf(std::string_view path);
std::wstring ExtensionOf(std::wstring_view path);
// The path with its extension (from the last dot of its name) replaced; a
// name without one gets the extension appended.
std::string WithExtension(std::string_view path, std::string_view extension);
std::wstring WithExtension(std::wstring_view path, std::wstring_view extension);
// folder and name with one "\" between them, unless folder is empty or
// already ends with a separator or drive colon.
std::string JoinPath(std::string_view folder, std::string_view name);
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);
// Whether the last whole character is a backslash.
bool EndsWithBackslash(std::wstring_view path);
// A name that starts at a drive ("C:...") or at a separator, rather than
// relative to a current directory.
bool IsFullName(std::string_view name);
bool IsFullName(std::wstring_view name);

}  // namespace base
