// What the file system lists, in the order FindFirstFileW and FindNextFileW
// give it: Wine returns directory order, not sorted, so tests compute the
// orders they expect with the same calls. Paths of any length; the code page
// 932 forms are for trees whose names it holds.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// Every entry the pattern finds, "." and ".." included where the platform lists them.
std::vector<WIN32_FIND_DATAW> FindEntries(const std::wstring& pattern);
std::vector<std::wstring> FindNames(const std::wstring& pattern);
std::vector<std::string> FindNames(const std::string& pattern);
// The entries of a folder (its path ends in a backslash), without "." and "..".
std::vector<WIN32_FIND_DATAW> FolderEntries(const std::wstring& folder);
// The root, then every folder below it level by level, as full paths.
std::vector<std::wstring> BreadthFirst(const std::wstring& root);
std::vector<std::string> BreadthFirst(const std::string& root);

}  // namespace testsupport
