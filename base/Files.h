// What a path names on disk, and the running program's own path.
#pragma once
#include <string>

namespace base {

// A file, not a folder, exists at the path (code page 932).
bool IsExistingFile(const std::string& path);
// A folder exists at the path.
bool IsExistingFolder(const std::string& path);
// The running executable's full path.
std::string ModulePath();

}  // namespace base
