#include "designer/Publishing.h"

#include <windows.h>

#include <shlobj.h>

#include <map>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "base/ShownError.h"
#include "designer/LayoutFile.h"
#include "designer/ResourceIds.h"
#include "layout/ProfileFile.h"
#include "picture/Picture.h"

namespace designer {
namespace {

std::string ViewerBytes() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_VIEWER), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw base::ShownError(base::ToWide("ビューアがデザイナーに含まれていません"));
    return {static_cast<const char*>(bytes), size_t(SizeofResource(nullptr, found))};
}

std::string PictureBytes(const base::Path& path) {
    std::optional<std::string> bytes = base::FileBytes(path);
    if (!bytes) throw base::ShownError(L"ファイル " + path + base::ToWide(" は開けません"));
    return std::move(*bytes);
}

}  // namespace

base::Path PictureSource(const std::wstring& name, const base::Path& layoutFile) {
    if (base::IsFullName(name)) return name;
    return base::FullPathName(base::FolderPart(layoutFile) + name);
}

MenuFolder PlanMenuFolder(const LayoutValues& layout, const base::Path& layoutFile, const PublishChoice& choice) {
    MenuFolder menu;
    menu.folder = base::FullPathName(choice.folder);
    if (menu.folder.empty()) throw base::ShownError(choice.folder + base::ToWide(" を作れません"));
    if (!base::EndsWithBackslash(menu.folder)) menu.folder += L'\\';
    menu.program = menu.folder + choice.name + L".exe";
    menu.files.push_back({menu.program, ViewerBytes()});
    menu.layout = layout;
    std::map<std::wstring, base::Path> byName;  // bare name, source
    for (size_t i = 0; i < kElementCount; ++i) {
        std::wstring& name = menu.layout.elements[i].picture;
        if (!Elements()[i].pictureField || !menu.layout.elements[i].shown || name.empty()) continue;
        const base::Path source = PictureSource(name, layoutFile);
        picture::LoadPicture(source);  // it must show in the menu: a failure names it
        const std::wstring bare = base::FileNamePart(source);
        if (auto [at, added] = byName.emplace(bare, source); !added) {
            if (_wcsicmp(at->second.c_str(), source.c_str()) != 0)
                throw base::ShownError(at->second + L" " + base::ToWide("と") + L" " + source +
                                       base::ToWide(" は同じ名前で書き出されます"));
        } else {
            menu.files.push_back({menu.folder + bare, PictureBytes(source)});
        }
        name = bare;
    }
    menu.layoutPath = menu.folder + choice.name + L".rkd";
    LayoutKeyTexts(menu.layout);  // a text the file cannot hold is refused now
    if (choice.autorun)
        menu.files.push_back({menu.folder + L"autorun.inf",
                              AutorunText(choice.name, layout.title.empty() ? choice.name : layout.title)});
    return menu;
}

std::string AutorunText(const std::wstring& program, const std::wstring& title) {
    const std::wstring text = L"\xFEFF[autorun]\r\nopen=" + program + L".exe\r\nicon=" + program +
                              L".exe\r\nlabel=" + title + L"\r\naction=" + title + L"\r\n";
    return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)};
}

void WriteMenuFolder(const MenuFolder& menu) {
    const int made = SHCreateDirectoryExW(nullptr, menu.folder.c_str(), nullptr);
    if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS && made != ERROR_FILE_EXISTS)
        throw base::ShownError(menu.folder + base::ToWide(" を作れません"));
    for (const MenuFile& file : menu.files) layout::WriteBytesWhole(file.path, file.bytes);
    layout::WriteWholeFile(menu.layoutPath, LayoutKeyTexts(menu.layout), /*fresh=*/true);
}

}  // namespace designer
