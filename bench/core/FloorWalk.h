// The file-system work of the viewer's start-up and nothing else: what the
// floor program does before it opens its window.
#pragma once
#include <cstdint>
#include <string>

namespace bench {

struct WalkCount {
    int64_t folders = 0;  // below the root
    int64_t files = 0;    // in the root, matching the extension
};

// Walks the tree below root breadth first with FindFirstFileA/FindNextFileA,
// one enumeration open at a time, keeping every folder's full path as the
// walk goes; then lists the root's files named "*" + extension.
WalkCount WalkAndList(const std::string& root, const std::string& extension);

}  // namespace bench
