#include "ui/FileDialog.h"

#include <commdlg.h>

#include "base/CodePage.h"
#include "base/Paths.h"

namespace ui {

FileDialog::FileDialog(Mode mode, std::string filter) : mode_(mode), filter_(std::move(filter)) {}

bool FileDialog::Execute(HWND owner) {
    // The platform wants "description\0pattern\0\0".
    std::wstring filter = base::ToWide(filter_);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.append(2, L'\0');

    std::wstring buffer = fileName_;
    buffer.resize(std::max<size_t>(buffer.size() + 1, 32768), L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = DWORD(buffer.size());
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    BOOL chosen = mode_ == Mode::Open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen) return false;
    fileName_ = buffer.c_str();
    // Windows leaves the current directory at the chosen file's folder; make
    // it so everywhere, as relative picture names are resolved there.
    const base::Path folder = base::FolderPart(fileName_);
    if (!folder.empty()) SetCurrentDirectoryW(folder.c_str());
    return true;
}

}  // namespace ui
