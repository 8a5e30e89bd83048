// "変更": loads the picture file named in the field beside the button into
// the preview. Only the name is part of the layout; the picture is not.
#include <windows.h>

#include <memory>

#include "base/Files.h"
#include "base/Paths.h"
#include "designer/MainForm.h"
#include "picture/Picture.h"
#include "ui/MessageBoxes.h"

namespace designer {
void TForm1::Button1Click() { ChangePicture(kHeaderPicture); }
void TForm1::Button2Click() { ChangePicture(kFooterPicture); }

void TForm1::ChangePicture(int element) {
    const base::Path name = model_.layout.elements[size_t(element)].picture;
    if (!base::IsExistingFile(name)) {
        ui::ShowPlainMessage("ファイルが見つかりません");
        return;
    }
    // Exactly these spellings: the viewer on a case-sensitive share must find the same names.
    const std::wstring extension = base::ExtensionOf(name);
    if (extension != L".bmp" && extension != L".jpg" && extension != L".jpeg" && extension != L".png" &&
        extension != L".webp" && extension != L".gif") {
        ui::ShowPlainMessage("BMP・JPG・PNG・WebP・GIF ファイルを指定してください。");
        return;
    }
    DesignerModel next = model_;
    // A failure leaves the old picture.
    next.pictures[size_t(element)] =
        std::make_shared<const ui::Graphic>(picture::LoadPicture(name, DrawnSizeOf(element)));
    Change(next);
}

// The size the preview's pane has now: a large picture is decoded for it alone.
picture::DrawnSize TForm1::DrawnSizeOf(int element) const {
    RECT client{};
    GetClientRect(Frame2->Element(element).Handle(), &client);
    return {int(client.right), int(client.bottom)};
}

}  // namespace designer
