// The layout file that belongs to an executable.
#pragma once
#include <string>

namespace layout {

// The executable path with its extension replaced by ".rkd", or ".rkd"
// appended when the name has none: D:\tools\rokabina.exe -> D:\tools\rokabina.rkd.
std::string LayoutPathFor(const std::string& exePath);

}  // namespace layout
