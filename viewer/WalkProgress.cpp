#include "viewer/WalkProgress.h"

#include <string>

#include "base/CodePage.h"
#include "ui/Application.h"
#include "ui/Buttons.h"
#include "ui/TextControls.h"

namespace viewer {
namespace {

using ui::ControlKind;

const ui::FormSpec kFormSpec{"TWalkProgress", "ロカビナ", {0, 0, 340, 150}, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                             "ＭＳ Ｐゴシック", 12};

const ui::ControlDecl<TWalkProgress> kControls[] = {
    {"Button1", ControlKind::Button, "中止", {122, 80, 75, 25}, 0, &TWalkProgress::Button1Click},
    {"Label1", ControlKind::Label, "フォルダを検索しています…", {12, 12, 0, 0}, -1},
    {"Label2", ControlKind::PathLabel, "", {12, 34, 296, 14}, -1},
    {"Label3", ControlKind::PathLabel, "", {12, 54, 296, 14}, -1},
};

}  // namespace

TWalkProgress::TWalkProgress(HWND owner) {
    CreateForm(kFormSpec, owner);
    SetCaption(ui::Application::Instance().Title());
    CreateControls(*this, std::span<const ui::ControlDecl<TWalkProgress>>(kControls), Font());
    SetClientSize(320, 112);
    CenterOnScreen();
    SetDefaultButton(&Get<ui::Button>("Button1"));
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    SetFocus(Get<ui::Button>("Button1").Handle());
}

void TWalkProgress::ShowProgress(size_t found, const base::Path& reading) {
    if (found != shownFound_) {
        shownFound_ = found;
        Get<ui::PathLabel>("Label2").SetText("見つかったフォルダ：" + std::to_string(found));
    }
    if (reading != shownReading_) {
        shownReading_ = reading;
        Get<ui::PathLabel>("Label3").SetWideText(reading);
    }
}

void TWalkProgress::Button1Click() { stopAsked_ = true; }

LRESULT TWalkProgress::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    // Escape comes as IDCANCEL; the close box as WM_CLOSE. Neither closes the
    // window: start-up does, once the walk has ended.
    if (msg == WM_CLOSE || (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL && lp == 0)) {
        stopAsked_ = true;
        return 0;
    }
    return Form::Dispatch(msg, wp, lp);
}

}  // namespace viewer
