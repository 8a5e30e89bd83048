#include "viewer/WindowsDirectoryRule.h"

#include <windows.h>

namespace viewer {

base::Path WindowsDirectory() {
    base::Path directory(base::kPathLimit, L'\0');
    UINT length = GetWindowsDirectoryW(directory.data(), UINT(directory.size()));
    if (length >= directory.size()) {  // too small: length is the size needed, terminator included
        directory.resize(length);
        length = GetWindowsDirectoryW(directory.data(), UINT(directory.size()));
        if (length >= directory.size()) return {};
    }
    directory.resize(length);
    return directory;
}

BackgroundWalk::SkipRule SkipWindowsDirectory(base::Path windowsDirectory) {
    // A copy of its own: the rule runs on the walk's worker.
    return [windows = std::move(windowsDirectory)](const base::Path& folder) { return folder == windows; };
}

}  // namespace viewer
