// Writing a layout file whole, so that a save that fails never leaves it
// half-written: the keys go into a copy of the file in its folder, the copy
// is flushed and read back from the disk key by key, and only then does it
// replace the file, in one step. The profile functions rewrite a whole file
// on every write and report a full disk as success, so a write's result
// alone says nothing about what reached the disk.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/FileSystemPath.h"

namespace layout {

struct KeyText {
    const char* section;
    std::string key;
    std::string value;  // code page 932
};

// Writes the keys in their order; keys it does not write keep what the file
// held, as the profile functions keep them; fresh: the file is replaced by
// one that holds these keys only. On any failure (a read-only or
// unreadable file, a write, the read-back, the replacement) it throws
// ProfileWriteError naming `target`, leaves the file as it was, byte for
// byte, and removes the copy.
void WriteWholeFile(const base::Path& target, const std::vector<KeyText>& keys, bool fresh = false);

// Replaces the file (or makes it) with exactly these bytes, by the same
// steps: a copy beside it, read back, then the replacement. On any failure
// it throws ProfileWriteError naming `target` and leaves the file as it was.
void WriteBytesWhole(const base::Path& target, std::string_view bytes);

}  // namespace layout
