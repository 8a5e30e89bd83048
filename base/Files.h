// What a path names on disk, a file's bytes, and the running program's own path.
#pragma once
#include <optional>
#include <string>

#include "base/FileSystemPath.h"

namespace base {

// A file, not a folder, exists at the path.
bool IsExistingFile(const Path& path);
// A folder exists at the path.
bool IsExistingFolder(const Path& path);
// The file's bytes as they are on the disk now; nothing when it cannot be read.
std::optional<std::string> FileBytes(const Path& path);
// The running executable's full path.
Path ModulePath();
// The short (8.3) form of an existing file's path, where its volume keeps
// one; empty otherwise.
Path ShortPathName(const Path& path);

}  // namespace base
