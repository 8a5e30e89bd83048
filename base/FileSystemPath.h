// Paths as the file system has them: UTF-16, so that every name works, of
// any length. Every path that reaches a file-system or shell call is a Path;
// the programs' other text is code page 932 (base/CodePage.h converts).
#pragma once
#include <functional>
#include <string>

namespace base {

using Path = std::wstring;

// The platform's limit for a path given as it is, its terminator included.
constexpr size_t kPathLimit = 260;

// How a platform call fills a buffer with a path: given the buffer and its
// size in characters, it answers the path's length when the path fits, 0
// when it fails, and otherwise the size it needs, terminator included
// (GetFullPathNameW and most others), or the buffer's own size where it
// cuts the path short instead (GetModuleFileNameW).
using PathFill = std::function<unsigned long(wchar_t* buffer, unsigned long size)>;
// The path the call fills in, its buffer grown until the path fits; empty
// when the call fails.
Path FilledPath(const PathFill& fill);

// The full form of a path (a relative one taken from the current directory),
// as the platform reads it; empty when it cannot be formed.
Path FullPathName(const Path& path);

// The path as the file-system calls take it: as it is while it stays below
// the limit (a folder's own, which leaves room for a file name, being 12
// characters less), else its full form behind "\\?\" ("\\?\UNC\" for a
// share), which the platform takes at any length. A full path with a name
// that ends in a dot or a blank goes behind "\\?\" at any length, so that the
// name is read as it is.
std::wstring ForFileSystem(const Path& path);

}  // namespace base
