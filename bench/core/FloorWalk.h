// The file-system work of the viewer's start-up and nothing else: what the
// floor program does while it fills its window.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace bench {

struct WalkCount {
    int64_t folders = 0;  // below the root
    int64_t files = 0;    // in the root, matching the extension
};

// Told of every folder below the root as the walk meets it: the full path,
// without a trailing backslash, as the file system has it.
using FolderSink = std::function<void(const std::wstring& folder)>;
// Told of every name a file search finds, in the order the platform gives them.
using NameSink = std::function<void(const wchar_t* name)>;

// The folder with one backslash at its end (whole characters: a trail byte
// 0x5C, as in "表", is no separator).
std::string WithBackslash(std::string folder);

// Walks the tree below root (code page 932) breadth first with the wide
// calls the viewer makes (FindFirstFileExW with short names, in large
// batches), one enumeration open at a time, keeping every folder's full path
// as the walk goes; returns the number of folders found.
int64_t WalkFolders(const std::string& root, const FolderSink& onFolder = {});

// Every entry of the file search for pattern (code page 932), names only, as
// the viewer lists them, its names to onName; returns how many there were.
int64_t ListNames(const std::string& pattern, const NameSink& onName = {});

// The walk, then the root's files named "*" + extension, as the viewer lists
// them at start-up.
WalkCount WalkAndList(const std::string& root, const std::string& extension);

}  // namespace bench
