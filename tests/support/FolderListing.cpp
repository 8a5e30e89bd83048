#include "support/FolderListing.h"

namespace testsupport {

std::vector<WIN32_FIND_DATAA> FindEntries(const std::string& pattern) {
    std::vector<WIN32_FIND_DATAA> entries;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do entries.push_back(entry);
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return entries;
}

std::vector<std::string> FindNames(const std::string& pattern) {
    std::vector<std::string> names;
    for (const WIN32_FIND_DATAA& entry : FindEntries(pattern)) names.push_back(entry.cFileName);
    return names;
}

std::vector<WIN32_FIND_DATAA> FolderEntries(const std::string& folder) {
    std::vector<WIN32_FIND_DATAA> entries;
    for (const WIN32_FIND_DATAA& entry : FindEntries(folder + "*")) {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") entries.push_back(entry);
    }
    return entries;
}

std::vector<std::string> SubFolders(const std::string& folder) {
    std::vector<std::string> found;
    for (const WIN32_FIND_DATAA& entry : FolderEntries(folder))
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found.push_back(folder + entry.cFileName);
    return found;
}

std::vector<std::string> BreadthFirst(const std::string& root) {
    std::vector<std::string> all{root};
    std::vector<std::string> level = SubFolders(root);
    while (!level.empty()) {
        all.insert(all.end(), level.begin(), level.end());
        std::vector<std::string> next;
        for (const std::string& folder : level)
            for (const std::string& sub : SubFolders(folder + "\\")) next.push_back(sub);
        level = next;
    }
    return all;
}

}  // namespace testsupport
