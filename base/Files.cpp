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

std::optional<std::string> FileBytes(const Path& path) {
    HANDLE file = CreateFileW(ForFileSystem(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    bool ok;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

Path ShortPathName(const Path& path) {
    return FilledPath([&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(path.c_str(), buffer, size); });
}

}  // namespace base
