// New, Open, Save, Save As and Exit: the commands that move a layout between
// the designer and the layout files, and the question before a changed
// layout would be lost (Exit, Open, the close box, a dropped file).
#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <memory>

#include "base/Files.h"
#include "base/Paths.h"
#include "designer/LayoutFile.h"
#include "designer/MainForm.h"
#include "picture/Picture.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/MessageBoxes.h"
#include "ui/Sound.h"

namespace designer {
namespace {

constexpr UINT kWarningSound = MB_ICONEXCLAMATION;
constexpr wchar_t kLayoutExtension[] = L".rkd";

// "a", "a.txt" and "a.RKD" become "a.rkd", "a.txt.rkd" and "a.RKD.rkd".
base::Path WithLayoutExtension(const base::Path& name) {
    return base::ExtensionOf(name) == kLayoutExtension ? name : name + kLayoutExtension;
}

}  // namespace

void TForm1::Save1Click() { SaveLayout(); }

void TForm1::SaveAs1Click() { SaveThroughDialog(); }

bool TForm1::SaveLayout() {
    if (currentFile_.empty()) return SaveThroughDialog();
    WriteLayoutFile(currentFile_);
    saved_ = model_.layout;
    return true;
}

bool TForm1::SaveThroughDialog() {
    if (!SaveDialog1.Execute(Handle())) {
        currentFile_.clear();  // Save As cancelled: the next Save asks for a name again
        return false;
    }
    base::Path name = WithLayoutExtension(SaveDialog1.FileName());
    if (base::IsExistingFile(name)) {
        ui::PlaySystemSound(kWarningSound);
        if (!ui::AskWarning("そのファイルは既に存在します。上書きしますか？")) return false;
    }
    WriteLayoutFile(name);  // a refused write leaves the current name as it was
    currentFile_ = name;
    saved_ = model_.layout;
    return true;
}

bool TForm1::ChangesMayGo() {
    if (!Changed()) return true;
    ui::PlaySystemSound(kWarningSound);
    switch (ui::AskWarningOrCancel("変更内容を保存しますか？")) {
    case ui::BoxAnswer::Yes: return SaveLayout();  // a failed write goes on to the error box
    case ui::BoxAnswer::No: return true;
    default: return false;
    }
}

void TForm1::Exit1Click() {
    if (Changed()) {
        if (ChangesMayGo()) ui::Application::Instance().Terminate();
        return;
    }
    ui::PlaySystemSound(kWarningSound);
    if (ui::AskWarning("本当に終了しますか？")) ui::Application::Instance().Terminate();
}

template <class Command>
void TForm1::StartingAfresh(Command command) {
    struct Afresh {
        TForm1& form;
        ~Afresh() {
            form.history_.Clear();
            form.UpdateEditMenu();
        }
    } afresh{*this};
    command();
}

void TForm1::Open1Click() {
    if (!ChangesMayGo() || !OpenDialog1.Execute(Handle())) return;
    OpenLayout(OpenDialog1.FileName());
}

void TForm1::OpenLayout(const base::Path& name) {
    StartingAfresh([this, &name] {
        currentFile_ = name;
        // Picture names relative to the layout file's folder are found there,
        // as after the open dialog.
        if (const base::Path folder = base::FolderPart(name); !folder.empty()) SetCurrentDirectoryW(folder.c_str());
        DesignerModel next = model_;
        next.layout = ReadLayoutFile(currentFile_, model_.layout);
        Show(next);
        // A picture that cannot be shown is reported, and the other is still
        // loaded, so that the preview shows what it can.
        for (size_t i = 0; i < kElementCount; ++i)
            if (Elements()[i].pictureField) LoadPictureReporting(int(i));
        saved_ = model_.layout;
    });
}

void TForm1::New1Click() {
    if (!ui::AskWarning("保存していない場合、編集中のデータは消えてしまいます。\n\r新規作成しますか？")) return;
    StartingAfresh([this] {
        DesignerModel next = model_;
        next.layout = Renewed(model_.layout, model_.switchedOn);
        next.switchedOn.fill(true);
        Show(next);
        ShowFunctionPrompts();
        // Forgotten before the pictures load: a missing picture must not leave
        // the old file as the target of the next Save.
        currentFile_.clear();
        for (size_t i = 0; i < kElementCount; ++i)
            if (Elements()[i].pictureField) {
                DesignerModel loaded = model_;
                loaded.pictures[i] = std::make_shared<const ui::Graphic>(
                    picture::LoadPicture(model_.layout.elements[i].picture, DrawnSizeOf(int(i))));
                Show(loaded);
            }
        saved_ = model_.layout;
    });
}

void TForm1::LoadPictureReporting(int element) {
    const std::wstring& name = model_.layout.elements[size_t(element)].picture;
    if (name.empty()) return;
    try {
        DesignerModel next = model_;
        next.pictures[size_t(element)] =
            std::make_shared<const ui::Graphic>(picture::LoadPicture(name, DrawnSizeOf(element)));
        Show(next);
    } catch (const picture::PictureError& e) {
        ui::Application::Instance().ShowException(e);
    }
}

void TForm1::WriteLayoutFile(const base::Path& path) { designer::WriteLayoutFile(model_.layout, path); }

LRESULT TForm1::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE: {  // the close box, Close on the system menu, Alt+F4
        bool close = false;
        ui::Application::Instance().RunHandler([&] { close = ChangesMayGo(); });
        if (!close) return 0;
        break;
    }
    case WM_DROPFILES: {
        const HDROP drop = HDROP(wp);
        base::Path name(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, 0, name.data(), UINT(name.size())));
        DragFinish(drop);
        if (_wcsicmp(base::ExtensionOf(name).c_str(), kLayoutExtension) == 0)  // Explorer's names: any case
            ui::Application::Instance().RunHandler([&] {
                if (ChangesMayGo()) OpenLayout(name);
            });
        return 0;
    }
    }
    return ui::Form::Dispatch(msg, wp, lp);
}

}  // namespace designer
