#include "support/Scratch.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/Files.h"
#include "support/FolderLinks.h"
#include "support/FolderListing.h"

namespace testsupport {
namespace {

// Links go first, while what they lead to is still there: a dangling link is
// not listed. What a link leads to is never touched.
void RemoveLinks(const std::string& folder) {
    for (const WIN32_FIND_DATAA& entry : FolderEntries(folder)) {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            RemoveFolderLink(folder + entry.cFileName);
        else
            RemoveLinks(folder + entry.cFileName + "\\");
    }
}

void RemoveTree(const std::string& folder) {
    for (const WIN32_FIND_DATAA& entry : FolderEntries(folder)) {
        const std::string full = folder + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            RemoveFolderLink(full);  // never entered: what it leads to is not ours
            continue;
        }
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(full + "\\");
        else
            DeleteFileA(full.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

void MakeParents(const std::string& path) {
    for (size_t i = 3; i < path.size(); ++i)
        if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

}  // namespace

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::ostringstream name;
    name << temp << "rkt" << GetCurrentProcessId() << "_" << counter++ << "_" << GetTickCount() << "\\";
    path_ = name.str();
    MakeParents(path_);
    if (!base::IsExistingFolder(path_)) throw std::runtime_error("cannot create scratch folder " + path_);
}

ScratchFolder::~ScratchFolder() {
    if (kept_) return;
    RemoveLinks(path_);
    RemoveTree(path_);
}

std::string ScratchFolder::MakeFolder(const std::string& relative) const {
    std::string full = path_ + relative;
    MakeParents(full + "\\");
    return full;
}

std::string ScratchFolder::WriteFile(const std::string& relative, const std::string& bytes) const {
    std::string full = path_ + relative;
    MakeParents(full);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + full);
    return full;
}

std::string LayoutText(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream data;
    data << in.rdbuf();
    return data.str();
}

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
