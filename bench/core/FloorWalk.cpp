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

std::string WithBackslash(std::string folder) {
    // Whole-character test: a trail byte 0x5C (as in "表") is no separator.
    if (!base::EndsWithBackslash(folder)) folder += '\\';
    return folder;
}

}  // namespace

WalkCount WalkAndList(const std::string& root, const std::string& extension) {
    WalkCount count;
    const std::string base = WithBackslash(root);
    std::deque<std::string> queue{base};
    WIN32_FIND_DATAA entry;
    while (!queue.empty()) {
        const std::string dir = std::move(queue.front());
        queue.pop_front();
        ui::FindHandle find = ui::AdoptFind(FindFirstFileA((dir + "*.*").c_str(), &entry));
        if (!find) continue;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(entry.cFileName)) continue;
            ++count.folders;
            queue.push_back(WithBackslash(dir + entry.cFileName));
        } while (FindNextFileA(find.Get(), &entry));
    }

    ui::FindHandle find = ui::AdoptFind(FindFirstFileA((base + "*" + extension).c_str(), &entry));
    if (find) {
        do {
            ++count.files;
        } while (FindNextFileA(find.Get(), &entry));
    }
    return count;
}

}  // namespace bench
