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
    return FilledPath([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

Path ShortPathName(const Path& path) {
    return FilledPath([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); });
}

}  // namespace base
