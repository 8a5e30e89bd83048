#include "viewer/AboutBox.h"

#include "viewer/ProductInfo.h"

namespace viewer {
namespace {

using ui::ControlKind;

const ui::FormSpec kFormSpec{"TAboutBox", "バージョン情報", {0, 0, 240, 160}, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                             "ＭＳ Ｐゴシック", 12};

// Places inside the panel at (8, 8) are given in the window's client area.
constexpr int kPanelX = 8, kPanelY = 8;
const ui::ControlDecl<TAboutBox> kControls[] = {
    {"OKButton", ControlKind::Button, "閉じる", {kPanelX + 144, kPanelY + 72, 49, 21}, 0, &TAboutBox::OKButtonClick},
    {"ProductName", ControlKind::Label, "アプリケーション名：ロカビナ", {kPanelX + 8, kPanelY + 8, 0, 0}, -1},
    {"Version", ControlKind::Label, kVersionText, {kPanelX + 8, kPanelY + 32, 0, 0}, -1},
    {"Copyright", ControlKind::Label, kCreditText, {kPanelX + 8, kPanelY + 56, 0, 0}, -1},
    {"Comments", ControlKind::Label, kReleaseText, {kPanelX + 8, kPanelY + 80, 0, 0}, -1},
    {"ProgramIcon", ControlKind::Picture, "", {kPanelX + 152, kPanelY + 24, 32, 32}, -1},
    {"Panel1", ControlKind::Panel, "", {kPanelX, kPanelY, 209, 105}, -1},
};

}  // namespace

TAboutBox::TAboutBox(HWND owner) {
    Build(*this, kFormSpec, owner, std::span<const ui::ControlDecl<TAboutBox>>(kControls), SIZE{226, 121});
}

void TAboutBox::OKButtonClick() { SetModalResult(IDOK); }

}  // namespace viewer
