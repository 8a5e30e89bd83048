// The layout file that belongs to an executable.
#pragma once
#include <string>

namespace layout {

// The executable path with its extension replaced by ".rkd", or ".rkd"
// appended when the name has none: D:\tools\rokabina.exe -> D:\tools\rokabina.rkd.
// In code page 932, and as the file system has it (UTF-16).
std::string LayoutPathFor(const std::string& exePath);
std::wstring LayoutPathFor(const std::wstring& exePath);

}  // namespace layout
