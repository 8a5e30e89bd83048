#include "core/FloorWalk.h"

#include <windows.h>

#include <deque>

#include "base/ShiftJis.h"
#include "ui/Handles.h"

namespace bench {
namespace {

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

std::string WithBackslash(std::string folder) {
    if (!base::EndsWithBackslash(folder)) folder += '\\';
    return folder;
}

int64_t WalkFolders(const std::string& root, const FolderSink& onFolder) {
    int64_t folders = 0;
    std::deque<std::string> queue{WithBackslash(root)};
    WIN32_FIND_DATAA entry;
    while (!queue.empty()) {
        const std::string dir = std::move(queue.front());
        queue.pop_front();
        ui::FindHandle find = ui::AdoptFind(FindFirstFileA((dir + "*.*").c_str(), &entry));
        if (!find) continue;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(entry.cFileName)) continue;
            ++folders;
            std::string folder = dir + entry.cFileName;
            if (onFolder) onFolder(folder);
            queue.push_back(WithBackslash(std::move(folder)));
        } while (FindNextFileA(find.Get(), &entry));
    }
    return folders;
}

int64_t ListNames(const std::string& pattern, const NameSink& onName) {
    int64_t names = 0;
    WIN32_FIND_DATAA entry;
    ui::FindHandle find = ui::AdoptFind(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) return 0;
    do {
        ++names;
        if (onName) onName(entry.cFileName);
    } while (FindNextFileA(find.Get(), &entry));
    return names;
}

WalkCount WalkAndList(const std::string& root, const std::string& extension) {
    WalkCount count;
    count.folders = WalkFolders(root);
    count.files = ListNames(WithBackslash(root) + "*" + extension);
    return count;
}

}  // namespace bench
