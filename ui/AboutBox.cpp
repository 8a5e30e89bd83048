#include "ui/AboutBox.h"

#include <vector>

#include "ui/Buttons.h"
#include "ui/PicturePane.h"

namespace ui {

AboutBox::AboutBox(HWND owner, const AboutText& text, const AboutMeasures& m) {
    CreateForm({"TAboutBox", "バージョン情報", {0, 0, int(m.window.cx), int(m.window.cy)},
                WS_POPUP | WS_CAPTION | WS_SYSMENU, "ＭＳ Ｐゴシック", 12},
               owner);
    constexpr int x = 8, y = 8;  // the panel's place: the places below are in the client area
    const int lineLeft = x + 8, line = y + m.firstLine;
    const ControlDecl<AboutBox> controls[] = {
        {"OKButton", ControlKind::Button, "閉じる",
         {x + m.button.left, y + m.button.top, m.button.width, m.button.height}, 0, &AboutBox::OKButtonClick},
        {"ProductName", ControlKind::Label, text.product, {lineLeft, line}, -1},
        {"Version", ControlKind::Label, text.version, {lineLeft, line + 24}, -1},
        {"Copyright", ControlKind::Label, text.credit, {lineLeft, line + 48}, -1},
        {"Comments", ControlKind::Label, text.release, {lineLeft, line + 72}, -1},
        {"ProgramIcon", ControlKind::Picture, "", {x + int(m.icon.x), y + int(m.icon.y), 32, 32}, -1},
        {"Panel1", ControlKind::Panel, "", {x, y, int(m.panel.cx), int(m.panel.cy)}, -1},
    };
    CreateControls(*this, std::span<const ControlDecl<AboutBox>>(controls), Font());
    SetClientSize(m.client.cx, m.client.cy);
    CenterOnScreen();
    SetDefaultButton(&Get<Button>("OKButton"));
    // The icon's image for the size it shows at: crisp at every dpi.
    const int size = Scale(32, Dpi());
    HICON icon = HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    if (icon) Get<PicturePane>("ProgramIcon").SetPicture(Graphic::FromIcon(IconHandle(icon), 32, 32));
}

void AboutBox::OKButtonClick() { SetModalResult(IDOK); }

}  // namespace ui
