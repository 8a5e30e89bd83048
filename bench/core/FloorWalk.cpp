#include "core/FloorWalk.h"

#include <windows.h>

#include <deque>

#include "base/CodePage.h"
#include "base/FileSystemPath.h"
#include "base/ShiftJis.h"
#include "ui/Handles.h"

namespace bench {
namespace {

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

std::wstring WithWideBackslash(std::wstring folder) {
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    return folder;
}

}  // namespace

std::string WithBackslash(std::string folder) {
    if (!base::EndsWithBackslash(folder)) folder += '\\';
    return folder;
}

int64_t WalkFolders(const std::string& root, const FolderSink& onFolder) {
    int64_t folders = 0;
    std::deque<std::wstring> queue{WithWideBackslash(base::ToWide(root))};
    WIN32_FIND_DATAW entry;
    while (!queue.empty()) {
        const std::wstring dir = std::move(queue.front());
        queue.pop_front();
        // In the form the viewer gives, which keeps a name ending in a dot.
        ui::FindHandle find =
            ui::AdoptFind(FindFirstFileExW(base::ForFileSystem(dir + L"*.*").c_str(), FindExInfoStandard, &entry,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (!find) continue;
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || IsDotEntry(entry.cFileName)) continue;
            ++folders;
            std::wstring folder = dir + entry.cFileName;
            if (onFolder) onFolder(folder);
            queue.push_back(WithWideBackslash(std::move(folder)));
        } while (FindNextFileW(find.Get(), &entry));
    }
    return folders;
}

int64_t ListNames(const std::string& pattern, const NameSink& onName) {
    int64_t names = 0;
    WIN32_FIND_DATAW entry;
    ui::FindHandle find = ui::AdoptFind(FindFirstFileExW(base::ToWide(pattern).c_str(), FindExInfoBasic, &entry,
                                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return 0;
    do {
        ++names;
        if (onName) onName(entry.cFileName);
    } while (FindNextFileW(find.Get(), &entry));
    return names;
}

WalkCount WalkAndList(const std::string& root, const std::string& extension) {
    WalkCount count;
    count.folders = WalkFolders(root);
    count.files = ListNames(WithBackslash(root) + "*" + extension);
    return count;
}

}  // namespace bench
