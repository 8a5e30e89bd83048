#include "viewer/WindowsDirectoryRule.h"

#include <windows.h>

namespace viewer {

base::Path WindowsDirectory() {
    return base::FilledPath([](wchar_t* buffer, unsigned long size) { return GetWindowsDirectoryW(buffer, UINT(size)); });
}

BackgroundWalk::SkipRule SkipWindowsDirectory(base::Path windowsDirectory) {
    // A copy of its own: the rule runs on the walk's worker.
    return [windows = std::move(windowsDirectory)](const base::Path& folder) { return folder == windows; };
}

}  // namespace viewer
