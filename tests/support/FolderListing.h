// What the file system lists, in the order FindFirstFileA and FindNextFileA
// give it: Wine returns directory order, not sorted, so tests compute the
// orders they expect with the same calls.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// Every entry the pattern finds, "." and ".." included where the platform lists them.
std::vector<WIN32_FIND_DATAA> FindEntries(const std::string& pattern);
std::vector<std::string> FindNames(const std::string& pattern);
// The entries of a folder (its path ends in a backslash), without "." and "..".
std::vector<WIN32_FIND_DATAA> FolderEntries(const std::string& folder);
// Full paths of the folders in a folder (its path ends in a backslash).
std::vector<std::string> SubFolders(const std::string& folder);
// The root, then every folder below it level by level, as full paths.
std::vector<std::string> BreadthFirst(const std::string& root);

}  // namespace testsupport
