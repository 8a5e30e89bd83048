#include "support/Scratch.h"

#include <windows.h>

#include <atomic>
#include <sstream>
#include <stdexcept>

#include "base/CodePage.h"
#include "base/Files.h"
#include "support/FolderLinks.h"
#include "support/FolderListing.h"

namespace testsupport {
namespace {

std::wstring Long(const std::wstring& path) { return base::ForFileSystem(path); }

// Links go first, while what they lead to is still there: a dangling link is
// not listed. What a link leads to is never touched.
void RemoveLinks(const std::wstring& folder) {
    for (const WIN32_FIND_DATAW& entry : FolderEntries(folder)) {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            RemoveFolderLink(base::FromWide(folder + entry.cFileName));
        else
            RemoveLinks(folder + entry.cFileName + L"\\");
    }
}

void RemoveTree(const std::wstring& folder) {
    for (const WIN32_FIND_DATAW& entry : FolderEntries(folder)) {
        const std::wstring full = folder + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            RemoveFolderLink(base::FromWide(full));  // never entered: what it leads to is not ours
            continue;
        }
        SetFileAttributesW(Long(full).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(full + L"\\");
        else
            DeleteFileW(Long(full).c_str());
    }
    RemoveDirectoryW(Long(folder).c_str());
}

void MakeParents(const std::wstring& path) {
    for (size_t i = 3; i < path.size(); ++i)
        if (path[i] == L'\\') CreateDirectoryW(Long(path.substr(0, i)).c_str(), nullptr);
}

}  // namespace

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::ostringstream name;
    name << temp << "rkt" << GetCurrentProcessId() << "_" << counter++ << "_" << GetTickCount() << "\\";
    path_ = name.str();
    widePath_ = base::ToWide(path_);
    MakeParents(widePath_);
    if (!base::IsExistingFolder(widePath_)) throw std::runtime_error("cannot create scratch folder " + path_);
}

ScratchFolder::~ScratchFolder() {
    if (kept_) return;
    RemoveLinks(widePath_);
    RemoveTree(widePath_);
}

std::wstring ScratchFolder::MakeFolder(const std::wstring& relative) const {
    std::wstring full = widePath_ + relative;
    MakeParents(full + L"\\");
    return full;
}

std::string ScratchFolder::MakeFolder(const std::string& relative) const {
    return base::FromWide(MakeFolder(base::ToWide(relative)));
}

std::wstring ScratchFolder::WriteFile(const std::wstring& relative, const std::string& bytes) const {
    std::wstring full = widePath_ + relative;
    MakeParents(full);
    HANDLE file = CreateFileW(Long(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!ok) throw std::runtime_error("cannot write " + base::FromWide(full));
    return full;
}

std::string ScratchFolder::WriteFile(const std::string& relative, const std::string& bytes) const {
    return base::FromWide(WriteFile(base::ToWide(relative), bytes));
}

std::string LayoutText(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(base::ForFileSystem(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string data;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
    CloseHandle(file);
    return data;
}

std::string ReadWholeFile(const std::string& path) { return ReadWholeFile(base::ToWide(path)); }

const std::string& FreshDesignerLayout() {
    static const std::string text = LayoutText({
        "[Enable]", "image1=1", "image2=1", "Button1=1", "Button2=1", "ComboBox1=1", "ListBox1=1", "not_sizechange=1",
        "[Caption]", "Button1=ボタン1", "Button2=ボタン2", "Form=", "ComboBox1=フォルダを選択してください",
        "[function]", "Button1=-1", "Button2=-1",
        "[File]", "image1=image1.jpg", "image2=image2.jpg",
        "[Width]", "image1=177", "image2=177", "Button1=89", "Button2=89", "ListBox1=177", "ComboBox1=177", "Form=177",
        "[Height]", "image1=73", "image2=50", "Button1=25", "Button2=25", "ListBox1=97", "Form=265",
        "[Left]", "image1=0", "image2=0", "Button1=0", "Button2=88", "ListBox1=0", "ComboBox1=0",
        "[Top]", "image1=0", "image2=188", "Button1=240", "Button2=240", "ListBox1=90", "ComboBox1=72",
        "[ScrollBar]", "ListBox1=1",
        "[extension]", "count=0",
    });
    return text;
}

}  // namespace testsupport
