// What a path names on disk, and the running program's own path.
#pragma once
#include "base/FileSystemPath.h"

namespace base {

// A file, not a folder, exists at the path.
bool IsExistingFile(const Path& path);
// A folder exists at the path.
bool IsExistingFolder(const Path& path);
// The running executable's full path.
Path ModulePath();
// The short (8.3) form of an existing file's path, where its volume keeps
// one; empty otherwise.
Path ShortPathName(const Path& path);

}  // namespace base
