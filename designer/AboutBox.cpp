#include "designer/AboutBox.h"

#include "designer/ProductInfo.h"

namespace designer {
namespace {

using ui::ControlKind;

const ui::FormSpec kFormSpec{"TAboutBox", "バージョン情報", {0, 0, 290, 170}, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                             "ＭＳ Ｐゴシック", 12};

// Places inside the panel at (8, 8) are given in the window's client area.
constexpr int kPanelX = 8, kPanelY = 8;
const ui::ControlDecl<TAboutBox> kControls[] = {
    {"OKButton", ControlKind::Button, "閉じる", {kPanelX + 183, kPanelY + 80, 58, 25}, 0, &TAboutBox::OKButtonClick},
    {"ProductName", ControlKind::Label, kProductText, {kPanelX + 8, kPanelY + 16}, -1},
    {"Version", ControlKind::Label, kVersionText, {kPanelX + 8, kPanelY + 40}, -1},
    {"Copyright", ControlKind::Label, kCreditText, {kPanelX + 8, kPanelY + 64}, -1},
    {"Comments", ControlKind::Label, kReleaseText, {kPanelX + 8, kPanelY + 88}, -1},
    {"ProgramIcon", ControlKind::Picture, "", {kPanelX + 208, kPanelY + 32, 32, 32}, -1},
    {"Panel1", ControlKind::Panel, "", {kPanelX, kPanelY, 257, 113}, -1},
};

}  // namespace

TAboutBox::TAboutBox(HWND owner) {
    Build(*this, kFormSpec, owner, std::span<const ui::ControlDecl<TAboutBox>>(kControls), SIZE{273, 129});
}

void TAboutBox::OKButtonClick() { SetModalResult(IDOK); }

}  // namespace designer
