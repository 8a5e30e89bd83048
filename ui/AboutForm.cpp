#include "ui/AboutForm.h"

#include "ui/Buttons.h"
#include "ui/PicturePane.h"

namespace ui {

void AboutForm::Finish(SIZE client) {
    SetClientSize(client.cx, client.cy);
    CenterOnScreen();
    SetDefaultButton(&Get<Button>("OKButton"));
    // The icon's image for the size it shows at: crisp at every dpi.
    const int size = Scale(32, Dpi());
    HICON icon = HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    if (icon) Get<PicturePane>("ProgramIcon").SetPicture(Graphic::FromIcon(IconHandle(icon), 32, 32));
}

}  // namespace ui
