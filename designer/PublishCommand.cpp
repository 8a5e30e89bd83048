// 配布用フォルダに書き出し: from a layout to a menu folder in one step. The
// window asks where and under which name; everything is checked before
// anything is written; the files that already exist are replaced only when
// the user says so; the menu then starts as its users will see it.
#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Paths.h"
#include "designer/MainForm.h"
#include "designer/PublishBox.h"
#include "designer/Publishing.h"
#include "ui/MessageBoxes.h"
#include "ui/Shell.h"
#include "ui/Sound.h"

namespace designer {

void TForm1::Publish1Click() {
    PublishChoice initial{lastPublished_, L"menu", false};
    if (!currentFile_.empty()) initial.name = base::FileNamePart(base::WithExtension(currentFile_, L""));
    TPublishBox box(Handle(), initial, [this](const PublishChoice& choice) { return Publish(choice); });
    box.ShowModal();
}

bool TForm1::Publish(const PublishChoice& choice) {
    const MenuFolder menu = PlanMenuFolder(model_.layout, currentFile_, choice);
    bool exists = base::IsExistingFile(menu.layoutPath);
    for (const MenuFile& file : menu.files) exists = exists || base::IsExistingFile(file.path);
    if (exists) {
        ui::PlaySystemSound(MB_ICONEXCLAMATION);
        if (!ui::AskWarning("書き出し先に同じ名前のファイルがあります。上書きしますか？")) return false;
    }
    WriteMenuFolder(menu);
    lastPublished_ = choice.folder;
    ui::ShellOpen(Handle(), menu.program, menu.folder);
    return true;
}

}  // namespace designer
