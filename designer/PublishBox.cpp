#include "designer/PublishBox.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cwctype>

#include "base/CodePage.h"
#include "ui/Buttons.h"
#include "ui/MessageBoxes.h"
#include "ui/TextControls.h"

namespace designer {
namespace {

using ui::ControlKind;

const ui::FormSpec kFormSpec{"TPublishBox", "配布用フォルダに書き出し", {0, 0, 356, 215},
                             WS_POPUP | WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12};

const ui::ControlDecl<TPublishBox> kControls[] = {
    {"Label1", ControlKind::Label, "書き出し先フォルダ：", {12, 14, 0, 0}, -1},
    {"Edit1", ControlKind::Edit, "", {12, 32, 250, 20}, 0},
    {"Button1", ControlKind::Button, "参照...", {268, 31, 60, 22}, 1, &TPublishBox::Button1Click},
    {"Label2", ControlKind::Label, "プログラム名：", {12, 64, 0, 0}, -1},
    {"Edit2", ControlKind::Edit, "", {12, 82, 160, 20}, 2},
    {"CheckBox1", ControlKind::CheckBox, "CD・DVD 用の autorun.inf も作る", {12, 112, 250, 17}, 3},
    {"Button2", ControlKind::Button, "書き出し", {168, 140, 75, 25}, 4, &TPublishBox::Button2Click},
    {"Button3", ControlKind::Button, "キャンセル", {253, 140, 75, 25}, 5, &TPublishBox::Button3Click},
};

// The names the platform keeps for its devices, with any extension.
bool IsDeviceName(const std::wstring& name) {
    std::wstring stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](wchar_t c) { return wchar_t(std::towupper(c)); });
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"})
        if (stem == device) return true;
    return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'1' &&
           stem[3] <= L'9';
}

}  // namespace

std::string NameProblem(const std::wstring& name) {
    if (name.empty()) return "プログラム名を入力してください。";
    if (name.find_first_of(L"\\/:*?\"<>|") != std::wstring::npos)
        return "プログラム名には \\ / : * ? \" < > | を使えません。";
    if (!base::FromWideExactly(name)) return "プログラム名にレイアウトファイルに書き込めない文字があります。";
    if (IsDeviceName(name)) return base::FromWide(name) + " はプログラム名に使えません。";
    return {};
}

TPublishBox::TPublishBox(HWND owner, const PublishChoice& initial, std::function<bool(const PublishChoice&)> accept)
    : accept_(std::move(accept)) {
    CreateForm(kFormSpec, owner);
    CreateControls(*this, std::span<const ui::ControlDecl<TPublishBox>>(kControls), Font());
    SetClientSize(340, 177);
    CenterOnScreen();
    SetDefaultButton(&Get<ui::Button>("Button2"));
    Get<ui::Edit>("Edit1").SetWideText(initial.folder);
    Get<ui::Edit>("Edit2").SetWideText(initial.name);
    Get<ui::CheckBox>("CheckBox1").SetChecked(initial.autorun);
}

PublishChoice TPublishBox::Choice() const {
    return {Get<ui::Edit>("Edit1").WideText(), Get<ui::Edit>("Edit2").WideText(),
            Get<ui::CheckBox>("CheckBox1").Checked()};
}

void TPublishBox::Button1Click() {
    BROWSEINFOW browse{};
    browse.hwndOwner = Handle();
    browse.lpszTitle = L"";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    if (PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse)) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(chosen, path)) Get<ui::Edit>("Edit1").SetWideText(path);
        CoTaskMemFree(chosen);
    }
}

void TPublishBox::Button2Click() {
    const PublishChoice choice = Choice();
    if (choice.folder.empty()) {
        ui::ShowPlainMessage("書き出し先フォルダを入力してください。");
        return;
    }
    if (const std::string problem = NameProblem(choice.name); !problem.empty()) {
        ui::ShowPlainMessage(problem);
        return;
    }
    if (accept_(choice)) SetModalResult(IDOK);
}

void TPublishBox::Button3Click() { SetModalResult(IDCANCEL); }

}  // namespace designer
