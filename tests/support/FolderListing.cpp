#include "support/FolderListing.h"

#include "base/CodePage.h"
#include "base/FileSystemPath.h"

namespace testsupport {
namespace {

std::vector<std::string> Narrow(const std::vector<std::wstring>& wide) {
    std::vector<std::string> narrow;
    for (const std::wstring& text : wide) narrow.push_back(base::FromWide(text));
    return narrow;
}

// Full paths of the folders in a folder (its path ends in a backslash).
std::vector<std::wstring> SubFolders(const std::wstring& folder) {
    std::vector<std::wstring> found;
    for (const WIN32_FIND_DATAW& entry : FolderEntries(folder))
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found.push_back(folder + entry.cFileName);
    return found;
}

}  // namespace

std::vector<WIN32_FIND_DATAW> FindEntries(const std::wstring& pattern) {
    std::vector<WIN32_FIND_DATAW> entries;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(base::ForFileSystem(pattern).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do entries.push_back(entry);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return entries;
}

std::vector<std::wstring> FindNames(const std::wstring& pattern) {
    std::vector<std::wstring> names;
    for (const WIN32_FIND_DATAW& entry : FindEntries(pattern)) names.push_back(entry.cFileName);
    return names;
}

std::vector<std::string> FindNames(const std::string& pattern) { return Narrow(FindNames(base::ToWide(pattern))); }

std::vector<WIN32_FIND_DATAW> FolderEntries(const std::wstring& folder) {
    std::vector<WIN32_FIND_DATAW> entries;
    for (const WIN32_FIND_DATAW& entry : FindEntries(folder + L"*")) {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") entries.push_back(entry);
    }
    return entries;
}

std::vector<std::wstring> BreadthFirst(const std::wstring& root) {
    std::vector<std::wstring> all{root};
    std::vector<std::wstring> level = SubFolders(root);
    while (!level.empty()) {
        all.insert(all.end(), level.begin(), level.end());
        std::vector<std::wstring> next;
        for (const std::wstring& folder : level)
            for (const std::wstring& sub : SubFolders(folder + L"\\")) next.push_back(sub);
        level = next;
    }
    return all;
}

std::vector<std::string> BreadthFirst(const std::string& root) { return Narrow(BreadthFirst(base::ToWide(root))); }

}  // namespace testsupport
