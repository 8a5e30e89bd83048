// What a case may leave behind: memory, windows, and files on disk.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <sstream>

#include "base/CodePage.h"
#include "robustness/Robustness.h"
#include "support/FolderListing.h"

namespace robustness {
namespace {

BOOL CALLBACK CountOwn(HWND hwnd, LPARAM lp) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId()) ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

void List(const std::string& folder, const std::string& relative, std::vector<std::string>& entries) {
    for (const WIN32_FIND_DATAW& entry : testsupport::FolderEntries(base::ToWide(folder + relative))) {
        const std::string name = base::FromWide(entry.cFileName);
        std::ostringstream line;
        line << relative << name << " " << entry.dwFileAttributes << " " << entry.nFileSizeLow << " "
             << entry.ftLastWriteTime.dwHighDateTime << ":" << entry.ftLastWriteTime.dwLowDateTime;
        entries.push_back(line.str());
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            List(folder, relative + name + "\\", entries);
    }
}

}  // namespace

Memory ProcessMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {counters.PeakWorkingSetSize, counters.PagefileUsage};
}

int TopLevelWindowCount() {
    int count = 0;
    EnumWindows(CountOwn, LPARAM(&count));
    return count;
}

std::string FolderSnapshot(const std::string& folder) {
    std::vector<std::string> entries;
    List(folder, "", entries);
    std::sort(entries.begin(), entries.end());
    std::string text;
    for (const auto& e : entries) text += e + "\n";
    return text;
}

}  // namespace robustness
