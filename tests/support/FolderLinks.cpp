#include "support/FolderLinks.h"

#include <windows.h>

#include "base/CodePage.h"

namespace testsupport {
namespace {

using UnixFileName = char*(CDECL*)(const wchar_t*);

// Wine's own export; absent on Windows.
UnixFileName WineUnixFileName() {
    return reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

std::string UnixPath(UnixFileName convert, const std::string& path) {
    char* unix = convert(base::ToWide(path).c_str());
    if (!unix) return {};
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs a shell command on the Unix side of Wine with $1 and $2 set to the
// Unix forms of the paths. Wine starts a Unix program but cannot wait for it
// (its process handle is signalled at once), so the command leaves a marker
// file beside path when it has run.
bool RunUnixCommand(UnixFileName convert, const char* script, const std::string& path, const std::string& other) {
    const std::string unixPath = UnixPath(convert, path);
    const std::string unixOther = other.empty() ? std::string() : UnixPath(convert, other);
    if (unixPath.empty() || (!other.empty() && unixOther.empty())) return false;
    const std::string marker = path + ".unix-done";
    // Command-line rules: \" inside quotes is a quote of the argument.
    std::string command = std::string("sh -c \"") + script + "; : > \\\"$0\\\"\" \"" + unixPath + ".unix-done\" \"" +
                          unixPath + "\" \"" + unixOther + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    for (int waited = 0; waited < 10000; waited += 5) {
        if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return DeleteFileA(marker.c_str());
        Sleep(5);
    }
    return false;
}

}  // namespace

bool MakeFolderLink(const std::string& link, const std::string& target) {
    if (UnixFileName convert = WineUnixFileName())
        return RunUnixCommand(convert, "ln -s \\\"$2\\\" \\\"$1\\\"", link, target) &&
               GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES;
    constexpr DWORD kUnprivileged = 0x2;  // developer mode, Windows 10 and later
    return CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged) ||
           CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY);
}

std::string UnixPathOf(const std::string& path) {
    UnixFileName convert = WineUnixFileName();
    return convert ? UnixPath(convert, path) : std::string();
}

bool RunUnixScript(const std::string& folder, const std::wstring& script) {
    UnixFileName convert = WineUnixFileName();
    if (!convert) return false;
    const std::string file = folder + "unix-script.sh";
    const std::string bytes = base::FromWide(script, CP_UTF8);
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool saved = out != INVALID_HANDLE_VALUE && WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    const bool ran = saved && RunUnixCommand(convert, "cd \\\"$(dirname \\\"$1\\\")\\\" && sh \\\"$1\\\"", file, "");
    DeleteFileA(file.c_str());
    return ran;
}

bool RemoveFolderLink(const std::string& link) {
    if (RemoveDirectoryA(link.c_str())) return true;
    UnixFileName convert = WineUnixFileName();
    return convert && RunUnixCommand(convert, "rm -f \\\"$1\\\"", link, "");
}

}  // namespace testsupport
