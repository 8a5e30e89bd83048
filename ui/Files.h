// What a path names on disk.
#pragma once
#include <string>

namespace ui {

// A file, not a folder, exists at the path (code page 932).
bool IsExistingFile(const std::string& path);
// A folder exists at the path.
bool IsExistingFolder(const std::string& path);

}  // namespace ui
