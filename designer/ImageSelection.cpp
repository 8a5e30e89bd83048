// "変更": loads the picture file named in the field beside the button into
// the preview. Only the name is part of the layout; the picture is not.
#include <windows.h>

#include "base/Files.h"
#include "base/Paths.h"
#include "designer/MainForm.h"
#include "picture/Picture.h"
#include "ui/MessageBoxes.h"

namespace designer {
void TForm1::Button1Click() { ChangePicture("Edit1", *Frame2->Image1); }
void TForm1::Button2Click() { ChangePicture("Edit2", *Frame2->Image2); }

void TForm1::ChangePicture(const char* editName, ui::PicturePane& pane) {
    const base::Path name = Get<ui::Edit>(editName).WideText();
    if (!base::IsExistingFile(name)) {
        ui::ShowPlainMessage("ファイルが見つかりません");
        return;
    }
    // Exactly these spellings: the viewer on a case-sensitive share must find the same names.
    const std::wstring extension = base::ExtensionOf(name);
    if (extension != L".bmp" && extension != L".jpg" && extension != L".jpeg") {
        ui::ShowPlainMessage("BMPファイルまたはJPGファイルを指定してください。");
        return;
    }
    pane.SetPicture(picture::LoadPicture(name));  // a failure leaves the old picture
}

}  // namespace designer
