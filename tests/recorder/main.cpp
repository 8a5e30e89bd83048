// Stands in for the program the shell starts: appends the item it was asked
// to open and its working directory to <this exe>.log, one line each, in
// UTF-8 so that every name arrives whole.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring item = argc > 1 ? argv[1] : L"";
    wchar_t cwd[MAX_PATH] = {}, self[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = item + L"\t" + cwd + L"\n";
    HANDLE log = CreateFileW((std::wstring(self) + L".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, 0, nullptr);
    int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(log, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
