#include "support/ShellRecorder.h"

#include <windows.h>

#include "base/CodePage.h"
#include "support/Scratch.h"
#include "support/TestFolders.h"
#include "ui/Shell.h"

namespace testsupport {
namespace {

const char* const kClasses[] = {"RokabinaRecorder"};

void SetDefault(const std::string& key, const std::string& value) {
    HKEY h;
    // The test prefix's own classes; removed again by the destructor.
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) == 0) {
        RegSetValueExA(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
        RegCloseKey(h);
    }
}

ShellRecorder::Request MakeRequest(std::wstring item, std::wstring workFolder) {
    return {item, workFolder, base::FromWide(item), base::FromWide(workFolder)};
}

}  // namespace

ShellRecorder::ShellRecorder() {
    recorder_ = DistFolder() + "..\\cmake\\tests\\shell_recorder.exe";
    char full[MAX_PATH];
    GetFullPathNameA(recorder_.c_str(), MAX_PATH, full, nullptr);
    recorder_ = full;
    log_ = recorder_ + ".log";
    DeleteFileA(log_.c_str());
    SetDefault(".rkrec", "RokabinaRecorder");
    for (const char* cls : kClasses) SetDefault(std::string(cls) + "\\shell\\open\\command", "\"" + recorder_ + "\" \"%1\"");
}

ShellRecorder::~ShellRecorder() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".rkrec");
    for (const char* cls : kClasses) RegDeleteTreeA(HKEY_CLASSES_ROOT, cls);
    DeleteFileA(log_.c_str());
}

std::vector<ShellRecorder::Request> ShellRecorder::WaitFor(size_t count, unsigned timeoutMs) const {
    std::vector<Request> requests;
    DWORD start = GetTickCount();
    do {
        requests.clear();
        const std::wstring log = base::ToWide(ReadWholeFile(log_), CP_UTF8);
        size_t from = 0;
        for (size_t end; (end = log.find(L'\n', from)) != std::wstring::npos; from = end + 1) {
            const std::wstring line = log.substr(from, end - from);
            const size_t tab = line.find(L'\t');
            requests.push_back(MakeRequest(line.substr(0, tab), tab == std::wstring::npos ? L"" : line.substr(tab + 1)));
        }
        if (requests.size() >= count) break;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return requests;
}

ShellRequests::ShellRequests() {
    ui::SetShellObserver([this](const base::Path& item, const base::Path& workFolder) {
        items.push_back(MakeRequest(item, workFolder));
    });
}

ShellRequests::~ShellRequests() { ui::SetShellObserver(nullptr); }

}  // namespace testsupport
