// Paths of layout files, tested on whole code page 932 characters (a trail
// byte 0x5C is not a backslash).
#pragma once
#include <string>

namespace layout {

// The executable path with its extension replaced by ".rkd", or ".rkd"
// appended when the name has none: D:\tools\rokabina.exe -> D:\tools\rokabina.rkd.
std::string LayoutPathFor(const std::string& exePath);
// Everything up to and including the last backslash; "" when there is none.
std::string FolderOf(const std::string& path);
// Everything after the last backslash; the whole path when there is none.
std::string FileNameOf(const std::string& path);

}  // namespace layout
