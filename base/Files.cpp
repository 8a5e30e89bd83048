#include "base/Files.h"

#include <windows.h>

namespace base {

bool IsExistingFile(const Path& path) {
    const DWORD a = GetFileAttributesW(ForFileSystem(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const Path& path) {
    const DWORD a = GetFileAttributesW(ForFileSystem(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

Path ModulePath() {
    Path path(kPathLimit, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

Path ShortPathName(const Path& path) {
    Path shortPath(kPathLimit, L'\0');
    DWORD n = GetShortPathNameW(path.c_str(), shortPath.data(), DWORD(shortPath.size()));
    if (n >= shortPath.size()) {  // too small: n is the size needed, terminator included
        shortPath.resize(n);
        n = GetShortPathNameW(path.c_str(), shortPath.data(), DWORD(shortPath.size()));
    }
    if (n == 0 || n >= shortPath.size()) return {};
    shortPath.resize(n);
    return shortPath;
}

}  // namespace base
